#include "creators/icon_mixer_dialog.h"

#include "creators/mixer_opacity_bar.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/raster_image.h"
#include "document/document_window.h"
#include "document/file_path.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/main_window.h"
#include "raster/composite.h"
#include "widgets/angle_control.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ormel {
namespace {

const QString kCaption = QStringLiteral("Icons Mixer");
constexpr TColor kPreviewBack = 0xFFFFFF;
constexpr int kBarWidth = 135;
constexpr int kBarHeight = 20;
constexpr int kArrowSize = 9;
constexpr int kOffsetLimit = 256;

// The preview's layout: each size's mix at x = 4 below the previous one, its label 2 pixels
// under it, the next size 20 pixels further down.
constexpr int kPreviewMargin = 4;
constexpr int kLabelGap = 2;
constexpr int kSizeGap = 20;
constexpr int kRowExtra = 22;
// Wide enough for a 256-pixel mix beside its scroll bar.
constexpr int kPreviewMinimumWidth = 290;

QPixmap ArrowPixmap()
{
    QPixmap arrow(kArrowSize, kArrowSize);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({QPoint(kArrowSize / 2, 0), QPoint(kArrowSize - 1, kArrowSize - 1),
                                  QPoint(0, kArrowSize - 1)}));
    return arrow;
}

QPushButton* ToolButton(const char* name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    return button;
}

// The tool buttons' changes to an item; offsets stay within -256 to 256, the zoom has no limit.
void MoveUp(TMixerItem& item) { item.OffsetY = std::max(item.OffsetY - 1, -kOffsetLimit); }
void MoveDown(TMixerItem& item) { item.OffsetY = std::min(item.OffsetY + 1, kOffsetLimit); }
void MoveLeft(TMixerItem& item) { item.OffsetX = std::max(item.OffsetX - 1, -kOffsetLimit); }
void MoveRight(TMixerItem& item) { item.OffsetX = std::min(item.OffsetX + 1, kOffsetLimit); }
void FlipHorizontal(TMixerItem& item) { item.FlipHorizontal = !item.FlipHorizontal; }
void FlipVertical(TMixerItem& item) { item.FlipVertical = !item.FlipVertical; }
void ZoomIn(TMixerItem& item) { ++item.Zoom; }
void ZoomOut(TMixerItem& item) { --item.Zoom; }

} // namespace

Tfrm_icon_mixer::Tfrm_icon_mixer(const QList<Tfrm_childwin*>& documents, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_icon_mixer"));
    setWindowTitle(kCaption);
    resize(590, 426);

    for (Tfrm_childwin* document : documents) {
        const TIconDocument& icon = document->Document();
        TMixerItem item;
        item.Name = MixerItemName(icon.FileName, icon.LibEntryName);
        item.Images = &icon.Images;
        DrawMixerThumbnail(icon.Images, item.Thumbnail);
        items_.push_back(std::move(item));
    }
    sizes_ = FindCommonSizes(items_);

    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("lsv_Icon"));
    list_->setAccessibleName(QStringLiteral("Icons"));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(32, 32));
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    fillList(-1);
    connect(list_, &QListWidget::itemSelectionChanged, this, &Tfrm_icon_mixer::showSelectedSettings);

    view_ = new QLabel;
    view_->setObjectName(QStringLiteral("img_view"));
    view_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("sbx_view"));
    scroll->setAccessibleName(QStringLiteral("Preview"));
    scroll->setBackgroundRole(QPalette::Base);
    scroll->setStyleSheet(QStringLiteral("QScrollArea { background: white; }"));
    scroll->setMinimumWidth(kPreviewMinimumWidth);
    scroll->setWidget(view_);
    scroll->setWidgetResizable(true);

    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(buildTools());
    left->addWidget(buildOpacity());
    auto* body = new QHBoxLayout;
    body->addLayout(left, 0);
    body->addWidget(scroll, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(MakeOkCancelButtons(*this));

    // Changes redraw the preview once the events of the moment are handled, so that a burst of
    // clicks mixes once.
    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(0);
    connect(previewTimer_, &QTimer::timeout, this, &Tfrm_icon_mixer::drawPreview);

    showOpacity(255);
    drawPreview();
}

QWidget* Tfrm_icon_mixer::buildTools()
{
    auto* tools = new QWidget;
    auto* grid = new QGridLayout(tools);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const char* name, const QString& text, int row, int column, auto action) {
        QPushButton* button = ToolButton(name, text);
        connect(button, &QPushButton::clicked, this, action);
        grid->addWidget(button, row, column);
    };
    const auto change = [&](const char* name, const QString& text, int row, int column, void (*edit)(TMixerItem&)) {
        add(name, text, row, column, [this, edit] { changeSelected(edit); });
    };
    change("btn_up", tr("Up"), 0, 1, &MoveUp);
    change("btn_left", tr("Left"), 1, 0, &MoveLeft);
    change("btn_right", tr("Right"), 1, 2, &MoveRight);
    change("btn_down", tr("Down"), 2, 1, &MoveDown);
    change("btn_flipH", QStringLiteral("Filp Horizintal"), 0, 3, &FlipHorizontal);
    change("btn_flipV", QStringLiteral("Filp Vertical"), 0, 4, &FlipVertical);
    change("btn_zoomIn", tr("Zoom In"), 2, 3, &ZoomIn);
    change("btn_zoomOut", tr("Zoom Out"), 2, 4, &ZoomOut);
    // The quarter turns go through the angle control, which hands its angle to the item.
    add("btn_rotateLeft", QStringLiteral("Rotate 90 CCW"), 1, 3, [this] {
        if (const TMixerItem* item = selectedItem())
            angle_->SetAngle(item->Angle + 90);
    });
    add("btn_rotateRight", QStringLiteral("Rotate 90 CW"), 1, 4, [this] {
        if (const TMixerItem* item = selectedItem())
            angle_->SetAngle(item->Angle + 270);
    });
    add("btn_orderUp", QStringLiteral("Forward Order"), 3, 3, [this] { moveSelected(-1); });
    add("btn_orverDown", QStringLiteral("Backward Order"), 3, 4, [this] { moveSelected(1); });

    angle_ = new TOrm_Angle;
    angle_->setObjectName(QStringLiteral("ang_angle"));
    angle_->setAccessibleName(QStringLiteral("Angle"));
    angle_->setFixedSize(angle_->sizeHint());
    connect(angle_, &TOrm_Angle::angleChanged, this, [this](int angle) {
        if (TMixerItem* item = selectedItem(); item != nullptr && !showingSelection_ && item->Angle != angle) {
            item->Angle = angle;
            previewTimer_->start();
        }
    });
    grid->addWidget(angle_, 0, 5, 4, 1);
    return tools;
}

QWidget* Tfrm_icon_mixer::buildOpacity()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(tr("Opacity"));
    row->addWidget(caption);

    // The bar with the marker below it, placed by hand so the marker can follow the opacity.
    auto* holder = new QWidget;
    holder->setFixedSize(kBarWidth + kArrowSize, kBarHeight + kArrowSize);
    bar_ = new QLabel(holder);
    bar_->setObjectName(QStringLiteral("img_transparent"));
    bar_->setAccessibleName(tr("Opacity"));
    bar_->setFocusPolicy(Qt::StrongFocus);
    bar_->setGeometry(kArrowSize / 2, 0, kBarWidth, kBarHeight);
    Raster pattern(kBarWidth, kBarHeight);
    DrawOpacityBar(pattern);
    bar_->setPixmap(QPixmap::fromImage(WrapRaster(pattern).copy()));
    bar_->installEventFilter(this);
    caption->setBuddy(bar_);
    arrow_ = new QLabel(holder);
    arrow_->setObjectName(QStringLiteral("img_arrow"));
    arrow_->setPixmap(ArrowPixmap());
    arrow_->resize(kArrowSize, kArrowSize);
    row->addWidget(holder);

    opacityValue_ = new QLabel;
    opacityValue_->setObjectName(QStringLiteral("lab_A"));
    opacityValue_->setMinimumWidth(opacityValue_->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    row->addWidget(opacityValue_);
    row->addStretch(1);
    return box;
}

TMixerItem* Tfrm_icon_mixer::selectedItem()
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const int row = list_->row(selected.front());
    return row >= 0 && row < static_cast<int>(items_.size()) ? &items_[static_cast<std::size_t>(row)] : nullptr;
}

void Tfrm_icon_mixer::changeSelected(void (*change)(TMixerItem&))
{
    if (TMixerItem* item = selectedItem()) {
        change(*item);
        previewTimer_->start();
    }
}

void Tfrm_icon_mixer::moveSelected(int step)
{
    if (selectedItem() == nullptr)
        return;
    const int from = list_->row(list_->selectedItems().front());
    const int to = from + step;
    if (to < 0 || to >= static_cast<int>(items_.size()))
        return;
    std::swap(items_[static_cast<std::size_t>(from)], items_[static_cast<std::size_t>(to)]);
    fillList(to);
    previewTimer_->start();
}

void Tfrm_icon_mixer::fillList(int selectedRow)
{
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const TMixerItem& item : items_) {
        auto* entry = new QListWidgetItem(QIcon(QPixmap::fromImage(WrapRaster(item.Thumbnail).copy())),
                                          FromNativePath(item.Name), list_);
        entry->setToolTip(entry->text());
    }
    if (selectedRow >= 0) {
        list_->setCurrentRow(selectedRow);
        list_->item(selectedRow)->setSelected(true);
    }
}

void Tfrm_icon_mixer::showSelectedSettings()
{
    const TMixerItem* item = selectedItem();
    if (item == nullptr)
        return;
    showingSelection_ = true;
    angle_->SetAngle(item->Angle);
    showingSelection_ = false;
    showOpacity(item->Opacity);
}

void Tfrm_icon_mixer::setOpacityFromBar(int x)
{
    if (TMixerItem* item = selectedItem(); item != nullptr && x >= 0 && x <= kBarWidth) {
        item->Opacity = OpacityFromBarX(x, kBarWidth);
        showOpacity(item->Opacity);
        previewTimer_->start();
    }
}

void Tfrm_icon_mixer::showOpacity(int opacity)
{
    arrow_->move(BarXFromOpacity(opacity, kBarWidth), kBarHeight);
    opacityValue_->setText(QString::number(opacity));
    bar_->setAccessibleDescription(QString::number(opacity));
}

bool Tfrm_icon_mixer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != bar_)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton)
            setOpacityFromBar(mouse->position().toPoint().x());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        // The keyboard moves the marker one pixel of the bar at a time.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (const TMixerItem* item = selectedItem(); item != nullptr && (key == Qt::Key_Left || key == Qt::Key_Right)) {
            const int x = BarXFromOpacity(item->Opacity, kBarWidth) + (key == Qt::Key_Right ? 1 : -1);
            setOpacityFromBar(std::clamp(x, 0, kBarWidth));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrm_icon_mixer::drawPreview()
{
    if (sizes_.empty()) {
        view_->clear();
        return;
    }
    int width = 0, height = 0;
    for (const TMixerSize& size : sizes_) {
        width = std::max(width, size.Width);
        height += size.Height + kRowExtra;
    }
    QImage preview(width + 2 * kPreviewMargin, height + kPreviewMargin, QImage::Format_RGB32);
    preview.fill(Qt::white);
    QPainter painter(&preview);
    painter.setPen(Qt::black);
    int y = kPreviewMargin;
    for (int k = 0; k < static_cast<int>(sizes_.size()); ++k) {
        const TMixerSize& size = sizes_[static_cast<std::size_t>(k)];
        TIconImage mixed;
        MixCommonSize(items_, k, size, mixed);
        Raster shown(size.Width, size.Height);
        const TRect whole{0, 0, size.Width, size.Height};
        CompositeOverColor(mixed.Bitmap, mixed.Mask, nullptr, whole, kPreviewBack, shown);
        painter.drawImage(kPreviewMargin, y, WrapRaster(shown));
        const QRect label(kPreviewMargin, y + size.Height + kLabelGap, preview.width(), kRowExtra - kLabelGap);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("%1x%2 32b").arg(size.Width).arg(size.Height));
        y += size.Height + kSizeGap;
    }
    painter.end();
    view_->setPixmap(QPixmap::fromImage(preview));
}

TIconDocument Tfrm_icon_mixer::MixedDocument() const
{
    TIconDocument document;
    for (int k = 0; k < static_cast<int>(sizes_.size()); ++k) {
        TIconImage mixed;
        MixCommonSize(items_, k, sizes_[static_cast<std::size_t>(k)], mixed);
        document.AddImage(std::move(mixed));
    }
    if (!document.Images.empty())
        document.CurrentIndex = 0;
    document.FileName = "orm mixer icon";
    // Never saved: closing it asks first, as for any unsaved change.
    document.Modified = !document.Images.empty();
    return document;
}

QString Tfrm_icon_mixer::MixedCaption() const { return FromNativePath(MixerCaption(items_)); }

void RunIconMixer(Tfrm_main& frame)
{
    DialogService& dialogs = frame.Services().dialogs();
    const QList<Tfrm_childwin*> documents = frame.Documents();
    if (documents.size() < 2) {
        dialogs.showMessage(&frame, kCaption, QStringLiteral("At least two icons opening."));
        return;
    }
    Tfrm_icon_mixer mixer(documents, &frame);
    if (!mixer.HasCommonSizes())
        dialogs.showMessage(&frame, kCaption, QStringLiteral("No same size in icons, can not be mixed!"));
    if (dialogs.runDialog(mixer) != QDialog::Accepted || !mixer.HasCommonSizes())
        return;
    Tfrm_childwin* window = frame.AddDocumentWindow(mixer.MixedDocument());
    const QString caption = mixer.MixedCaption() + QStringLiteral(" *");
    window->setWindowTitle(caption);
    window->setAccessibleName(caption);
}

} // namespace ormel

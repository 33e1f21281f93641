#include "dialogs/add_new_image_dialog.h"

#include "document/image_strip.h"
#include "dialogs/dialog_buttons.h"
#include "files/derive_image.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace ormel {

namespace {

// The size radios; id 0 is "Custom:".
constexpr int kSizes[] = {16, 24, 32, 48, 256};
constexpr int kCustomId = 0;
constexpr int kScrollStep = 5;
constexpr int kScrollTickMs = 10;

struct ColourChoice {
    const char* text;
    const char* name;
    int depthCode;
};
const ColourChoice kColours[] = {
    {"True Color + Alpha (32 bits)", "rdb_32bits", Depth32}, {"True Color  (24 bits)", "rdb_24bits", Depth24},
    {"256 Colors (8 bits)", "rdb_8bits", Depth8},            {"16 Colors (4 bits)", "rdb_4bits", Depth4},
    {"2 Colors (1 bit)", "rdb_1bit", Depth1},
};

QRadioButton* NewRadio(const QString& text, const QString& name)
{
    auto* radio = new QRadioButton(text);
    radio->setObjectName(name);
    radio->setAccessibleName(text);
    return radio;
}

QSpinBox* NewSideField(const QString& name, const QString& accessibleName)
{
    auto* field = new QSpinBox;
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setRange(1, 256);
    field->setValue(60);
    return field;
}

// Held down, a scroll button repeats every tick.
QToolButton* NewScrollButton(Qt::ArrowType arrow, const QString& name, const QString& accessibleName)
{
    auto* button = new QToolButton;
    button->setArrowType(arrow);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setFixedSize(20, ImageStrip::kStripHeight);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(0);
    button->setAutoRepeatInterval(kScrollTickMs);
    return button;
}

} // namespace

Tfrm_add_new_image::Tfrm_add_new_image(EditorServices& services, QWidget* parent)
    : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("frm_add_new_image"));
    setWindowTitle(QStringLiteral("Add a New Image Format"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildSizeGroup());
    groups->addWidget(buildColourGroup());

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(buildBaseGroup());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showProposal();
}

QWidget* Tfrm_add_new_image::buildSizeGroup()
{
    auto* box = new QGroupBox(QStringLiteral("Icon Size"));
    auto* layout = new QVBoxLayout(box);
    sizeGroup_ = new QButtonGroup(this);
    for (int side : kSizes) {
        const QString text = QStringLiteral("%1 x %1").arg(side);
        QRadioButton* radio = NewRadio(text, QStringLiteral("rdb_%1x%1").arg(side));
        sizeGroup_->addButton(radio, side);
        layout->addWidget(radio);
    }
    QRadioButton* custom = NewRadio(QStringLiteral("Custom:"), QStringLiteral("rdb_Custom"));
    sizeGroup_->addButton(custom, kCustomId);
    customWidth_ = NewSideField(QStringLiteral("spn_CustomWidth"), QStringLiteral("Custom width"));
    customHeight_ = NewSideField(QStringLiteral("spn_CustomHeight"), QStringLiteral("Custom height"));
    auto* customRow = new QHBoxLayout;
    customRow->addWidget(custom);
    customRow->addWidget(customWidth_);
    customRow->addWidget(new QLabel(QStringLiteral("x")));
    customRow->addWidget(customHeight_);
    layout->addLayout(customRow);

    for (QSpinBox* field : {customWidth_, customHeight_})
        connect(field, &QSpinBox::valueChanged, this, [this] { sizeGroup_->button(kCustomId)->setChecked(true); });
    return box;
}

QWidget* Tfrm_add_new_image::buildColourGroup()
{
    auto* box = new QGroupBox(QStringLiteral("Icon Colors"));
    auto* layout = new QVBoxLayout(box);
    colourGroup_ = new QButtonGroup(this);
    for (const ColourChoice& choice : kColours) {
        QRadioButton* radio = NewRadio(QString::fromLatin1(choice.text), QString::fromLatin1(choice.name));
        colourGroup_->addButton(radio, choice.depthCode);
        layout->addWidget(radio);
    }
    layout->addStretch();
    return box;
}

QWidget* Tfrm_add_new_image::buildBaseGroup()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    basedOn_ = new QCheckBox(QStringLiteral("Creation based on the following image:"));
    basedOn_->setObjectName(QStringLiteral("chk_BaseImage"));
    basedOn_->setAccessibleName(basedOn_->text());
    layout->addWidget(basedOn_);

    strip_ = new ImageStrip(ImageStrip::BitsLabel::Plain);
    strip_->setObjectName(QStringLiteral("img_BaseImages"));
    strip_->setAccessibleName(QStringLiteral("Base image"));
    strip_->setFocusPolicy(Qt::StrongFocus);
    stripArea_ = new QScrollArea;
    stripArea_->setObjectName(QStringLiteral("pan_BaseImages"));
    stripArea_->setWidget(strip_);
    stripArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stripArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stripArea_->setFixedSize(6 * ImageStrip::kCellWidth, ImageStrip::kStripHeight + 2 * stripArea_->frameWidth());
    stripArea_->setFocusPolicy(Qt::NoFocus);
    connect(strip_, &ImageStrip::picked, this, [this](int index) {
        if (index < 0 || index >= strip_->cellCount())
            return;
        strip_->setCurrent(index);
        revealCell(index);
    });

    QToolButton* left = NewScrollButton(Qt::LeftArrow, QStringLiteral("btn_ScrollLeft"), QStringLiteral("Scroll left"));
    QToolButton* right = NewScrollButton(Qt::RightArrow, QStringLiteral("btn_ScrollRight"), QStringLiteral("Scroll right"));
    connect(left, &QToolButton::clicked, this, [this] { scrollStrip(-kScrollStep); });
    connect(right, &QToolButton::clicked, this, [this] { scrollStrip(kScrollStep); });
    auto* row = new QHBoxLayout;
    row->addWidget(left);
    row->addWidget(stripArea_);
    row->addWidget(right);
    layout->addLayout(row);
    return box;
}

// The scroll bar's range already stops the strip at both ends.
void Tfrm_add_new_image::scrollStrip(int step)
{
    QScrollBar* bar = stripArea_->horizontalScrollBar();
    bar->setValue(bar->value() + step);
}

void Tfrm_add_new_image::revealCell(int index)
{
    if (index >= 0)
        stripArea_->ensureVisible(index * ImageStrip::kCellWidth + ImageStrip::kCellWidth / 2,
                                  ImageStrip::kStripHeight / 2, ImageStrip::kCellWidth / 2, 0);
}

void Tfrm_add_new_image::Prepare(const TIconImageArray* images, int baseIndex)
{
    images_ = images != nullptr && !images->empty() ? images : nullptr;
    basedOn_->setEnabled(images_ != nullptr);
    if (images_ == nullptr)
        basedOn_->setChecked(false);
    strip_->setImages(images_, services_.stripBackColor());
    strip_->setCurrent(baseIndex >= 0 && baseIndex < strip_->cellCount() ? baseIndex : (images_ != nullptr ? 0 : -1));
    stripArea_->horizontalScrollBar()->setValue(0);
    revealCell(strip_->current());
    showProposal();
}

void Tfrm_add_new_image::Propose(int width, int height, int depthCode)
{
    const TIconImage proposal = ProposedImage(width, height, depthCode);
    proposedWidth_ = proposal.Width;
    proposedHeight_ = proposal.Height;
    proposedDepth_ = proposal.ColorDepth;
    showProposal();
}

void Tfrm_add_new_image::showProposal()
{
    const QSignalBlocker blockWidth(customWidth_);
    const QSignalBlocker blockHeight(customHeight_);
    QAbstractButton* sizeRadio = proposedWidth_ == proposedHeight_ ? sizeGroup_->button(proposedWidth_) : nullptr;
    if (sizeRadio == nullptr) {
        sizeRadio = sizeGroup_->button(kCustomId);
        customWidth_->setValue(proposedWidth_);
        customHeight_->setValue(proposedHeight_);
    }
    sizeRadio->setChecked(true);
    colourGroup_->button(proposedDepth_)->setChecked(true);
}

void Tfrm_add_new_image::accept()
{
    const int sizeId = sizeGroup_->checkedId();
    const bool custom = sizeId <= kCustomId;
    proposedWidth_ = custom ? customWidth_->value() : sizeId;
    proposedHeight_ = custom ? customHeight_->value() : sizeId;
    proposedDepth_ = colourGroup_->checkedId() > 0 ? colourGroup_->checkedId() : Depth32;

    const int base = strip_->current();
    if (basedOn_->isChecked() && images_ != nullptr && base >= 0 && base < int(images_->size()))
        newImage_ = DeriveImageFormat((*images_)[std::size_t(base)], proposedWidth_, proposedHeight_, proposedDepth_);
    else
        newImage_ = ProposedImage(proposedWidth_, proposedHeight_, proposedDepth_);
    QDialog::accept();
}

// The document's images are not kept once the dialog closes: the document may change or go.
void Tfrm_add_new_image::done(int result)
{
    images_ = nullptr;
    strip_->setImages(nullptr, services_.stripBackColor());
    strip_->setCurrent(-1);
    QDialog::done(result);
}

TIconImage Tfrm_add_new_image::TakeNewImage()
{
    TIconImage taken = std::move(newImage_);
    newImage_ = ProposedImage(proposedWidth_, proposedHeight_, proposedDepth_);
    return taken;
}

int AskSwitchToExistingFormat(DialogService& dialogs, QWidget* parent, const TIconImageArray& images,
                              const TIconImage& record)
{
    for (std::size_t i = 0; i < images.size(); ++i) {
        const TIconImage& existing = images[i];
        if (existing.Width != record.Width || existing.Height != record.Height || existing.ColorDepth != record.ColorDepth)
            continue;
        const QString question = QStringLiteral("The image format \"%1x%2 : %3bits\" is alreay exists in this icon. "
                                                "Switch to this format?")
                                     .arg(record.Width)
                                     .arg(record.Height)
                                     .arg(DepthToBits(record.ColorDepth));
        const bool switchTo = dialogs.ask(parent, QStringLiteral("Add a new image format"), question,
                                          QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
        return switchTo ? int(i) : -1;
    }
    return kNewFormat;
}

} // namespace ormel

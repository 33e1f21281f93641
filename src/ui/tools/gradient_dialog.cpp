#include "tools/gradient_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/raster_image.h"
#include "main/dialog_service.h"
#include "tools/gradient_presets.h"
#include "widgets/qt_colour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ormel {

namespace {

QPixmap GradientPixmap(TNodeArray nodes, int width, int height)
{
    Raster bar(width, height);
    DrawGradientBar(nodes, TRect{0, 0, width, height}, bar);
    return QPixmap::fromImage(WrapRaster(bar).copy());
}

} // namespace

// The bar with the seven stops' glyphs under it; the bar's column 8 + p lies over position p.
class GradientBox : public QWidget {
public:
    explicit GradientBox(Tfrm_GradientColor& dialog) : dialog_(dialog)
    {
        setObjectName(QStringLiteral("PaintBox1"));
        setAccessibleName(tr("Gradient stops"));
        setFixedSize(528, TGradientHandle::Top + TGradientHandle::GlyphHeight + 2);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(212, 208, 200));
        const TGradientEditor& editor = dialog_.editor_;
        painter.drawPixmap(8, 0, GradientPixmap(editor.Result(), 512, 16));
        for (int i = TGradientEditor::StopCount - 1; i >= 0; --i) {
            const TGradientHandle& stop = editor.Stop(i);
            const int left = stop.Position;
            const int top = TGradientHandle::Top;
            QPolygon glyph;
            glyph << QPoint(left + 8, top) << QPoint(left + 15, top + 8) << QPoint(left + 15, top + 33)
                  << QPoint(left + 1, top + 33) << QPoint(left + 1, top + 8);
            painter.setPen(stop.Selected ? QColor(0, 0, 160) : QColor(64, 64, 64));
            painter.setBrush(stop.Enabled ? QColor(240, 240, 240) : QColor(170, 170, 170));
            painter.drawPolygon(glyph);
            if (stop.Enabled)
                painter.fillRect(QRect(left + 4, top + 15, 7, 6), ToQColor(stop.Color));
            const QRect enable(left + 3, top + 24, 9, 9);
            painter.setBrush(Qt::white);
            painter.drawRect(enable.adjusted(0, 0, -1, -1));
            if (stop.Enabled)
                painter.drawLine(enable.topLeft() + QPoint(2, 4), enable.bottomRight() - QPoint(2, 2));
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint p = event->position().toPoint();
        dialog_.editor_.Press(p.x(), p.y());
        dialog_.refresh();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (event->buttons().testFlag(Qt::LeftButton) && dialog_.editor_.Drag(event->position().toPoint().x()))
            dialog_.refresh();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const QPoint p = event->position().toPoint();
        if (doubleClick_) {
            doubleClick_ = false;
            const int stop = dialog_.editor_.StopAtColourBox(p.x(), p.y());
            if (stop >= 0)
                dialog_.chooseColour(stop);
            return;
        }
        dialog_.editor_.Release(p.x(), p.y());
        dialog_.refresh();
    }
    void mouseDoubleClickEvent(QMouseEvent*) override { doubleClick_ = true; }

private:
    Tfrm_GradientColor& dialog_;
    bool doubleClick_ = false;
};

Tfrm_GradientColor::Tfrm_GradientColor(DialogService& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), box_(new GradientBox(*this)), handle_(new QSpinBox),
      colour_(new QPushButton), position_(new QSpinBox), enabled_(new QCheckBox(tr("Enabled"))),
      preset_(new QComboBox)
{
    setObjectName(QStringLiteral("frm_GradientColor"));
    setWindowTitle(tr("Gradient Color"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box_);
    auto* form = new QFormLayout;
    handle_->setObjectName(QStringLiteral("spn_HandleNo"));
    handle_->setRange(0, TGradientEditor::StopCount - 1);
    form->addRow(tr("Handle No.:"), handle_);
    colour_->setObjectName(QStringLiteral("img_HandleColor"));
    colour_->setAccessibleName(tr("Handle Color"));
    colour_->setFixedSize(48, 20);
    form->addRow(tr("Handle Color:"), colour_);
    position_->setObjectName(QStringLiteral("spn_Position"));
    position_->setRange(0, TGradientEditor::LastPosition);
    form->addRow(tr("Position:"), position_);
    enabled_->setObjectName(QStringLiteral("chk_HandleEnabled"));
    form->addRow(enabled_);
    auto* inverse = new QPushButton(tr("Inverse"));
    inverse->setObjectName(QStringLiteral("BitBtn4"));
    form->addRow(inverse);
    preset_->setObjectName(QStringLiteral("ComboBox1"));
    preset_->setAccessibleName(tr("Preset"));
    preset_->setIconSize(QSize(120, 12));
    for (int i = 0; i < kGradientPresetCount; ++i)
        preset_->addItem(QIcon(GradientPixmap(EnabledNodes(GradientPreset(i)), 120, 12)), QString::number(i));
    auto* apply = new QPushButton(tr("Apply the Preset"));
    apply->setObjectName(QStringLiteral("BitBtn3"));
    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(preset_, 1);
    presetRow->addWidget(apply);
    form->addRow(tr("Preset:"), presetRow);
    layout->addLayout(form);
    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BitBtn2"));
    layout->addWidget(buttons);

    connect(handle_, &QSpinBox::valueChanged, this, [this](int stop) {
        editor_.SelectStop(stop);
        refresh();
    });
    connect(position_, &QSpinBox::valueChanged, this, [this](int position) {
        editor_.SetPosition(position);
        refresh();
    });
    connect(enabled_, &QCheckBox::toggled, this, [this](bool on) {
        editor_.SetEnabled(on);
        refresh();
    });
    connect(colour_, &QPushButton::clicked, this, [this] { chooseColour(editor_.SelectedStop()); });
    connect(inverse, &QPushButton::clicked, this, [this] {
        editor_.Inverse();
        refresh();
    });
    connect(apply, &QPushButton::clicked, this, [this] {
        editor_.ApplyPreset(preset_->currentIndex());
        refresh();
    });
    refresh();
}

bool Tfrm_GradientColor::Execute()
{
    const TGradientEditor before = editor_;
    refresh();
    if (dialogs_.runDialog(*this) == QDialog::Accepted)
        return true;
    editor_ = before;
    refresh();
    return false;
}

void Tfrm_GradientColor::chooseColour(int stop)
{
    const QColor chosen = dialogs_.askColour(this, ToQColor(editor_.Stop(stop).Color));
    if (chosen.isValid())
        editor_.SetColour(stop, FromQColor(chosen));
    refresh();
}

void Tfrm_GradientColor::refresh()
{
    const int selected = editor_.SelectedStop();
    const TGradientHandle& stop = editor_.Stop(selected);
    {
        const QSignalBlocker handleBlocker(handle_);
        const QSignalBlocker positionBlocker(position_);
        const QSignalBlocker enabledBlocker(enabled_);
        handle_->setValue(selected);
        position_->setValue(stop.Position);
        enabled_->setChecked(stop.Enabled);
    }
    QPixmap swatch(colour_->size() - QSize(8, 8));
    swatch.fill(ToQColor(stop.Color));
    colour_->setIcon(QIcon(swatch));
    colour_->setIconSize(swatch.size());
    box_->update();
}

} // namespace ormel

#include "dialogs/strip_colour_bar.h"

#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "widgets/qt_colour.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace ormel {

namespace {

constexpr int kSwatchWidth = 16;
// Swatch x div 16; the field after them opens the colour dialog.
constexpr std::array<TColor, 7> kSwatches = {
    MakeColor(255, 255, 255), MakeColor(212, 208, 200), MakeColor(128, 128, 128), MakeColor(0, 0, 0),
    MakeColor(0, 0, 255),     MakeColor(0, 128, 128),   MakeColor(58, 110, 165),
};
constexpr int kDialogField = int(kSwatches.size());

} // namespace

StripColourBar::StripColourBar(EditorServices& services, QWidget* parent)
    : QWidget(parent), services_(services), read_([&services] { return services.stripBackColor(); }),
      write_([&services](TColor colour) { services.setStripBackColor(colour); })
{
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("Background Color"));
    setToolTip(QStringLiteral("Background Color"));
}

void StripColourBar::setColourTarget(std::function<TColor()> read, std::function<void(TColor)> write)
{
    read_ = std::move(read);
    write_ = std::move(write);
}

void StripColourBar::pickAt(int x)
{
    if (x < 0 || x >= kWidth)
        return;
    const int field = x / kSwatchWidth;
    if (field < kDialogField)
        write_(kSwatches[std::size_t(field)]);
    else if (field == kDialogField)
        askForColour();
}

void StripColourBar::askForColour()
{
    const QColor chosen = services_.dialogs().askColour(this, ToQColor(colour()));
    if (chosen.isValid())
        write_(FromQColor(chosen));
}

void StripColourBar::stepSwatch(int step)
{
    int current = -1;
    for (std::size_t i = 0; i < kSwatches.size(); ++i)
        if (kSwatches[i] == colour())
            current = int(i);
    const int count = int(kSwatches.size());
    const int next = current < 0 ? 0 : (current + step + count) % count;
    write_(kSwatches[std::size_t(next)]);
}

void StripColourBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < kDialogField; ++i)
        painter.fillRect(QRect(i * kSwatchWidth, 0, kSwatchWidth, kHeight), ToQColor(kSwatches[std::size_t(i)]));
    const QRect dialogField(kDialogField * kSwatchWidth, 0, kWidth - kDialogField * kSwatchWidth, kHeight);
    QLinearGradient hues(dialogField.topLeft(), dialogField.topRight());
    for (int i = 0; i <= 6; ++i)
        hues.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    painter.fillRect(dialogField, hues);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void StripColourBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        pickAt(event->position().toPoint().x());
}

void StripColourBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (picksWhileDragging_ && (event->buttons() & Qt::LeftButton) && rect().contains(at)
        && at.x() / kSwatchWidth < kDialogField)
        pickAt(at.x());
}

void StripColourBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: stepSwatch(-1); break;
    case Qt::Key_Right: stepSwatch(1); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: askForColour(); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

} // namespace ormel

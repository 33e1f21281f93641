#include "colour/colour_views.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace ormel {

namespace {

QImage Wrap(const Raster& raster)
{
    return QImage(raster.data(), raster.width(), raster.height(), raster.stride(), QImage::Format_BGR888);
}

constexpr int kMarkSide = 5;
constexpr int kArrowHeight = 9;
constexpr int kCrossSide = 11;

} // namespace

PickerPicture::PickerPicture(const char* name, const QString& accessibleName, QSize size, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    setFixedSize(size);
    setFocusPolicy(Qt::StrongFocus);
}

void PickerPicture::paintEvent(QPaintEvent*)
{
    if (picture_ == nullptr || picture_->empty())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), Wrap(*picture_));
}

void PickerPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit picked(event->position().toPoint());
}

void PickerPicture::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit picked(event->position().toPoint());
}

PickerMarker::PickerMarker(const char* name, Shape shape, QWidget* picture) : QWidget(picture), shape_(shape)
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (shape == Shape::Arrow)
        setFixedSize(picture->width(), kArrowHeight);
    else
        setFixedSize(kCrossSide, kCrossSide);
}

void PickerMarker::centreOn(QPoint at)
{
    if (shape_ == Shape::Arrow)
        move(0, at.y() - height() / 2);
    else
        move(at.x() - width() / 2, at.y() - height() / 2);
}

void PickerMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (shape_ == Shape::Arrow) {
        // Two small triangles pointing at the line from both sides of the bar.
        const int half = height() / 2;
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygon{QPoint(0, 0), QPoint(half, half), QPoint(0, 2 * half)});
        const int right = width() - 1;
        painter.drawPolygon(QPolygon{QPoint(right, 0), QPoint(right - half, half), QPoint(right, 2 * half)});
    } else {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawEllipse(QRectF(1.5, 1.5, width() - 3, height() - 3));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawEllipse(QRectF(0.5, 0.5, width() - 1, height() - 1));
    }
}

ColourCellGrid::ColourCellGrid(const char* name, const QString& accessibleName, QSize size, MarkStyle style,
                               int markInset, QWidget* parent)
    : QWidget(parent), style_(style), markInset_(markInset)
{
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    setFixedSize(size);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourCellGrid::setGrid(TCellGrid grid, int cellSlots)
{
    grid_ = grid;
    slots_ = cellSlots;
    update();
}

void ColourCellGrid::setColours(QList<QColor> colours)
{
    colours_ = std::move(colours);
    grid_.count = int(colours_.size());
    update();
}

void ColourCellGrid::setMark(int index)
{
    if (mark_ == index)
        return;
    mark_ = index;
    update();
}

QPoint ColourCellGrid::cellCentre(int index) const
{
    return {grid_.cellLeft(index) + grid_.cellWidth / 2, grid_.cellTop(index) + grid_.cellHeight / 2};
}

void ColourCellGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(rect(), face);
    for (int i = 0; i < std::max(slots_, int(colours_.size())); ++i) {
        const QRect cell(grid_.cellLeft(i), grid_.cellTop(i), grid_.cellWidth, grid_.cellHeight);
        painter.fillRect(cell, i < colours_.size() ? colours_[i] : face);
    }
    if (mark_ < 0 || mark_ >= colours_.size())
        return;
    const QRect cell(grid_.cellLeft(mark_), grid_.cellTop(mark_), grid_.cellWidth, grid_.cellHeight);
    if (style_ == MarkStyle::InnerSquare) {
        const QRect square(cell.left() + markInset_, cell.top() + markInset_, kMarkSide, kMarkSide);
        painter.fillRect(square, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(square.adjusted(-1, -1, 0, 0));
    } else {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = cell.adjusted(-1, -1, 1, 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ColourCellGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pickAt(event->position().toPoint());
}

void ColourCellGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(event->position().toPoint());
}

void ColourCellGrid::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -grid_.columns; break;
    case Qt::Key_Down: step = grid_.columns; break;
    default: QWidget::keyPressEvent(event); return;
    }
    const int target = mark_ < 0 ? 0 : mark_ + step;
    if (target >= 0 && target < grid_.count)
        emit cellPicked(target);
}

void ColourCellGrid::pickAt(QPoint at)
{
    const int index = grid_.cellAt(at.x(), at.y());
    if (index >= 0)
        emit cellPicked(index);
}

RasterView::RasterView(const char* name, QSize size, QWidget* parent) : QWidget(parent), picture_(size.width(), size.height())
{
    setObjectName(QLatin1String(name));
    setFixedSize(size);
}

void RasterView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Wrap(picture_));
}

} // namespace ormel

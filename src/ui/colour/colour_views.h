#pragma once

#include "colour/colour_choice.h"
#include "files/raster.h"

#include <QColor>
#include <QList>
#include <QWidget>

namespace ormel {

// A picture the pointer picks from: a raster stretched over the widget; a press or a drag
// with the left button reports the point. Markers placed on it let the mouse through.
class PickerPicture : public QWidget {
    Q_OBJECT

public:
    PickerPicture(const char* name, const QString& accessibleName, QSize size, QWidget* parent = nullptr);

    // The widget shows `picture` from now on; the caller keeps it alive and calls update().
    void setPicture(const Raster* picture) { picture_ = picture; }

signals:
    void picked(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const Raster* picture_ = nullptr;
};

// The marker of a picker: an arrow beside the hue bar or a ring round the picked colour.
class PickerMarker : public QWidget {
public:
    enum class Shape { Arrow, Cross };
    PickerMarker(const char* name, Shape shape, QWidget* picture);

    // Centres the marker on `at` (the picture's coordinates); an arrow keeps its x.
    void centreOn(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
};

// A grid of colour cells (a palette, the colour library, the recent colours) with one mark.
// A press or a drag with the left button over a used cell reports it, and so do the arrow
// keys for the used cell beside the mark.
class ColourCellGrid : public QWidget {
    Q_OBJECT

public:
    enum class MarkStyle {
        InnerSquare,    // a 5 x 5 white square with a black outline, inset from the cell's corner
        FocusRectangle, // a dotted rectangle one pixel larger than the cell
    };
    ColourCellGrid(const char* name, const QString& accessibleName, QSize size, MarkStyle style, int markInset,
                   QWidget* parent = nullptr);

    // `cellSlots` cells are drawn; those past the colours given show the button face.
    void setGrid(TCellGrid grid, int cellSlots);
    const TCellGrid& grid() const { return grid_; }
    void setColours(QList<QColor> colours);
    // -1 removes the mark.
    void setMark(int index);
    int mark() const { return mark_; }
    // The middle of cell `index`, for pointing at it.
    QPoint cellCentre(int index) const;

signals:
    void cellPicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pickAt(QPoint at);

    TCellGrid grid_;
    int slots_ = 0;
    QList<QColor> colours_;
    MarkStyle style_;
    int markInset_;
    int mark_ = -1;
};

// A raster shown at its own size.
class RasterView : public QWidget {
public:
    RasterView(const char* name, QSize size, QWidget* parent = nullptr);
    Raster& picture() { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Raster picture_;
};

} // namespace ormel

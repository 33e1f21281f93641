#pragma once

#include "files/icon_image.h"
#include "tools/gradient_rect.h"

#include <string_view>

namespace ormel {

enum class ShapeKind { Rectangle, Ellipse };

// The rectangle and ellipse tools on the canvas. A press keeps a backup of the image and the
// start pixel; every move with the left button restores the backup and draws the shape from the
// start pixel to the pointer's pixel (right and bottom exclusive); the release ends the drag
// and names the undo step, which the caller records.
class TShapeTool {
public:
    explicit TShapeTool(ShapeKind kind) : kind_(kind) {}

    void Press(const TIconImage& image, int canvasX, int canvasY, int zoom);
    // True when the image was redrawn and the whole canvas wants repainting. Without the left
    // button nothing is drawn (the caller shows the footprint outline instead).
    bool Move(TIconImage& image, int canvasX, int canvasY, int zoom, bool leftButton, const TShapePaint& paint);
    // The step caption to commit, "Rectangle" or "Ellipse"; empty when no press started a drag.
    std::string_view Release();

private:
    ShapeKind kind_;
    bool pressed_ = false;
    TPoint start_;
    Raster backupBitmap_;
    Raster backupMask_;
};

} // namespace ormel

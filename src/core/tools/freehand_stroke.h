#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"
#include "tools/tool_event.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace ormel {

enum class FreehandTool { Pencil, Brush, Eraser, Line };

// What a freehand tool paints with.
struct TStrokeSettings {
    FreehandTool Tool = FreehandTool::Pencil;
    int Width = 1;                // image pixels; the brush's diameter
    int Hardness = 255;           // 255 a hard edge, small values a soft one (pencil and eraser: 255)
    TColor Colour = 0;            // in an indexed image the palette index
    TColor Opacity = 0xFFFFFF;    // a grey whose blue part is the alpha; 0 erases
    bool AntiAlias = false;       // the line only
};

// A tool's settings from the tool palette (width: the pencil, eraser or line size, or the brush
// diameter; the brush gradient) and the colour panel (colour and alpha). The eraser paints white
// at opacity 0, which clears.
TStrokeSettings FreehandSettings(FreehandTool tool, int width, int brushGradient, TColor colour, int alpha,
                                 bool lineAntiAlias);

// One stroke of the pencil, brush, eraser or line in a document window, from press to release.
// The calls take canvas coordinates and the zoom, as the canvas reports them; the image passed
// must be the same image from press to release. Press and Move return the canvas rectangle to
// repaint (empty: nothing).
//
// Every move leaves the image as if the whole stroke were drawn afresh over the image backed up
// at the press: the stroke never paints over itself. The cost of a move does not grow with the
// stroke: the coverage is kept from move to move and only the newest segment is added to it (the
// minimum of the segments' coverages is the coverage of the whole polyline, see
// DrawStrokeCoverage), and only the pixels around that segment are repainted from the backup.
class TFreehandStroke {
public:
    // A stroke keeps at most this many points; further points replace the last one.
    static constexpr std::size_t kMaxPoints = 65530;

    // Backs up the image and starts the stroke at the pixel under the cursor. The pencil, brush
    // and eraser paint their round footprint there; the line paints nothing yet.
    TRect Press(TIconImage& image, int canvasX, int canvasY, int zoom, const TStrokeSettings& settings);
    // With the left button down, draws the stroke through the pixel under the cursor: the pencil,
    // brush and eraser append it to their polyline, the line runs from its start to it. Without
    // the left button nothing happens here (the window shows the footprint outline instead).
    TRect Move(TIconImage& image, int canvasX, int canvasY, int zoom, bool leftButton);
    // Ends the stroke; what the window records, or nothing when no stroke was pressed.
    std::optional<TPaintCommit> Release(const TIconImage& image);

    bool Active() const { return active_; }
    const std::vector<TPoint>& Points() const { return points_; }

private:
    TRect ExtendPolyline(TIconImage& image, TPoint point, int zoom);
    TRect RedrawLine(TIconImage& image, TPoint point, int zoom);
    // Restores the rectangle from the backup and paints the coverage into it.
    void Repaint(TIconImage& image, TRect rect);

    TStrokeSettings settings_;
    bool active_ = false;
    TRect area_;
    std::vector<TPoint> points_;
    Raster backupBitmap_;
    Raster backupMask_;
    Raster dab_;
    Raster coverage_;   // the whole stroke: the minimum of settled_ and the last segment
    Raster settled_;    // every segment but the last, which a point at the limit replaces
    Raster segment_;    // the last segment alone, inside tailBox_
    Raster patch_;      // the coverage of the rectangle being repainted, from (0, 0)
    Raster lineWork_;   // the supersampling area of wide anti-aliased lines
    TRect tailBox_;
    TRect pendingDab_;  // where the press's footprint is still painted
};

} // namespace ormel

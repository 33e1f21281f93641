#pragma once

#include "files/icon_image.h"
#include "tools/flood_fill.h"
#include "tools/tool_event.h"

#include <optional>

namespace ormel {

// What the bucket paints with: the tool palette's tolerance and the colour panel's colour (in an
// indexed image the palette index) and alpha.
struct TBucketSettings {
    int Tolerance = 32;
    TColor Colour = 0;
    int Alpha = 255;
    bool operator==(const TBucketSettings&) const = default;
};

// The bucket of one document window. The region found by the flood fill is painted through as
// coverage, so a 32-bit image blends the colour at the alpha, a 24-bit or indexed one takes it
// opaque, and alpha 0 erases the region.
class TBucketTool {
public:
    // Fills the region around the pixel under the cursor. True when the image was painted, and
    // the window repaints the whole canvas; a point outside the image changes nothing.
    bool Press(TIconImage& image, int canvasX, int canvasY, int zoom, const TBucketSettings& settings);
    // The hover preview: a copy of the image as a press here would leave it, for the tool
    // palette. The image itself is untouched; outside it the copy is unchanged. A move that
    // would fill the same region of the same image keeps the last preview without filling again.
    const TIconImage& Preview(const TIconImage& image, int canvasX, int canvasY, int zoom, const TBucketSettings& settings);
    // After a press (also one outside the image): the step "Bucket" to record.
    std::optional<TPaintCommit> Release(const TIconImage& image);

private:
    bool FillAt(TIconImage& image, TPoint pixel, const TBucketSettings& settings);
    bool PreviewHolds(const TIconImage& image, TPoint pixel, const TBucketSettings& settings) const;

    TFloodFill flood_;
    TIconImage preview_;
    // What the preview was made from; the flood's result is its region while previewValid_.
    TIconImage previewSource_;
    TPoint previewPixel_;
    TBucketSettings previewSettings_;
    bool previewValid_ = false;
    std::optional<TColor> pressedColour_;
};

} // namespace ormel

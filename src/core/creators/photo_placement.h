#pragma once

#include "files/raster.h"
#include "pictures/picture.h"
#include "raster/rect.h"

#include <vector>

namespace ormel {

// A rectangle of the picture-to-icon view in view pixels, right and bottom exclusive, held in
// floating point because frames are scaled.
struct TViewRect {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;

    double Width() const { return Right - Left; }
    double Height() const { return Bottom - Top; }
    bool operator==(const TViewRect&) const = default;
};

// The icon square is this many view pixels per unit of zoom.
inline constexpr int kIconSquareUnit = 48;

// Half the whole number of times the square fits into the shorter side of the view, at least
// 1 so that a small view still has a square to crop from.
double PhotoStartZoom(int viewWidth, int viewHeight);
// One step in (while below 9) or out (by 1 above 1, by a tenth down to 0.3); other zooms stay.
double PhotoZoomIn(double zoom);
double PhotoZoomOut(double zoom);
// The icon square of 48 x zoom view pixels, its top-left corner rounded, centred in the view.
TViewRect IconSquare(int viewWidth, int viewHeight, double zoom);

enum class TPhotoFit { Width, Height, ActualSize };
// The picture's frame fitted to the square: as wide as the square and centred vertically, as
// high and centred horizontally, or at the picture's own size at the square's corner. A
// picture without area gives the square itself.
TViewRect FitPhotoFrame(TPhotoFit fit, int pictureWidth, int pictureHeight, const TViewRect& square);
// A side of the frame in thousandths of the picture's side, rounded; 0 for no picture.
int PhotoFrameRatio(double side, int pictureSide);

// The picture being made into an icon: its colours at the decoded resolution (composed over
// white where it is transparent) and halved copies of them down to about 256 pixels, so that
// cropping and showing a large photograph read no more pixels than they need. Placement works
// with the picture's own size, which a reduced-scale decoding keeps.
class TPhotoPicture {
public:
    void Assign(const TPicture& picture, int ownWidth, int ownHeight);
    void Clear();
    bool Empty() const { return levels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The smallest copy at least `width` pixels wide, else the largest one. Empty() must be false.
    const Raster& Level(double width) const;
    int LevelCount() const { return int(levels_.size()); }

private:
    std::vector<Raster> levels_;
    int width_ = 0;
    int height_ = 0;
};

// The icon square's share of the picture: a 256 x 256 source on white and the rectangle the
// picture occupies in it.
struct TPhotoCrop {
    Raster Source;
    TRect Rect;
};

// Fills the crop with the part of the picture shown in `frame` that lies inside `square`,
// stretched into the source at its place (areas averaged when shrinking, bicubic otherwise).
// A frame or square without area, or a frame that misses the square, leaves the source white
// and the rectangle empty.
void CropPhoto(const TPhotoPicture& picture, const TViewRect& frame, const TViewRect& square, TPhotoCrop& crop);

} // namespace ormel

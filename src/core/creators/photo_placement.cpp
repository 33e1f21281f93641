#include "creators/photo_placement.h"

#include "creators/cartoon_render.h"
#include "raster/resample.h"

#include <algorithm>
#include <cmath>

namespace ormel {

namespace {

constexpr double kMaxZoom = 9;
constexpr double kMinZoom = 0.3;
constexpr int kSource = TCartoonRenderer::kSourceSize;

// Halved copies stop once a side would fall below this: the crop never needs fewer pixels.
constexpr int kSmallestLevelSide = 256;

int Floor(double v) { return static_cast<int>(std::floor(v)); }
int Ceil(double v) { return static_cast<int>(std::ceil(v)); }
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

} // namespace

double PhotoStartZoom(int viewWidth, int viewHeight)
{
    return std::max(1, std::min(viewWidth, viewHeight) / kIconSquareUnit / 2);
}

double PhotoZoomIn(double zoom) { return zoom < kMaxZoom ? zoom + 1 : zoom; }

double PhotoZoomOut(double zoom)
{
    if (zoom <= kMinZoom)
        return zoom;
    if (zoom > 1)
        return zoom - 1;
    // Kept to whole tenths, so repeated steps land on 0.3 exactly.
    return std::max(kMinZoom, std::round((zoom - 0.1) * 10) / 10);
}

TViewRect IconSquare(int viewWidth, int viewHeight, double zoom)
{
    const double side = kIconSquareUnit * zoom;
    const double left = RoundEven((viewWidth - side) / 2);
    const double top = RoundEven((viewHeight - side) / 2);
    return {left, top, left + side, top + side};
}

TViewRect FitPhotoFrame(TPhotoFit fit, int pictureWidth, int pictureHeight, const TViewRect& square)
{
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return square;
    switch (fit) {
    case TPhotoFit::Width: {
        const double height = square.Width() * pictureHeight / pictureWidth;
        const double top = square.Top + (square.Height() - height) / 2;
        return {square.Left, top, square.Right, top + height};
    }
    case TPhotoFit::Height: {
        const double width = square.Height() * pictureWidth / pictureHeight;
        const double left = square.Left + (square.Width() - width) / 2;
        return {left, square.Top, left + width, square.Bottom};
    }
    case TPhotoFit::ActualSize: break;
    }
    return {square.Left, square.Top, square.Left + pictureWidth, square.Top + pictureHeight};
}

int PhotoFrameRatio(double side, int pictureSide)
{
    return pictureSide > 0 ? static_cast<int>(std::lround(side * 1000.0 / pictureSide)) : 0;
}

void TPhotoPicture::Assign(const TPicture& picture, int ownWidth, int ownHeight)
{
    Clear();
    if (picture.width() <= 0 || picture.height() <= 0)
        return;
    width_ = ownWidth > 0 ? ownWidth : picture.width();
    height_ = ownHeight > 0 ? ownHeight : picture.height();
    levels_.push_back(picture.hasAlpha() ? ComposePicture(picture, MakeColor(255, 255, 255)) : picture.Colour);
    while (levels_.back().width() >= 2 * kSmallestLevelSide && levels_.back().height() >= 2 * kSmallestLevelSide) {
        const Raster& last = levels_.back();
        Raster half;
        half.resizeForOverwrite(last.width() / 2, last.height() / 2);
        ShrinkAreaAverage(last, half, TRect{0, 0, last.width(), last.height()}, TRect{0, 0, half.width(), half.height()});
        levels_.push_back(std::move(half));
    }
}

void TPhotoPicture::Clear()
{
    levels_.clear();
    width_ = height_ = 0;
}

const Raster& TPhotoPicture::Level(double width) const
{
    for (auto level = levels_.rbegin(); level != levels_.rend(); ++level)
        if (level->width() >= width)
            return *level;
    return levels_.front();
}

void CropPhoto(const TPhotoPicture& picture, const TViewRect& frame, const TViewRect& square, TPhotoCrop& crop)
{
    crop.Source.resize(kSource, kSource);
    crop.Rect = TRect{};
    if (picture.Empty() || frame.Width() <= 0 || frame.Height() <= 0 || square.Width() <= 0 || square.Height() <= 0)
        return;
    const TViewRect shared{std::max(frame.Left, square.Left), std::max(frame.Top, square.Top),
                           std::min(frame.Right, square.Right), std::min(frame.Bottom, square.Bottom)};
    if (shared.Width() <= 0 || shared.Height() <= 0)
        return;

    // Into the square: 256 source pixels per square side.
    const double toSourceX = kSource / square.Width();
    const double toSourceY = kSource / square.Height();
    const TRect dest{RoundEven((shared.Left - square.Left) * toSourceX), RoundEven((shared.Top - square.Top) * toSourceY),
                     RoundEven((shared.Right - square.Left) * toSourceX),
                     RoundEven((shared.Bottom - square.Top) * toSourceY)};
    if (dest.IsEmpty())
        return;

    // Back into the picture, read from the smallest copy with a pixel per source pixel.
    const Raster& level = picture.Level(frame.Width() * toSourceX);
    const double toPictureX = level.width() / frame.Width();
    const double toPictureY = level.height() / frame.Height();
    TRect from{Floor((shared.Left - frame.Left) * toPictureX + 1e-9), Floor((shared.Top - frame.Top) * toPictureY + 1e-9),
               Ceil((shared.Right - frame.Left) * toPictureX - 1e-9), Ceil((shared.Bottom - frame.Top) * toPictureY - 1e-9)};
    ClipRectToBitmap(from, level);
    if (from.IsEmpty())
        return;
    StretchBitmapRect(level, crop.Source, from, dest);
    crop.Rect = dest;
}

} // namespace ormel

#include "pictures/picture.h"

#include <algorithm>
#include <climits>

namespace ormel {

std::string PictureTooLargeMessage(std::int64_t width, std::int64_t height)
{
    return "The picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
           " pixels); pictures of at most 100 megapixels can be opened.";
}

bool CheckPictureSize(std::int64_t width, std::int64_t height, std::int64_t maxPixels, TPictureResult& result)
{
    if (width <= 0 || height <= 0) {
        result.Outcome = TPictureOutcome::Damaged;
        result.Message = kPictureDamaged;
        return false;
    }
    // Both sides are below 2^31 before they are multiplied, so the product fits in 64 bits.
    if (width > INT_MAX || height > INT_MAX || width * height > maxPixels) {
        result.Outcome = TPictureOutcome::TooLarge;
        result.Message = PictureTooLargeMessage(width, height);
        return false;
    }
    return true;
}

bool PictureProgress::report(std::int64_t done, std::int64_t total)
{
    if (!callback_ || cancelled_ || total <= 0)
        return !cancelled_;
    const int percent = static_cast<int>(std::clamp<std::int64_t>(done * 100 / total, 0, 100));
    if (percent != last_) {
        last_ = percent;
        cancelled_ = !callback_(percent);
    }
    return !cancelled_;
}

void PictureProgress::refuse(TPictureResult& result) const
{
    result.Picture = {};
    result.Outcome = TPictureOutcome::Cancelled;
    result.Message = kPictureCancelled;
}

void AllocatePicture(TPicture& picture, int width, int height, bool withAlpha)
{
    picture.Colour.resizeForOverwrite(width, height);
    if (withAlpha)
        picture.Alpha.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 255);
    else
        picture.Alpha.clear();
}

void DropOpaqueAlpha(TPicture& picture)
{
    if (std::all_of(picture.Alpha.begin(), picture.Alpha.end(), [](std::uint8_t a) { return a == 255; }))
        picture.Alpha = {};
}

void ApplyExifOrientation(TPicture& picture, int orientation)
{
    if (orientation < 2 || orientation > 8 || picture.Colour.empty())
        return;
    const int w = picture.width(), h = picture.height();
    const bool swaps = orientation >= 5;
    // Where source pixel (x, y) goes: (ax x + bx y + cx, ay x + by y + cy).
    int ax = 1, bx = 0, cx = 0, ay = 0, by = 1, cy = 0;
    switch (orientation) {
    case 2: ax = -1, cx = w - 1; break;
    case 3: ax = -1, cx = w - 1, by = -1, cy = h - 1; break;
    case 4: by = -1, cy = h - 1; break;
    case 5: ax = 0, bx = 1, ay = 1, by = 0; break;
    case 6: ax = 0, bx = -1, cx = h - 1, ay = 1, by = 0; break;
    case 7: ax = 0, bx = -1, cx = h - 1, ay = -1, by = 0, cy = w - 1; break;
    case 8: ax = 0, bx = 1, ay = -1, by = 0, cy = w - 1; break;
    }
    TPicture turned;
    AllocatePicture(turned, swaps ? h : w, swaps ? w : h, picture.hasAlpha());
    const std::size_t turnedWidth = static_cast<std::size_t>(turned.width());
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* src = picture.Colour.row(y);
        for (int x = 0; x < w; ++x, src += 3) {
            const int tx = ax * x + bx * y + cx, ty = ay * x + by * y + cy;
            std::copy_n(src, 3, turned.Colour.pixel(tx, ty));
            if (picture.hasAlpha())
                turned.Alpha[static_cast<std::size_t>(ty) * turnedWidth + static_cast<std::size_t>(tx)] =
                    picture.alpha(x, y);
        }
    }
    picture = std::move(turned);
}

Raster ComposePicture(const TPicture& picture, TColor background)
{
    Raster out = picture.Colour;
    if (!picture.hasAlpha())
        return out;
    const int back[3] = {int((background >> 16) & 0xFF), int((background >> 8) & 0xFF), int(background & 0xFF)};
    for (int y = 0; y < out.height(); ++y) {
        std::uint8_t* p = out.row(y);
        for (int x = 0; x < out.width(); ++x, p += 3) {
            const int a = picture.alpha(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>((a * p[c] + (255 - a) * back[c] + 127) / 255);
        }
    }
    return out;
}

} // namespace ormel

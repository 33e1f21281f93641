#include "effects/zoom.h"

#include "raster/paint.h"
#include "raster/resample.h"
#include "raster/rounding.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>
#include <string>

namespace ormel {

std::optional<int> ZoomPercentFromText(std::string_view text)
{
    std::string number;
    std::copy_if(text.begin(), text.end(), std::back_inserter(number), [](char c) { return c != '%'; });
    const char* first = number.data();
    const char* last = first + number.size();
    // A leading "-" makes a signed number too, but always one below the range.
    if (first != last && *first == '+')
        ++first;
    if (first == last || !std::all_of(first, last, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    // Too many digits for an int is out of range anyway.
    if (std::from_chars(first, last, value).ec != std::errc())
        return std::nullopt;
    if (value < kZoomMinPercent || value > kZoomMaxPercent)
        return std::nullopt;
    return value;
}

void ApplyZoom(const TEffectBackup& effectBackup, TIconImage& live, int percent)
{
    const TIconImage& backup = effectBackup.Backup();
    CopyIconImage(backup, live);
    if (backup.Bitmap.width() != backup.Width || backup.Bitmap.height() != backup.Height ||
        backup.Mask.width() != backup.Width || backup.Mask.height() != backup.Height)
        return;
    // Outside this range the scaled copy would be empty, reversed or needlessly large.
    percent = std::clamp(percent, kZoomMinPercent, kZoomMaxPercent);
    const int width = backup.Width;
    const int height = backup.Height;
    // A side that rounds to nothing keeps one pixel, so there is always something to copy.
    const int newWidth = std::max(1, Round(double(width) * percent / 100));
    const int newHeight = std::max(1, Round(double(height) * percent / 100));
    const TRect whole{0, 0, width, height};

    // Bicubic or area-average resampling would blend palette indices into unrelated ones.
    Raster scaled;
    scaled.resizeForOverwrite(newWidth, newHeight);
    if (IsIndexedDepth(backup.ColorDepth))
        StretchNearest(backup.Bitmap, scaled, whole, TRect{0, 0, newWidth, newHeight});
    else
        StretchBitmap(backup.Bitmap, scaled, width, height, newWidth, newHeight);

    if (percent >= 100) {
        // Enlarged: the middle width x height of the scaled content fills the image.
        const int offX = (newWidth - width) / 2;
        const int offY = (newHeight - height) / 2;
        for (int y = 0; y < height; ++y)
            std::memcpy(live.Bitmap.row(y), scaled.pixel(offX, offY + y), static_cast<std::size_t>(width) * 3);
        StretchNearest(backup.Mask, live.Mask, whole, TRect{-offX, -offY, newWidth - offX, newHeight - offY});
        return;
    }
    // Reduced: centred inside a white, transparent border.
    FillBitmap(live.Bitmap, 0xFFFFFF);
    FillBitmap(live.Mask, 0xFFFFFF);
    const int left = (width - newWidth) / 2;
    const int top = (height - newHeight) / 2;
    for (int y = 0; y < newHeight; ++y)
        std::memcpy(live.Bitmap.pixel(left, top + y), scaled.row(y), static_cast<std::size_t>(newWidth) * 3);
    StretchNearest(backup.Mask, live.Mask, whole, TRect{left, top, left + newWidth, top + newHeight});
}

} // namespace ormel

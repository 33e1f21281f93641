#include "effects/sharpen.h"

#include "raster/rounding.h"

namespace ormel {

void SharpenBitmap(const Raster& source, Raster& dest, TRect rect, double amount)
{
    ClipRectToBitmap(rect, source);
    ClipRectToBitmap(rect, dest);
    if (rect.IsEmpty())
        return;
    // Bottom to top, so that source and dest may be one bitmap: a row is written after the
    // row below has read it.
    const int bytes = 3 * (rect.Width() - 1);
    for (int y = rect.Bottom - 1; y > rect.Top; --y) {
        const std::uint8_t* above = source.pixel(rect.Left, y - 1);
        const std::uint8_t* cur = source.pixel(rect.Left, y);
        std::uint8_t* out = dest.pixel(rect.Left, y);
        for (int i = 0; i < bytes; ++i)
            out[i] = static_cast<std::uint8_t>(ClampTrunc(cur[i] + (cur[i] - above[i]) * amount, 0, 255));
    }
}

} // namespace ormel

#include "creators/mixer_opacity_bar.h"

#include "raster/rounding.h"

#include <cstdint>

namespace ormel {

void DrawOpacityBar(Raster& bar)
{
    const int width = bar.width();
    for (int x = 0; x < width; ++x) {
        const int fade = Trunc(256.0 / width * (width - 1 - x));
        for (int y = 0; y < bar.height(); ++y) {
            const int shade = ((y % 8) < 4) == ((x % 8) > 3) ? 255 : 220;
            std::uint8_t* p = bar.pixel(x, y);
            p[0] = p[1] = p[2] = static_cast<std::uint8_t>((shade * fade) >> 8);
        }
    }
}

int OpacityFromBarX(int x, int barWidth)
{
    if (barWidth <= 0)
        return 0;
    return ClampTrunc(256.0 / barWidth * x, 0, 255);
}

int BarXFromOpacity(int opacity, int barWidth) { return barWidth * opacity / 256; }

} // namespace ormel

#include "raster/colour_space.h"

#include <algorithm>

namespace ormel {

void RGBToHSV(int r, int g, int b, int& h, int& s, int& v)
{
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    const int d = mx - mn;
    v = mx;
    s = d != 0 ? d * 255 / mx : 0;
    if (s == 0) {
        h = 0;
        return;
    }
    // Each channel's share is divided on its own, so small shares can vanish.
    const int tr = 60 * r / d;
    const int tg = 60 * g / d;
    const int tb = 60 * b / d;
    if (mx == r)
        h = tg - tb;
    else if (mx == g)
        h = 120 + tb - tr;
    else
        h = 240 + tr - tg;
    if (h < 0)
        h += 360;
}

void HSVToRGB(int h, int s, int v, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b)
{
    const auto byte = [](int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); };
    if (s == 0) {
        r = g = b = byte(v);
        return;
    }
    const int f = 6 * h % 360;
    const int sector = 6 * h / 360;
    const int p = (255 - s) * v / 255;
    const int q = v * (255 - s * f / 360) / 255;
    const int t = v * (255 - (360 - f) * s / 360) / 255;
    int red = v, green = p, blue = q; // the last sector, also taken by hues of 360 and above
    switch (sector) {
    case 0: red = v; green = t; blue = p; break;
    case 1: red = q; green = v; blue = p; break;
    case 2: red = p; green = v; blue = t; break;
    case 3: red = p; green = q; blue = v; break;
    case 4: red = t; green = p; blue = v; break;
    default: break;
    }
    r = byte(red);
    g = byte(green);
    b = byte(blue);
}

void CopyBitmapFormat(const Raster& source, Raster& dest)
{
    if (dest.width() != source.width() || dest.height() != source.height())
        dest.resize(source.width(), source.height());
}

} // namespace ormel

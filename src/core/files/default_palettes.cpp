#include "files/default_palettes.h"

namespace ormel {

namespace {

constexpr TPaletteEntry E(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {r, g, b, 0}; }

std::array<TPaletteEntry, 256> MakeHalftone()
{
    std::array<TPaletteEntry, 256> p{};
    const TPaletteEntry low[10] = {E(0, 0, 0),       E(128, 0, 0),     E(0, 128, 0),     E(128, 128, 0),
                                   E(0, 0, 128),     E(128, 0, 128),   E(0, 128, 128),   E(192, 192, 192),
                                   E(192, 220, 192), E(166, 202, 240)};
    const TPaletteEntry high[10] = {E(255, 251, 240), E(160, 160, 164), E(128, 128, 128), E(255, 0, 0),
                                    E(0, 255, 0),     E(255, 255, 0),   E(0, 0, 255),     E(255, 0, 255),
                                    E(0, 255, 255),   E(255, 255, 255)};
    int n = 0;
    for (const auto& e : low)
        p[n++] = e;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p[n++] = E(std::uint8_t(r * 51), std::uint8_t(g * 51), std::uint8_t(b * 51));
    // Twenty greys between the cube's steps of 51.
    for (int i = 0; i < 20; ++i) {
        const int step = i / 4;             // which gap between cube greys
        const int within = i % 4 + 1;       // 1..4 inside the gap
        const auto v = std::uint8_t(step * 51 + within * 51 / 5);
        p[n++] = E(v, v, v);
    }
    for (const auto& e : high)
        p[n++] = e;
    return p;
}

} // namespace

const std::array<TPaletteEntry, 2>& MonochromePalette()
{
    static const std::array<TPaletteEntry, 2> p{E(0, 0, 0), E(255, 255, 255)};
    return p;
}

const std::array<TPaletteEntry, 16>& VgaPalette()
{
    static const std::array<TPaletteEntry, 16> p{
        E(0, 0, 0),       E(128, 0, 0),   E(0, 128, 0),   E(128, 128, 0), E(0, 0, 128),   E(128, 0, 128),
        E(0, 128, 128),   E(192, 192, 192), E(128, 128, 128), E(255, 0, 0), E(0, 255, 0),   E(255, 255, 0),
        E(0, 0, 255),     E(255, 0, 255), E(0, 255, 255), E(255, 255, 255)};
    return p;
}

const std::array<TPaletteEntry, 256>& HalftonePalette()
{
    static const std::array<TPaletteEntry, 256> p = MakeHalftone();
    return p;
}

} // namespace ormel

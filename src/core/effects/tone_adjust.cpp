#include "effects/tone_adjust.h"

#include "effects/saturation_factors.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cstdlib>

namespace ormel {

namespace {

using Table = std::array<std::uint8_t, 256>;

std::uint8_t ClampByte(long long value) { return static_cast<std::uint8_t>(std::clamp<long long>(value, 0, 255)); }

// The rectangle clipped to both rasters.
TRect CommonArea(const Raster& source, const Raster& dest, TRect rect)
{
    ClipRectToBitmap(rect, source);
    ClipRectToBitmap(rect, dest);
    return rect;
}

// Each byte of the area goes through the table of its channel (blue, green, red).
void MapChannels(const Raster& source, Raster& dest, TRect rect, const Table& blue, const Table& green,
                 const Table& red)
{
    rect = CommonArea(source, dest, rect);
    if (rect.IsEmpty())
        return;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        const std::uint8_t* in = source.pixel(rect.Left, y);
        std::uint8_t* out = dest.pixel(rect.Left, y);
        for (int x = rect.Left; x < rect.Right; ++x, in += 3, out += 3) {
            out[0] = blue[in[0]];
            out[1] = green[in[1]];
            out[2] = red[in[2]];
        }
    }
}

Table OffsetTable(int offset)
{
    Table table{};
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = ClampByte(static_cast<long long>(i) + offset);
    return table;
}

} // namespace

void ChannelOffset(const Raster& source, Raster& dest, TRect rect, int dRed, int dGreen, int dBlue)
{
    MapChannels(source, dest, rect, OffsetTable(dBlue), OffsetTable(dGreen), OffsetTable(dRed));
}

std::array<std::uint8_t, 256> ContrastTable(int amount, int pivot)
{
    // 64-bit: the products cannot overflow for any amount.
    const long long a = amount;
    const long long k = a >= 0 ? (a + 16) * a / 17 : a;
    Table table{};
    for (int i = 0; i < 256; ++i) {
        const long long shift = std::llabs(static_cast<long long>(pivot) + 1 - i) * k / 256;
        table[static_cast<std::size_t>(i)] = ClampByte(i < pivot ? i - shift : i + shift);
    }
    return table;
}

void ContrastCurve(const Raster& source, Raster& dest, TRect rect, int amount, int pivot)
{
    const Table table = ContrastTable(amount, pivot);
    MapChannels(source, dest, rect, table, table, table);
}

int SaturationFactor(int saturation)
{
    saturation = std::clamp(saturation, -127, 127);
    return saturation < 0 ? (saturation + 127) * 2 : kSaturationFactors[static_cast<std::size_t>(saturation)];
}

TSaturationTables MakeSaturationTables(int saturation)
{
    const int factor = SaturationFactor(saturation);
    TSaturationTables tables;
    for (int i = 0; i < 256; ++i)
        tables.Scaled[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>((i * factor) >> 8);
    for (int j = 0; j < 768; ++j)
        tables.Rest[static_cast<std::size_t>(j)] = j / 3 - tables.Scaled[static_cast<std::size_t>(j / 3)];
    return tables;
}

void SaturationAdjust(const Raster& source, Raster& dest, TRect rect, int saturation)
{
    rect = CommonArea(source, dest, rect);
    if (rect.IsEmpty())
        return;
    const TSaturationTables t = MakeSaturationTables(saturation);
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        const std::uint8_t* in = source.pixel(rect.Left, y);
        std::uint8_t* out = dest.pixel(rect.Left, y);
        for (int x = rect.Left; x < rect.Right; ++x, in += 3, out += 3) {
            const int rest = t.Rest[static_cast<std::size_t>(in[0] + in[1] + in[2])];
            for (int c = 0; c < 3; ++c)
                out[c] = static_cast<std::uint8_t>(ClampInt(t.Scaled[in[c]] + rest, 0, 255));
        }
    }
}

void PaletteOffset(const TLogPalette& sourcePalette, TLogPalette& destPalette, int dRed, int dGreen, int dBlue)
{
    destPalette = sourcePalette;
    const int count = std::min<int>(destPalette.palNumEntries, 256);
    for (int i = 0; i < count; ++i) {
        TPaletteEntry& e = destPalette.palPalEntry[static_cast<std::size_t>(i)];
        e.peRed = ClampByte(static_cast<long long>(e.peRed) + dRed);
        e.peGreen = ClampByte(static_cast<long long>(e.peGreen) + dGreen);
        e.peBlue = ClampByte(static_cast<long long>(e.peBlue) + dBlue);
    }
}

void InvertColors(Raster& colourRaster, TRect rect, TLogPalette* palette)
{
    if (palette && palette->palNumEntries > 0) {
        const int count = std::min<int>(palette->palNumEntries, 256);
        for (int i = 0; i < count; ++i) {
            TPaletteEntry& e = palette->palPalEntry[static_cast<std::size_t>(i)];
            e.peRed = static_cast<std::uint8_t>(255 - e.peRed);
            e.peGreen = static_cast<std::uint8_t>(255 - e.peGreen);
            e.peBlue = static_cast<std::uint8_t>(255 - e.peBlue);
        }
        return;
    }
    ClipRectToBitmap(rect, colourRaster);
    if (rect.IsEmpty())
        return;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::uint8_t* p = colourRaster.pixel(rect.Left, y);
        for (int i = 0; i < 3 * rect.Width(); ++i)
            p[i] = static_cast<std::uint8_t>(255 - p[i]);
    }
}

} // namespace ormel

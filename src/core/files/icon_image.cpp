#include "files/icon_image.h"

#include "files/default_palettes.h"

#include <algorithm>

namespace ormel {

int DepthToBits(int depthCode)
{
    switch (depthCode) {
    case Depth1: return 1;
    case Depth4: return 4;
    case Depth8: return 8;
    case Depth24: return 24;
    default: return 32;
    }
}

int BitsToDepth(int bits)
{
    switch (bits) {
    case 1: return Depth1;
    case 4: return Depth4;
    case 8: return Depth8;
    case 24: return Depth24;
    default: return Depth32;
    }
}

bool IsIndexedDepth(int depthCode) { return depthCode >= Depth1 && depthCode <= Depth8; }

int PaletteSizeForDepth(int depthCode)
{
    switch (depthCode) {
    case Depth1: return 2;
    case Depth4: return 16;
    case Depth8: return 256;
    default: return 0;
    }
}

TColor PaletteColor(int index, const TLogPalette& palette)
{
    const int n = palette.palNumEntries;
    if (n != 2 && n != 16 && n != 256)
        return static_cast<TColor>(index);
    const TPaletteEntry& e = palette.palPalEntry[static_cast<std::size_t>(index & (n - 1))];
    return MakeColor(e.peRed, e.peGreen, e.peBlue);
}

int NewIconImage(TIconImage& record, int width, int height, int imageId, int depthCode)
{
    record.Width = width;
    record.Height = height;
    record.ColorDepth = depthCode;
    record.ImageId = imageId;
    record.Palette.palVersion = 0x0300;
    record.Palette.palNumEntries = static_cast<std::uint16_t>(PaletteSizeForDepth(depthCode));
    switch (depthCode) {
    case Depth1: std::copy(MonochromePalette().begin(), MonochromePalette().end(), record.Palette.palPalEntry.begin()); break;
    case Depth4: std::copy(VgaPalette().begin(), VgaPalette().end(), record.Palette.palPalEntry.begin()); break;
    case Depth8: record.Palette.palPalEntry = HalftonePalette(); break;
    default: break;
    }
    record.Bitmap.resize(width, height);
    record.Mask.resize(width, height);
    return 0;
}

void CopyIconImage(const TIconImage& source, TIconImage& target)
{
    if (&source == &target)
        return;
    target.Width = source.Width;
    target.Height = source.Height;
    target.ColorDepth = source.ColorDepth;
    target.Palette = source.Palette;
    target.ImageId = source.ImageId;
    target.Bitmap = source.Bitmap;
    target.Mask = source.Mask;
}

} // namespace ormel

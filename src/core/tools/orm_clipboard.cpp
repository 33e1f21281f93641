#include "tools/orm_clipboard.h"

#include "files/bmp_file.h"

#include <algorithm>

namespace ormel {

namespace {

std::uint8_t Blend(int colour, int mask, int background)
{
    return static_cast<std::uint8_t>(((255 - mask) * colour + mask * background) / 256);
}

} // namespace

void ExtractSelection(const TIconImage& image, const Raster& region, TColor background, TRect rect,
                      Raster& composite, Raster& maskPicture, Raster& colourPicture)
{
    ClipRectToBitmap(rect, image.Bitmap);
    ClipRectToBitmap(rect, image.Mask);
    composite.resize(rect.Width(), rect.Height());
    maskPicture.resize(rect.Width(), rect.Height());
    colourPicture.resize(rect.Width(), rect.Height());
    const bool indexed = IsIndexedDepth(image.ColorDepth);
    const int back[3] = {int(background >> 16) & 255, int(background >> 8) & 255, int(background) & 255};

    for (int y = rect.Top; y < rect.Bottom && y < region.height(); ++y)
        for (int x = rect.Left; x < rect.Right && x < region.width(); ++x) {
            if (region.pixel(x, y)[0] <= 254)
                continue;
            const std::uint8_t* p = image.Bitmap.pixel(x, y);
            const TColor c = indexed ? PaletteColor(p[2], image.Palette) : MakeColor(p[2], p[1], p[0]);
            const std::uint8_t bgr[3] = {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)};
            const std::uint8_t m = image.Mask.pixel(x, y)[0];
            const int i = x - rect.Left, j = y - rect.Top;
            std::uint8_t* colourOut = colourPicture.pixel(i, j);
            std::uint8_t* maskOut = maskPicture.pixel(i, j);
            std::uint8_t* compositeOut = composite.pixel(i, j);
            for (int k = 0; k < 3; ++k) {
                colourOut[k] = bgr[k];
                maskOut[k] = m;
                compositeOut[k] = Blend(bgr[k], m, back[k]);
            }
        }
}

std::vector<std::uint8_t> EncodeOrmelBlock(const Raster& colourPicture, const Raster& maskPicture)
{
    ByteWriter out;
    WriteBmp24(out, colourPicture);
    WriteBmp24(out, maskPicture);
    return std::move(out.bytes());
}

bool DecodeOrmelBlock(std::span<const std::uint8_t> block, Raster& colourPicture, Raster& maskPicture)
{
    const std::size_t half = block.size() / 2;
    ByteReader colourBytes(block.first(half));
    ByteReader maskBytes(block.subspan(half));
    Raster colour, mask;
    if (!ReadBmp24(colourBytes, colour) || !ReadBmp24(maskBytes, mask))
        return false;
    if (colour.width() != mask.width() || colour.height() != mask.height())
        return false;
    colourPicture = std::move(colour);
    maskPicture = std::move(mask);
    return true;
}

bool TOrmClipboard::CopyToClipboard(const TIconImage& image, const Raster& region, TRect rect, TColor background)
{
    ClipRectToBitmap(rect, image.Bitmap);
    ClipRectToBitmap(rect, image.Mask);
    if (rect.IsEmpty())
        return false;
    Raster composite, maskPicture, colourPicture;
    ExtractSelection(image, region, background, rect, composite, maskPicture, colourPicture);
    return clipboard_.Put(EncodeOrmelBlock(colourPicture, maskPicture), composite);
}

bool TOrmClipboard::ReadClipboard(Raster& colourPicture, Raster& maskPicture, TRect& rect) const
{
    rect = TRect{};
    std::vector<std::uint8_t> block;
    if (!(clipboard_.GetOrmelBlock(block) && DecodeOrmelBlock(block, colourPicture, maskPicture))) {
        Raster bitmap;
        std::vector<std::uint8_t> alpha;
        if (!clipboard_.GetBitmap(bitmap, alpha) || bitmap.empty())
            return false;
        colourPicture = std::move(bitmap);
        maskPicture.resize(colourPicture.width(), colourPicture.height());
        maskPicture.fill(0, 0, 0);
        const std::size_t count = std::size_t(colourPicture.width()) * std::size_t(colourPicture.height());
        if (alpha.size() == count)
            for (int y = 0; y < maskPicture.height(); ++y)
                for (int x = 0; x < maskPicture.width(); ++x) {
                    const auto m = std::uint8_t(255 - alpha[std::size_t(y) * std::size_t(maskPicture.width()) + std::size_t(x)]);
                    std::uint8_t* p = maskPicture.pixel(x, y);
                    p[0] = p[1] = p[2] = m;
                }
    }
    rect = TRect{0, 0, colourPicture.width(), colourPicture.height()};
    return true;
}

} // namespace ormel

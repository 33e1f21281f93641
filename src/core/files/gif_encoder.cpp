#include "files/picture_codecs.h"

#include "files/icon_image.h"
#include "raster/quantize.h"

#include <gif_lib.h>

namespace ormel {

namespace {

int WriteToVector(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

} // namespace

bool EncodeGif(const Raster& picture, std::vector<std::uint8_t>& out)
{
    if (picture.empty())
        return false;
    TLogPalette palette;
    Raster indices;
    QuantizeToPalette(picture, indices, palette, 256, 0, 2);

    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    if (map == nullptr)
        return false;
    for (int i = 0; i < 256; ++i) {
        const TPaletteEntry& e = palette.palPalEntry[static_cast<std::size_t>(i)];
        map->Colors[i] = GifColorType{e.peRed, e.peGreen, e.peBlue};
    }

    std::vector<std::uint8_t> encoded;
    int error = 0;
    GifFileType* gif = EGifOpen(&encoded, WriteToVector, &error);
    bool ok = gif != nullptr;
    ok = ok && EGifPutScreenDesc(gif, picture.width(), picture.height(), 8, 0, map) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, picture.width(), picture.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<std::size_t>(picture.width()));
    for (int y = 0; ok && y < picture.height(); ++y) {
        const std::uint8_t* p = indices.row(y);
        for (int x = 0; x < picture.width(); ++x)
            line[static_cast<std::size_t>(x)] = p[3 * x + 2];
        ok = EGifPutLine(gif, line.data(), picture.width()) == GIF_OK;
    }
    if (gif != nullptr && EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    GifFreeMapObject(map);
    if (ok)
        out = std::move(encoded);
    return ok;
}

} // namespace ormel

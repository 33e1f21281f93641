#include "pictures/picture_reader.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace ormel {

namespace {

struct GifInput {
    std::span<const std::uint8_t> bytes;
    std::size_t pos = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int count)
{
    auto* in = static_cast<GifInput*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(count < 0 ? 0 : static_cast<std::size_t>(count), in->bytes.size() - in->pos);
    std::memcpy(out, in->bytes.data() + in->pos, n);
    in->pos += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// Skips records up to the first image, keeping the transparent index of a graphic control
// block met on the way. False when the data ends or breaks first.
bool FindFirstImage(GifFileType* gif, int& transparent)
{
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return false;
        if (type == IMAGE_DESC_RECORD_TYPE)
            return DGifGetImageDesc(gif) != GIF_ERROR;
        if (type != EXTENSION_RECORD_TYPE)
            return false;
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
            return false;
        if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
            GraphicsControlBlock control{};
            if (DGifExtensionToGCB(block[0], block + 1, &control) != GIF_ERROR)
                transparent = control.TransparentColor;
        }
        while (block != nullptr)
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                return false;
    }
}

// The rows of an interlaced image in the order they are stored.
int StoredRow(int index, int height, bool interlaced)
{
    if (!interlaced)
        return index;
    const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        const int rows = starts[pass] < height ? (height - starts[pass] + steps[pass] - 1) / steps[pass] : 0;
        if (index < rows)
            return starts[pass] + index * steps[pass];
        index -= rows;
    }
    return -1;
}

bool Damaged(TPictureResult& result)
{
    result.Picture = {};
    result.Outcome = TPictureOutcome::Damaged;
    result.Message = kPictureDamaged;
    return false;
}

// The first frame on its logical screen; the screen outside the frame is transparent.
bool DecodeFirstFrame(GifFileType* gif, const TPictureReadOptions& options, TPictureResult& result)
{
    int transparent = NO_TRANSPARENT_COLOR;
    if (!FindFirstImage(gif, transparent))
        return Damaged(result);
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (map == nullptr || map->Colors == nullptr || frame.Width <= 0 || frame.Height <= 0 || frame.Left < 0 ||
        frame.Top < 0)
        return Damaged(result);
    const std::int64_t width = std::max<std::int64_t>(gif->SWidth, std::int64_t(frame.Left) + frame.Width);
    const std::int64_t height = std::max<std::int64_t>(gif->SHeight, std::int64_t(frame.Top) + frame.Height);
    if (!CheckPictureSize(width, height, options.MaxPixels, result))
        return false;
    TPicture& picture = result.Picture;
    AllocatePicture(picture, static_cast<int>(width), static_cast<int>(height), true);
    picture.Colour.fill(0, 0, 0);
    std::fill(picture.Alpha.begin(), picture.Alpha.end(), std::uint8_t(0));
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    PictureProgress progress(options);
    for (int i = 0; i < frame.Height; ++i) {
        if (!progress.report(i, frame.Height)) {
            progress.refuse(result);
            return false;
        }
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
            return Damaged(result);
        const int y = frame.Top + StoredRow(i, frame.Height, frame.Interlace);
        std::uint8_t* bgr = picture.Colour.pixel(frame.Left, y);
        std::uint8_t* alpha = picture.Alpha.data() + std::size_t(y) * std::size_t(width) + std::size_t(frame.Left);
        for (int x = 0; x < frame.Width; ++x, bgr += 3) {
            const int index = line[static_cast<std::size_t>(x)];
            if (index == transparent)
                continue;
            if (index < map->ColorCount)
                bgr[0] = map->Colors[index].Blue, bgr[1] = map->Colors[index].Green, bgr[2] = map->Colors[index].Red;
            alpha[x] = 255;
        }
    }
    DropOpaqueAlpha(picture);
    result.FullWidth = picture.width();
    result.FullHeight = picture.height();
    result.Outcome = TPictureOutcome::Loaded;
    return true;
}

} // namespace

TPictureResult ReadGifPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options)
{
    TPictureResult result;
    result.Format = TPictureFormat::Gif;
    GifInput input{bytes};
    int error = 0;
    const std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&input, ReadFromMemory, &error));
    if (gif == nullptr)
        Damaged(result);
    else
        DecodeFirstFrame(gif.get(), options, result);
    return result;
}

} // namespace ormel

#include "pictures/picture_reader.h"

#include "files/file_access.h"
#include "files/image_pixels.h"
#include "files/png_stream.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace ormel {

namespace {

std::uint32_t LoadBE32(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

// Splits decoded BGRA rows into the picture's colours and alpha.
class PictureSink : public PngRowSink {
public:
    PictureSink(TPicture& picture, PictureProgress& progress) : picture_(picture), progress_(progress) {}
    bool outOfMemory = false;

    void begin(const PngInfo& info) override
    {
        info_ = info;
        try {
            AllocatePicture(picture_, info.width, info.height, info.hasAlpha);
            bgra_.resize(static_cast<std::size_t>(info.width) * 4);
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
    }
    void row(int y, const std::uint8_t* decoded) override
    {
        if (outOfMemory || !progress_.report(y, info_.height))
            return;
        PngRowToBgra(info_.layout, decoded, info_.width, bgra_.data());
        std::uint8_t* bgr = picture_.Colour.row(y);
        std::uint8_t* alpha = picture_.hasAlpha() ? picture_.Alpha.data() + std::size_t(y) * std::size_t(info_.width) : nullptr;
        for (int x = 0; x < info_.width; ++x) {
            std::copy_n(&bgra_[4 * std::size_t(x)], 3, bgr + 3 * x);
            if (alpha != nullptr)
                alpha[x] = bgra_[4 * std::size_t(x) + 3];
        }
    }

private:
    TPicture& picture_;
    PictureProgress& progress_;
    PngInfo info_;
    std::vector<std::uint8_t> bgra_;
};

} // namespace

TPictureResult ReadPngPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options)
{
    TPictureResult result;
    result.Format = TPictureFormat::Png;
    // The size sits in the header chunk, right after the signature, length and type.
    if (!HasPngSignature(bytes) || bytes.size() < 24 || std::memcmp(bytes.data() + 12, "IHDR", 4) != 0) {
        result.Outcome = TPictureOutcome::Damaged;
        result.Message = kPictureDamaged;
        return result;
    }
    const std::uint32_t width = LoadBE32(bytes.data() + 16), height = LoadBE32(bytes.data() + 20);
    if (!CheckPictureSize(width, height, options.MaxPixels, result))
        return result;
    PictureProgress progress(options);
    PictureSink sink(result.Picture, progress);
    const bool decoded = DecodePng(bytes, static_cast<int>(std::max(width, height)), sink);
    if (progress.cancelled()) {
        progress.refuse(result);
        return result;
    }
    if (!decoded || sink.outOfMemory ||
        result.Picture.width() != static_cast<int>(width) || result.Picture.height() != static_cast<int>(height)) {
        result.Picture = {};
        result.Outcome = sink.outOfMemory ? TPictureOutcome::TooLarge : TPictureOutcome::Damaged;
        result.Message = sink.outOfMemory ? "There is not enough memory to open the picture." : kPictureDamaged;
        return result;
    }
    DropOpaqueAlpha(result.Picture);
    result.FullWidth = result.Picture.width();
    result.FullHeight = result.Picture.height();
    result.Outcome = TPictureOutcome::Loaded;
    return result;
}

TPictureResult ReadIcoPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options)
{
    TPictureResult result;
    result.Format = TPictureFormat::Ico;
    TIconFileAccess access;
    TIconDocument document;
    // Entries that cannot be read are passed over; the largest readable one is taken.
    access.ReadIconData(bytes, document);
    const auto larger = [](const TIconImage& a, const TIconImage& b) {
        const std::int64_t areaA = std::int64_t(a.Width) * a.Height, areaB = std::int64_t(b.Width) * b.Height;
        return areaA != areaB ? areaA < areaB : a.ColorDepth < b.ColorDepth;
    };
    const auto best = std::max_element(document.Images.begin(), document.Images.end(), larger);
    if (best == document.Images.end() || !HasConsistentRasters(*best)) {
        result.Outcome = TPictureOutcome::Damaged;
        result.Message = access.ErrorText.empty() ? kPictureDamaged : access.ErrorText;
        return result;
    }
    if (!CheckPictureSize(best->Width, best->Height, options.MaxPixels, result))
        return result;
    AllocatePicture(result.Picture, best->Width, best->Height, true);
    for (int y = 0; y < best->Height; ++y) {
        std::uint8_t* out = result.Picture.Colour.row(y);
        for (int x = 0; x < best->Width; ++x, out += 3) {
            PixelColour(*best, best->Bitmap.pixel(x, y), out[0], out[1], out[2]);
            result.Picture.Alpha[std::size_t(y) * std::size_t(best->Width) + std::size_t(x)] =
                static_cast<std::uint8_t>(255 - best->Mask.pixel(x, y)[0]);
        }
    }
    DropOpaqueAlpha(result.Picture);
    result.FullWidth = best->Width;
    result.FullHeight = best->Height;
    result.Outcome = TPictureOutcome::Loaded;
    return result;
}

} // namespace ormel

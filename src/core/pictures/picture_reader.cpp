#include "pictures/picture_reader.h"

#include "files/png_stream.h"

#include <cstring>
#include <fstream>
#include <new>

namespace ormel {

namespace {

// Larger files are refused unread: no picture of at most 100 megapixels needs more.
constexpr std::uintmax_t kMaxPictureFileBytes = std::uintmax_t(1) << 30;

bool StartsWith(std::span<const std::uint8_t> bytes, const char* text, std::size_t length)
{
    return bytes.size() >= length && std::memcmp(bytes.data(), text, length) == 0;
}

TPictureResult Refused(TPictureOutcome outcome, std::string message)
{
    TPictureResult result;
    result.Outcome = outcome;
    result.Message = std::move(message);
    return result;
}

} // namespace

TPictureFormat DetectPictureFormat(std::span<const std::uint8_t> bytes)
{
    if (StartsWith(bytes, "\xFF\xD8\xFF", 3))
        return TPictureFormat::Jpeg;
    if (HasPngSignature(bytes))
        return TPictureFormat::Png;
    if (StartsWith(bytes, "GIF87a", 6) || StartsWith(bytes, "GIF89a", 6))
        return TPictureFormat::Gif;
    if (StartsWith(bytes, "BM", 2) && bytes.size() >= 18)
        return TPictureFormat::Bmp;
    // An icon directory: reserved 0, type 1, at least one entry.
    if (StartsWith(bytes, "\0\0\1\0", 4) && bytes.size() >= 6 && (bytes[4] | bytes[5]) != 0)
        return TPictureFormat::Ico;
    return TPictureFormat::Unknown;
}

TPictureResult ReadPictureData(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options)
{
    try {
        switch (DetectPictureFormat(bytes)) {
        case TPictureFormat::Jpeg: return ReadJpegPicture(bytes, options);
        case TPictureFormat::Bmp: return ReadBmpPicture(bytes, options);
        case TPictureFormat::Png: return ReadPngPicture(bytes, options);
        case TPictureFormat::Gif: return ReadGifPicture(bytes, options);
        case TPictureFormat::Ico: return ReadIcoPicture(bytes, options);
        case TPictureFormat::Unknown: break;
        }
        return Refused(TPictureOutcome::Unrecognised, kPictureFormatNotAvailable);
    } catch (const std::bad_alloc&) {
        return Refused(TPictureOutcome::TooLarge, "There is not enough memory to open the picture.");
    }
}

TPictureResult ReadPicture(const std::filesystem::path& path, const TPictureReadOptions& options)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec)
        return Refused(TPictureOutcome::NotFound, kPictureNotFound);
    if (size > kMaxPictureFileBytes)
        return Refused(TPictureOutcome::TooLarge, "The picture file is too large to open.");
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return Refused(TPictureOutcome::TooLarge, "There is not enough memory to open the picture.");
    }
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return Refused(TPictureOutcome::NotFound, kPictureNotFound);
    return ReadPictureData(bytes, options);
}

} // namespace ormel

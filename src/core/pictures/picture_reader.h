#pragma once

#include "pictures/picture.h"

#include <filesystem>
#include <span>

namespace ormel {

// The format the bytes begin like, whatever the file is called.
TPictureFormat DetectPictureFormat(std::span<const std::uint8_t> bytes);

// Reads a JPEG, BMP, PNG, GIF (its first frame) or ICO (its largest image) file, recognised by
// its content. Never throws; every refusal comes back with its outcome and message.
TPictureResult ReadPicture(const std::filesystem::path& path, const TPictureReadOptions& options = {});
// The same from bytes in memory.
TPictureResult ReadPictureData(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options = {});

// One format each; bytes of another format are refused as damaged.
TPictureResult ReadJpegPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options);
TPictureResult ReadBmpPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options);
TPictureResult ReadPngPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options);
TPictureResult ReadGifPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options);
TPictureResult ReadIcoPicture(std::span<const std::uint8_t> bytes, const TPictureReadOptions& options);

// The EXIF orientation (1 to 8) of an APP1 marker's payload, or 0 when it holds none.
int ExifOrientation(std::span<const std::uint8_t> app1);

} // namespace ormel

#pragma once

#include "files/file_access.h"
#include "files/icon_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace ormel::test {

// The path of a file in tests/data. A missing file fails the calling test with its path, so the
// test's own checks then fail on an empty read rather than on a confusing difference.
inline std::string FixturePath(const std::string& name)
{
    const std::string path = std::string(ORMEL_FIXTURES_DIR) + "/" + name;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        ADD_FAILURE() << "missing test data file " << path;
    return path;
}

// A fresh directory under the system's temp directory, removed with the object.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ormel-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// An image with a different colour and transparency at every pixel. Indexed images get
// indices that use the whole palette; transparency is 0 or 255 below 32 bits.
inline TIconImage PatternImage(int width, int height, int depth)
{
    TIconImage image;
    NewIconImage(image, width, height, -1, depth);
    const int entries = PaletteSizeForDepth(depth);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            std::uint8_t* m = image.Mask.pixel(x, y);
            if (entries > 0) {
                p[0] = p[1] = 0;
                p[2] = static_cast<std::uint8_t>((x + 3 * y) % entries);
            } else {
                p[0] = static_cast<std::uint8_t>(x * 7 + y);
                p[1] = static_cast<std::uint8_t>(y * 5 + 1);
                p[2] = static_cast<std::uint8_t>(x ^ y);
            }
            const std::uint8_t t = depth == Depth32 ? static_cast<std::uint8_t>((x * 13 + y * 3) & 255)
                                                    : ((x + y) % 5 == 0 ? 255 : 0);
            m[0] = m[1] = m[2] = t;
        }
    for (int i = 0; i < entries; ++i)
        image.Palette.palPalEntry[static_cast<std::size_t>(i)] =
            TPaletteEntry{static_cast<std::uint8_t>(i * 3), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 7), 0};
    return image;
}

// A white, fully transparent image.
inline TIconImage BlankImage(int width, int height, int depth)
{
    TIconImage image;
    NewIconImage(image, width, height, -1, depth);
    return image;
}

// An opaque image of one colour (for indexed depths, the index in the red byte).
inline TIconImage SolidImage(int width, int height, int depth, std::uint32_t colour)
{
    TIconImage image = BlankImage(width, height, depth);
    image.Bitmap.fill(static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                      static_cast<std::uint8_t>(colour));
    image.Mask.fill(0, 0, 0);
    return image;
}

inline std::uint32_t ColourAt(const TIconImage& image, int x, int y)
{
    const std::uint8_t* p = image.Bitmap.pixel(x, y);
    if (IsIndexedDepth(image.ColorDepth))
        return PaletteColor(p[2], image.Palette);
    return MakeColor(p[2], p[1], p[0]);
}

using Levels = std::vector<std::vector<int>>;

// The grey level of every pixel, or -1 where its channels differ.
inline Levels GreyLevels(const Raster& bitmap)
{
    Levels levels(static_cast<std::size_t>(bitmap.height()), std::vector<int>(static_cast<std::size_t>(bitmap.width())));
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint8_t* p = bitmap.pixel(x, y);
            levels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = p[0] == p[1] && p[1] == p[2] ? p[0] : -1;
        }
    return levels;
}

// A grey raster from its levels, row by row.
inline Raster GreyRaster(const Levels& levels)
{
    Raster bitmap(static_cast<int>(levels[0].size()), static_cast<int>(levels.size()));
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            std::fill_n(bitmap.pixel(x, y), 3, static_cast<std::uint8_t>(levels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
    return bitmap;
}

inline int TransparencyAt(const TIconImage& image, int x, int y) { return image.Mask.pixel(x, y)[0]; }

// Little-endian helpers for building hostile files by hand.
inline void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
inline void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = std::uint8_t(v >> (8 * i));
}

inline std::vector<std::uint8_t> Encode(const TIconImageArray& images)
{
    std::vector<std::uint8_t> bytes;
    TIconFileAccess access;
    if (access.EncodeIconFile(images, bytes) != 0)
        bytes.clear();
    return bytes;
}

} // namespace ormel::test

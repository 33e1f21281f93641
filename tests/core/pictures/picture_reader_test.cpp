#include "pictures/picture_reader.h"
#include "pictures/picture_samples.h"
#include "test_support.h"

#include "files/png_stream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

namespace ormel {
namespace {

using test::Bytes;
using Colour = std::array<std::uint8_t, 3>; // blue, green, red

void ExpectNear(const std::uint8_t* pixel, const Colour& expected, const std::string& where)
{
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(pixel[c], expected[static_cast<std::size_t>(c)], 3) << where << " channel " << c;
}

// Six blocks A B C / D E F; each orientation shows them as these rows of letters.
TEST(JpegPicture, AppliesEveryExifOrientationInBothByteOrders)
{
    const std::map<char, Colour> colour = {{'A', {0, 0, 255}},   {'B', {0, 255, 0}},     {'C', {255, 0, 0}},
                                           {'D', {0, 255, 255}}, {'E', {255, 255, 255}}, {'F', {0, 0, 0}}};
    const Bytes plain = test::MakeBlockJpeg(3, 2, {colour.at('A'), colour.at('B'), colour.at('C'), colour.at('D'),
                                                   colour.at('E'), colour.at('F')});
    const std::vector<std::vector<std::string>> shown = {
        {"ABC", "DEF"}, {"CBA", "FED"}, {"FED", "CBA"}, {"DEF", "ABC"},
        {"AD", "BE", "CF"}, {"DA", "EB", "FC"}, {"FC", "EB", "DA"}, {"CF", "BE", "AD"},
    };
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE("orientation " + std::to_string(orientation));
        const auto& rows = shown[static_cast<std::size_t>(orientation - 1)];
        const TPictureResult result = ReadPictureData(test::WithExifOrientation(plain, orientation, orientation % 2 == 0));
        ASSERT_TRUE(result.Loaded()) << result.Message;
        EXPECT_EQ(result.Format, TPictureFormat::Jpeg);
        ASSERT_EQ(result.Picture.width(), 16 * static_cast<int>(rows[0].size()));
        ASSERT_EQ(result.Picture.height(), 16 * static_cast<int>(rows.size()));
        EXPECT_EQ(result.FullWidth, result.Picture.width());
        EXPECT_EQ(result.FullHeight, result.Picture.height());
        EXPECT_FALSE(result.Picture.hasAlpha());
        for (std::size_t by = 0; by < rows.size(); ++by)
            for (std::size_t bx = 0; bx < rows[by].size(); ++bx)
                ExpectNear(result.Picture.Colour.pixel(16 * int(bx) + 8, 16 * int(by) + 8), colour.at(rows[by][bx]),
                           std::string(1, rows[by][bx]));
    }
}

TEST(JpegPicture, ReadsGreyAndCmykAndProgressiveFiles)
{
    struct Form {
        const char* name;
        int components;
        bool progressive;
        Bytes sample; // one pixel's samples, repeated over 16 x 16
        Colour expected;
    };
    const Form forms[] = {
        {"grey", 1, false, {100}, {100, 100, 100}},
        {"RGB, progressive", 3, true, {250, 120, 10}, {10, 120, 250}},
        // Adobe's CMYK is stored inverted: 255 - ink. Red is no cyan, full magenta and yellow.
        {"CMYK red", 4, false, {255, 0, 0, 255}, {0, 0, 255}},
    };
    for (const Form& f : forms) {
        SCOPED_TRACE(f.name);
        Bytes samples;
        for (int i = 0; i < 16 * 16; ++i)
            samples.insert(samples.end(), f.sample.begin(), f.sample.end());
        const TPictureResult result = ReadPictureData(test::MakeJpeg(16, 16, f.components, f.progressive, samples));
        ASSERT_TRUE(result.Loaded()) << result.Message;
        for (int y = 0; y < 16; y += 5)
            for (int x = 0; x < 16; x += 5)
                ExpectNear(result.Picture.Colour.pixel(x, y), f.expected, std::to_string(x) + "," + std::to_string(y));
    }
}

TEST(GifPicture, ReadsTheFirstFrameWithItsTransparentIndex)
{
    // A 4 x 3 frame at (1, 1) of a 5 x 4 screen; index 2 is transparent.
    test::GifParts parts{5, 4, 1, 1, 4, 3, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 8, 7}},
                       {0, 1, 2, 3, 3, 2, 1, 0, 2, 2, 0, 1}, 2, false};
    const std::uint32_t r = 0xFFFF0000, g = 0xFF00FF00, k = 0xFF090807, T = 0;
    const std::vector<std::uint32_t> expected = {T, T, T, T, T, T, r, g, T, k, T, k, T, g, r, T, T, T, r, g};
    for (bool interlaced : {false, true}) {
        SCOPED_TRACE(interlaced ? "interlaced" : "sequential");
        parts.interlaced = interlaced;
        const TPictureResult result = ReadPictureData(test::MakeGif(parts));
        ASSERT_TRUE(result.Loaded()) << result.Message;
        EXPECT_EQ(result.Format, TPictureFormat::Gif);
        ASSERT_EQ(result.Picture.width(), 5);
        ASSERT_EQ(result.Picture.height(), 4);
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) {
                const std::uint8_t* p = result.Picture.Colour.pixel(x, y);
                const std::uint32_t a = result.Picture.alpha(x, y);
                pixels.push_back(a == 0 ? 0 : (a << 24) | (std::uint32_t(p[2]) << 16) | (p[1] << 8) | p[0]);
            }
        EXPECT_EQ(pixels, expected);
    }
}

TEST(PictureReader, RecognisesFilesByContentNotName)
{
    test::TempDir dir;
    const std::uint8_t bgra[] = {1, 2, 3, 255};
    Bytes png;
    ASSERT_TRUE(EncodePngRgba(1, 1, bgra, png));
    const std::string misnamed = dir.file("photo.jpg");
    std::ofstream(misnamed, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    const TPictureResult loaded = ReadPicture(misnamed);
    EXPECT_TRUE(loaded.Loaded());
    EXPECT_EQ(loaded.Format, TPictureFormat::Png);

    const std::string text = dir.file("picture.bmp");
    std::ofstream(text) << "not a picture at all";
    const TPictureResult unknown = ReadPicture(text);
    EXPECT_EQ(unknown.Outcome, TPictureOutcome::Unrecognised);
    EXPECT_EQ(unknown.Message, "The file format is not available.");

    const TPictureResult missing = ReadPicture(dir.file("absent.png"));
    EXPECT_EQ(missing.Outcome, TPictureOutcome::NotFound);
    EXPECT_EQ(missing.Message, "File not found.");
}

} // namespace
} // namespace ormel

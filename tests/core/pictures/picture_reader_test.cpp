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

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

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

// A real photograph (720 x 477) at full size and at reduced scales, upright and turned.
TEST(JpegPicture, ScalesAPhotograph)
{
    const Bytes photo = ReadAll(test::FixturePath("photo-board.jpg"));
    struct Scale {
        int maxLongSide, orientation, width, height;
    };
    const Scale scales[] = {
        {0, 1, 720, 477}, {5000, 1, 720, 477}, {720, 1, 720, 477}, {256, 1, 270, 179},
        {100, 1, 180, 120}, {90, 1, 90, 60}, {1, 1, 90, 60}, {256, 6, 179, 270},
    };
    for (const Scale& s : scales) {
        SCOPED_TRACE("long side " + std::to_string(s.maxLongSide) + ", orientation " + std::to_string(s.orientation));
        TPictureReadOptions options;
        options.MaxLongSide = s.maxLongSide;
        const TPictureResult result = ReadPictureData(test::WithExifOrientation(photo, s.orientation, true), options);
        ASSERT_TRUE(result.Loaded());
        EXPECT_EQ(result.Picture.width(), s.width);
        EXPECT_EQ(result.Picture.height(), s.height);
        EXPECT_EQ(result.FullWidth, s.orientation == 6 ? 477 : 720);
        EXPECT_EQ(result.FullHeight, s.orientation == 6 ? 720 : 477);
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
        {"grey, progressive", 1, true, {200}, {200, 200, 200}},
        {"RGB, progressive", 3, true, {250, 120, 10}, {10, 120, 250}},
        // Adobe's CMYK is stored inverted: 255 - ink. Red is no cyan, full magenta and yellow.
        {"CMYK red", 4, false, {255, 0, 0, 255}, {0, 0, 255}},
        {"CMYK half grey", 4, true, {255, 255, 255, 128}, {128, 128, 128}},
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

TEST(JpegPicture, ReadsOnlyAWellFormedOrientationTag)
{
    const Bytes jpeg = test::WithExifOrientation(test::MakeBlockJpeg(1, 1, {{1, 2, 3}}), 6, true);
    // The APP1 payload starts after the marker and its length.
    const Bytes app1(jpeg.begin() + 6, jpeg.begin() + 6 + (jpeg[4] << 8 | jpeg[5]) - 2);
    EXPECT_EQ(ExifOrientation(app1), 6);
    struct Change {
        const char* name;
        std::size_t at;
        std::uint8_t value;
        int expected;
    };
    // Offsets in the payload: "Exif\0\0" (0), byte order (6), 42 (8), IFD offset (10), entry
    // count (14), Make (16), Orientation (28): its type at 30 and value at 36.
    const Change changes[] = {
        {"orientation 9", 37, 9, 0},        {"orientation 0", 37, 0, 0},      {"a long, not a short", 31, 4, 0},
        {"unknown byte order", 6, 'X', 0},  {"not 42", 9, 43, 0},             {"IFD past the end", 12, 0x7F, 0},
        {"not EXIF", 0, 'J', 0},            {"one entry: the make alone", 15, 1, 0},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.name);
        Bytes changed = app1;
        changed[c.at] = c.value;
        EXPECT_EQ(ExifOrientation(changed), c.expected);
    }
    EXPECT_EQ(ExifOrientation(Bytes(app1.begin(), app1.begin() + 37)), 0); // cut inside the value
}

TEST(PngPicture, KeepsAlphaAndDropsItWhenOpaque)
{
    const std::uint8_t bgra[] = {10, 20, 30, 255, 40, 50, 60, 128, 70, 80, 90, 0,
                                 1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 1};
    Bytes png;
    ASSERT_TRUE(EncodePngRgba(3, 2, bgra, png));
    const TPictureResult result = ReadPictureData(png);
    ASSERT_TRUE(result.Loaded());
    EXPECT_EQ(result.Format, TPictureFormat::Png);
    ASSERT_EQ(result.Picture.width(), 3);
    ASSERT_EQ(result.Picture.height(), 2);
    for (int i = 0; i < 6; ++i) {
        const int x = i % 3, y = i / 3;
        EXPECT_EQ(0, std::memcmp(result.Picture.Colour.pixel(x, y), bgra + 4 * i, 3)) << i;
        EXPECT_EQ(result.Picture.alpha(x, y), bgra[4 * i + 3]) << i;
    }

    std::uint8_t opaque[] = {1, 2, 3, 255};
    ASSERT_TRUE(EncodePngRgba(1, 1, opaque, png));
    EXPECT_FALSE(ReadPictureData(png).Picture.hasAlpha());
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

TEST(IcoPicture, TakesTheLargestImageThenTheDeepest)
{
    TIconDocument document;
    document.Images = {test::PatternImage(32, 32, Depth8), test::PatternImage(32, 32, Depth32),
                       test::PatternImage(16, 16, Depth32), test::PatternImage(24, 24, Depth24)};
    Bytes ico;
    ASSERT_EQ(TIconFileAccess().EncodeIconFile(document.Images, ico), 0);
    const TPictureResult result = ReadPictureData(ico);
    ASSERT_TRUE(result.Loaded()) << result.Message;
    EXPECT_EQ(result.Format, TPictureFormat::Ico);
    const TIconImage& source = document.Images[1];
    ASSERT_EQ(result.Picture.width(), 32);
    ASSERT_TRUE(result.Picture.hasAlpha());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(255 - result.Picture.alpha(x, y), source.Mask.pixel(x, y)[0]);
            if (result.Picture.alpha(x, y) != 0)
                ASSERT_EQ(0, std::memcmp(result.Picture.Colour.pixel(x, y), source.Bitmap.pixel(x, y), 3));
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

    // Windows metafiles are not read.
    const Bytes emf = {1, 0, 0, 0, 108, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                       0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ' ', 'E', 'M', 'F'};
    EXPECT_EQ(ReadPictureData(emf).Outcome, TPictureOutcome::Unrecognised);
    const Bytes wmf = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(ReadPictureData(wmf).Outcome, TPictureOutcome::Unrecognised);
}

} // namespace
} // namespace ormel

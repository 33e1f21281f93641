#include "pictures/picture_reader.h"
#include "pictures/picture_samples.h"
#include "test_support.h"

#include "files/png_stream.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ormel {
namespace {

using test::Bytes;

struct Sample {
    const char* name;
    Bytes bytes;
    // How many of the last bytes the format does not need: row padding, PNG's end chunk, the
    // GIF trailer.
    std::size_t optionalTail = 0;
};

// One small file of each format, each holding a single image.
std::vector<Sample> Samples()
{
    std::vector<Sample> samples;
    samples.push_back({"24-bit BMP", test::MakeBmp({40, 3, 2, 24, 0, {}, {}, Bytes(24, 7)}), 3});
    samples.push_back({"RLE8 BMP", test::MakeBmp({40, 4, 2, 8, 1, {}, {{1, 2, 3}, {4, 5, 6}}, {4, 1, 0, 0, 2, 0, 0, 1}})});
    samples.push_back({"RLE4 BMP", test::MakeBmp({40, 4, 1, 4, 2, {}, {{1, 2, 3}, {4, 5, 6}}, {4, 0x10, 0, 1}})});
    std::vector<std::uint8_t> bgra(8 * 8 * 4);
    for (std::size_t i = 0; i < bgra.size(); ++i)
        bgra[i] = static_cast<std::uint8_t>(i * 37);
    Bytes png;
    EncodePngRgba(8, 8, bgra.data(), png);
    samples.push_back({"PNG", png, 12});
    samples.push_back({"GIF", test::MakeGif({6, 6, 0, 0, 6, 6, {{0, 0, 0}, {255, 255, 255}}, Bytes(36, 1), 0, false}), 1});
    samples.push_back({"JPEG", test::WithExifOrientation(test::MakeBlockJpeg(2, 1, {{0, 0, 255}, {255, 0, 0}}), 6, false)});
    Bytes ico;
    TIconFileAccess().EncodeIconFile({test::PatternImage(16, 16, Depth32)}, ico);
    samples.push_back({"ICO", ico});
    return samples;
}

// Every cut of every sample is refused (but for the bytes the format does not need): a short
// file is never reported as read. Damaged bytes are the fuzz targets' share.
TEST(PictureLimits, RefusesTruncatedFiles)
{
    for (const Sample& sample : Samples()) {
        SCOPED_TRACE(sample.name);
        const TPictureResult whole = ReadPictureData(sample.bytes);
        ASSERT_TRUE(whole.Loaded()) << whole.Message;
        for (std::size_t length = 0; length + sample.optionalTail < sample.bytes.size(); ++length) {
            const TPictureResult cut = ReadPictureData(std::span(sample.bytes.data(), length));
            ASSERT_FALSE(cut.Loaded()) << "cut to " << length;
            ASSERT_FALSE(cut.Message.empty());
            ASSERT_TRUE(cut.Picture.Colour.empty());
        }
    }
}

void PutBE16(Bytes& bytes, std::size_t at, unsigned v)
{
    bytes[at] = std::uint8_t(v >> 8), bytes[at + 1] = std::uint8_t(v);
}
void PutBE32(Bytes& bytes, std::size_t at, std::uint32_t v)
{
    PutBE16(bytes, at, v >> 16), PutBE16(bytes, at + 2, v & 0xFFFF);
}

// Headers that declare more than 100 megapixels, or sizes whose product overflows, are refused
// before any pixel is decoded.
TEST(PictureLimits, RefusesPicturesAboveOneHundredMegapixels)
{
    std::vector<Sample> samples = Samples();
    const auto bytesOf = [&](const char* name) {
        return std::find_if(samples.begin(), samples.end(), [&](const Sample& s) { return std::string(s.name) == name; })->bytes;
    };
    Bytes png = bytesOf("PNG");
    PutBE32(png, 16, 10001), PutBE32(png, 20, 10000);
    Bytes hugePng = bytesOf("PNG");
    PutBE32(hugePng, 16, 0x7FFFFFFF), PutBE32(hugePng, 20, 0x7FFFFFFF);
    Bytes gif = bytesOf("GIF");
    gif[6] = gif[7] = gif[8] = gif[9] = 0xFF; // a 65535 x 65535 screen
    Bytes jpeg = test::MakeBlockJpeg(1, 1, {{1, 2, 3}});
    const std::uint8_t startOfFrame[] = {0xFF, 0xC0};
    const std::size_t sof = std::size_t(std::search(jpeg.begin(), jpeg.end(), std::begin(startOfFrame), std::end(startOfFrame)) - jpeg.begin());
    ASSERT_LT(sof, jpeg.size());
    PutBE16(jpeg, sof + 5, 10001), PutBE16(jpeg, sof + 7, 10000);
    const Bytes bmp = test::MakeBmp({40, 10001, -10000, 32, 0, {}, {}, Bytes(4, 0)});

    for (const Sample& s : {Sample{"PNG", png}, Sample{"PNG of 2^31 - 1 squared", hugePng}, Sample{"GIF", gif},
                            Sample{"JPEG", jpeg}, Sample{"BMP", bmp}}) {
        SCOPED_TRACE(s.name);
        const TPictureResult result = ReadPictureData(s.bytes);
        EXPECT_EQ(result.Outcome, TPictureOutcome::TooLarge);
        EXPECT_NE(result.Message.find("at most 100 megapixels"), std::string::npos) << result.Message;
    }

    // The bound itself: 100,000,000 pixels pass, one more row does not.
    TPictureResult result;
    EXPECT_TRUE(CheckPictureSize(10000, 10000, kMaxPicturePixels, result));
    EXPECT_FALSE(CheckPictureSize(10000, 10001, kMaxPicturePixels, result));
    EXPECT_EQ(result.Message, "The picture is too large (10000 x 10001 pixels); pictures of at most 100 megapixels can be opened.");
    EXPECT_FALSE(CheckPictureSize(std::int64_t(1) << 31, 1, kMaxPicturePixels, result));
    EXPECT_EQ(result.Outcome, TPictureOutcome::TooLarge);
}

// Reading reports a rising percentage and stops, with nothing kept, when the callback says so.
TEST(PictureLimits, ReportsProgressAndCanBeCancelled)
{
    const std::vector<Sample> samples = {
        {"BMP", test::MakeBmp({40, 8, 64, 24, 0, {}, {}, Bytes(24 * 64, 9)})},
        {"GIF", test::MakeGif({8, 64, 0, 0, 8, 64, {{0, 0, 0}, {255, 255, 255}}, Bytes(8 * 64, 1), -1, true})},
        {"progressive JPEG", test::MakeJpeg(16, 64, 3, true, Bytes(16 * 64 * 3, 99))},
    };
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.name);
        std::vector<int> seen;
        TPictureReadOptions options;
        options.Progress = [&](int percent) {
            seen.push_back(percent);
            return true;
        };
        ASSERT_TRUE(ReadPictureData(sample.bytes, options).Loaded());
        ASSERT_GE(seen.size(), 3u);
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
        EXPECT_GE(seen.front(), 0);
        EXPECT_LE(seen.back(), 100);

        for (int stopAt : {0, 50}) {
            options.Progress = [stopAt](int percent) { return percent < stopAt; };
            const TPictureResult result = ReadPictureData(sample.bytes, options);
            EXPECT_EQ(result.Outcome, TPictureOutcome::Cancelled) << "stop at " << stopAt;
            EXPECT_EQ(result.Message, "Opening the picture was cancelled.");
            EXPECT_TRUE(result.Picture.Colour.empty());
        }
    }
}

} // namespace
} // namespace ormel

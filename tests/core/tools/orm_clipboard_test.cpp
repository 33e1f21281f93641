#include "tools/orm_clipboard.h"
#include "tools/selection.h"
#include "files/bmp_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

struct FakeClipboard : TSystemClipboard {
    std::vector<std::uint8_t> block;
    Raster bitmap;
    bool Put(const std::vector<std::uint8_t>& ormelBlock, const Raster& composite) override
    {
        block = ormelBlock;
        bitmap = composite;
        return true;
    }
    bool GetOrmelBlock(std::vector<std::uint8_t>& out) const override { return out = block, !block.empty(); }
    std::vector<std::uint8_t> alpha;
    bool GetBitmap(Raster& out, std::vector<std::uint8_t>& a) const override { return out = bitmap, a = alpha, !bitmap.empty(); }
};

// A triangle selection of a 12 x 10 image, its bounds (1, 1)-(9, 7).
TRect TriangleRegion(Raster& region)
{
    const std::vector<TPoint> points{{1, 1}, {9, 1}, {1, 7}, {1, 1}};
    return BuildSelectionRegion(points, 1, 12, 10, region);
}

TEST(OrmClipboard, CopiedSelectionPastesWithItsTransparencyAndOtherBitmapsAsOpaque)
{
    FakeClipboard system;
    TOrmClipboard clipboard(system);
    const TIconImage image = test::PatternImage(12, 10, Depth32);
    Raster region, composite, mask, colour;
    const TRect bounds = TriangleRegion(region);
    ExtractSelection(image, region, MakeColor(255, 255, 255), bounds, composite, mask, colour);
    ASSERT_TRUE(clipboard.CopyToClipboard(image, region, TRect{9, 7, 1, 1}, MakeColor(255, 255, 255)));
    EXPECT_EQ(system.bitmap, composite);

    Raster pastedColour, pastedMask;
    TRect rect;
    ASSERT_TRUE(clipboard.ReadClipboard(pastedColour, pastedMask, rect));
    EXPECT_EQ(pastedColour, colour);
    EXPECT_EQ(pastedMask, mask);
    EXPECT_EQ(rect, (TRect{0, 0, 8, 6}));

    // An unreadable block gives way to the bitmap, which pastes fully opaque.
    system.block.pop_back();
    ASSERT_TRUE(clipboard.ReadClipboard(pastedColour, pastedMask, rect));
    EXPECT_EQ(pastedColour, composite);
    EXPECT_EQ(pastedMask.pixel(3, 0)[0], 0);
    // Another program's picture with alpha keeps it; alpha of the wrong size is ignored.
    system.alpha.assign(8 * 6, 255);
    system.alpha[3] = 64;
    ASSERT_TRUE(clipboard.ReadClipboard(pastedColour, pastedMask, rect));
    EXPECT_EQ(pastedMask.pixel(3, 0)[0], 191);
    EXPECT_EQ(pastedMask.pixel(4, 0)[2], 0);
    system.alpha.pop_back();
    ASSERT_TRUE(clipboard.ReadClipboard(pastedColour, pastedMask, rect));
    EXPECT_EQ(pastedMask.pixel(3, 0)[0], 0);
}

TEST(OrmClipboard, DecoderRefusesTruncatedLyingAndMismatchedBlocks)
{
    const TIconImage image = test::PatternImage(5, 3, Depth24);
    const std::vector<std::uint8_t> good = EncodeOrmelBlock(image.Bitmap, image.Mask);
    Raster colour, mask;
    ASSERT_TRUE(DecodeOrmelBlock(good, colour, mask));
    EXPECT_EQ(colour, image.Bitmap);

    EXPECT_FALSE(DecodeOrmelBlock(std::span(good).first(good.size() - 2), colour, mask));
    EXPECT_FALSE(DecodeOrmelBlock({}, colour, mask));
    std::vector<std::uint8_t> lying = good;
    test::Put32(lying, 22, 4); // the colour picture claims four rows
    EXPECT_FALSE(DecodeOrmelBlock(lying, colour, mask));
    lying = good;
    test::Put32(lying, 2, 0x7fffffff); // and a file size beyond the block
    EXPECT_FALSE(DecodeOrmelBlock(lying, colour, mask));

    ByteWriter mismatched;
    WriteBmp24(mismatched, Raster(2, 3));
    WriteBmp24(mismatched, Raster(3, 2));
    EXPECT_FALSE(DecodeOrmelBlock(mismatched.bytes(), colour, mask));
    EXPECT_EQ(colour, image.Bitmap); // a refusal leaves the pictures alone
}

} // namespace
} // namespace ormel

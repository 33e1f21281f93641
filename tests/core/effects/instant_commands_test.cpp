#include "effects/instant_commands.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace ormel {
namespace {

// The colour and mask bytes of pixel (x, y) as one number.
std::uint64_t PixelKey(const TIconImage& image, int x, int y)
{
    const std::uint8_t* c = image.Bitmap.pixel(x, y);
    return std::uint64_t(c[0]) | std::uint64_t(c[1]) << 8 | std::uint64_t(c[2]) << 16 |
           std::uint64_t(image.Mask.pixel(x, y)[0]) << 24;
}

TEST(InstantCommands, FlipsAndTurnsMoveEveryPixelExactly)
{
    using C = TInstantCommand;
    struct Case {
        C command;
        int (*sourceX)(int x, int y, int w, int h);
        int (*sourceY)(int x, int y, int w, int h);
    };
    const Case cases[] = {
        {C::FlipHorizontal, [](int x, int, int w, int) { return w - 1 - x; }, [](int, int y, int, int) { return y; }},
        {C::FlipVertical, [](int x, int, int, int) { return x; }, [](int, int y, int, int h) { return h - 1 - y; }},
        {C::Rotate180, [](int x, int, int w, int) { return w - 1 - x; }, [](int, int y, int, int h) { return h - 1 - y; }},
        // The turned image is h x w: its pixel (x, y) comes from the source's (y, h - 1 - x) clockwise.
        {C::Rotate90CW, [](int x, int y, int, int) { return y; }, [](int x, int, int, int h) { return h - 1 - x; }},
        {C::Rotate90CCW, [](int, int y, int w, int) { return w - 1 - y; }, [](int x, int, int, int) { return x; }},
    };
    for (const int depth : {Depth4, Depth32})
        for (const Case& c : cases) {
            const TIconImage source = test::PatternImage(7, 5, depth);
            TIconImage image;
            CopyIconImage(source, image);
            ApplyInstantCommand(image, c.command);
            const bool turned = c.command == C::Rotate90CW || c.command == C::Rotate90CCW;
            ASSERT_EQ(image.Width, turned ? 5 : 7);
            ASSERT_EQ(image.Height, turned ? 7 : 5);
            EXPECT_EQ(image.Palette, source.Palette);
            for (int y = 0; y < image.Height; ++y)
                for (int x = 0; x < image.Width; ++x)
                    ASSERT_EQ(PixelKey(image, x, y),
                              PixelKey(source, c.sourceX(x, y, 7, 5), c.sourceY(x, y, 7, 5)))
                        << int(c.command) << " depth " << depth << " at " << x << "," << y;
        }
}

} // namespace
} // namespace ormel

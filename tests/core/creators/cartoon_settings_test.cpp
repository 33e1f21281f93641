#include "creators/cartoon_render.h"
#include "creators/cartoon_settings.h"
#include "test_support.h"

#include <gtest/gtest.h>


namespace ormel {
namespace {

TEST(CartoonSettingsTest, FieldsComeFromTheirOffsets)
{
    // Every 32-bit field holds its own offset + 1000; the flags and band limits their offsets.
    const int offsets[] = {4, 8, 12, 16, 20, 24, 28, 32, 36, 41, 45, 49, 53, 57, 61, 65, 69, 73, 77, 81, 87, 91, 95, 100, 104, 108, 112};
    std::vector<std::uint8_t> block(133, 0xEE);
    for (const int at : offsets)
        test::Put32(block, static_cast<std::size_t>(at), static_cast<std::uint32_t>(at + 1000));
    for (const std::size_t at : {40, 85, 99, 116, 117, 118, 119})
        block[at] = static_cast<std::uint8_t>(at);
    block[86] = 0;

    CartoonSettings s;
    ASSERT_TRUE(ParseCartoonSettings(block, s));
    const std::int32_t fields[] = {s.SourceX, s.SourceY, s.Width, s.Height, s.LineMode, s.Detail, s.Darkness,
                                   s.LineSmooth, s.LineStrength, s.Threshold, s.DarkStrength, s.SmoothMethod,
                                   s.SmoothRadius, s.BorderBlur, s.Brightness, s.Contrast, s.Saturation, s.Red,
                                   s.Green, s.Blue, s.CombineMode, s.BlendPercent, s.LineCap, s.Reducer,
                                   s.ReduceMethod, s.ReduceOption, s.ReduceParameter};
    for (std::size_t i = 0; i < std::size(offsets); ++i)
        EXPECT_EQ(fields[i], offsets[i] + 1000) << "offset " << offsets[i];
    EXPECT_EQ(s.Source, nullptr);
    EXPECT_TRUE(s.RemainDark && s.LinesOn);
    EXPECT_FALSE(s.ColourOn);
    EXPECT_EQ(s.ReservedFlag, 99);
    EXPECT_EQ(s.BandLimits, (std::array<std::uint8_t, 4>{116, 117, 118, 119}));

    block.pop_back();
    s.Detail = 7;
    EXPECT_FALSE(ParseCartoonSettings(block, s));
    EXPECT_EQ(s.Detail, 7);
}

TEST(CartoonSettingsTest, StoredControlsRoundTripThroughTheFile)
{
    using C = CartoonControls;
    const std::pair<int C::*, int> values[] = {
        {&C::Detail, 1024},    {&C::Darkness, 1},     {&C::SketchSmooth, 100}, {&C::Threshold, 254},
        {&C::DarkStrength, 255}, {&C::Brightness, -255}, {&C::Contrast, 255}, {&C::Saturation, -127},
        {&C::Reducer, 254},    {&C::BorderBlur, 0},   {&C::Red, -1},           {&C::Green, 200}, {&C::Blue, -200}};
    CartoonControls c;
    for (const auto& [field, value] : values)
        c.*field = value;
    c.RemainDark = true;
    CartoonSettings written = ShippedCartoonSettings();
    StoreControls(c, written);

    test::TempDir dir;
    std::string error;
    ASSERT_EQ(SaveCartoonSettings(dir.file(""), written, error), 0) << error;
    CartoonSettings read;
    ASSERT_EQ(LoadCartoonSettings(dir.file(""), read, error), 0) << error;
    EXPECT_EQ(SerializeCartoonSettings(read), SerializeCartoonSettings(written));
    const CartoonControls back = ControlsFromSettings(read);
    for (const auto& [field, value] : values)
        EXPECT_EQ(back.*field, value) << "set to " << value;
    EXPECT_TRUE(back.RemainDark);
    // The file-only fields are kept as they were.
    EXPECT_EQ(read.LineMode, 2);
    EXPECT_EQ(read.LineCap, 255);
    EXPECT_EQ(read.BandLimits, (std::array<std::uint8_t, 4>{0x33, 0x66, 0x99, 0xCC}));

    EXPECT_EQ(SaveCartoonSettings(dir.file("missing/deeper"), written, error), -1);
    EXPECT_EQ(error, "The configuration file cartoon3.set could not be saved.");
}

} // namespace
} // namespace ormel

#include "creators/cartoon_settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>

namespace ormel {
namespace {

const char kRefusal[] = "The configuration file cartoon3.set cann't be opened.";

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

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

TEST(CartoonSettingsTest, MissingOrShortFileIsRefusedWithTheMessage)
{
    test::TempDir dir;
    CartoonSettings s;
    std::string error;
    EXPECT_EQ(LoadCartoonSettings(dir.file(""), s, error), -1);
    EXPECT_EQ(error, kRefusal);

    WriteFile(dir.file("cartoon3.set"), std::vector<std::uint8_t>(132, 1));
    error.clear();
    EXPECT_EQ(LoadCartoonSettings(dir.file(""), s, error), -1);
    EXPECT_EQ(error, kRefusal);
    EXPECT_EQ(s.Detail, 0);

    // A longer file is read for its first 133 bytes.
    std::vector<std::uint8_t> longer(200, 0);
    test::Put32(longer, 24, 300);
    WriteFile(dir.file("cartoon3.set"), longer);
    EXPECT_EQ(LoadCartoonSettings(dir.file(""), s, error), 0);
    EXPECT_EQ(s.Detail, 300);
}

TEST(CartoonSettingsTest, ShippedFileAndControlRanges)
{
    const std::string data = ORMEL_DATA_DIR;
    CartoonSettings s;
    std::string error;
    ASSERT_EQ(LoadCartoonSettings(data, s, error), 0) << error;
    EXPECT_EQ(s.LineMode, 2); // dark lines on white
    EXPECT_EQ(s.LineCap, 255);
    const CartoonControls shipped = ControlsFromSettings(s);
    EXPECT_EQ(shipped.Detail, 115);
    EXPECT_TRUE(shipped.DrawSketch);
    EXPECT_FALSE(shipped.DrawColor);

    s.Darkness = 0;
    s.Saturation = -300;
    const CartoonControls held = ControlsFromSettings(s);
    EXPECT_EQ(held.Darkness, 1);
    EXPECT_EQ(held.Saturation, -127);
}

} // namespace
} // namespace ormel

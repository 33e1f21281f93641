#include "creators/cartoon_render.h"
#include "creators/cartoon_settings.h"
#include "files/atomic_file.h"
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

TEST(CartoonSettingsTest, ShippedBlockIsTheShippedFileByteForByte)
{
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(ReadWholeFile(std::string(ORMEL_DATA_DIR) + "/cartoon3.set", file));
    const auto block = SerializeCartoonSettings(ShippedCartoonSettings());
    EXPECT_EQ(file, std::vector<std::uint8_t>(block.begin(), block.end()));
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

TEST(CartoonSettingsTest, FormatListLabels)
{
    const struct {
        int width, height, depth;
        const char* label;
    } cases[] = {{32, 32, Depth32, "32 x 32 : 32"}, {16, 16, Depth4, "16 x 16 : 4 "}, {48, 48, Depth1, "48 x 48 : 1 "},
                 {256, 256, Depth8, "256 x 256 : 8 "}, {24, 24, Depth24, "24 x 24 : 24"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatListLabel(c.width, c.height, c.depth), c.label);
}

} // namespace
} // namespace ormel

#include "creators/cartoon_settings.h"

#include "files/atomic_file.h"
#include "files/byte_stream.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace ormel {

namespace {

const char kSettingsFileName[] = "cartoon3.set";
const char kCannotOpen[] = "The configuration file cartoon3.set cann't be opened.";
const char kCannotSave[] = "The configuration file cartoon3.set could not be saved.";

// Reads at fixed offsets; the caller has checked that the whole block is present.
class BlockReader {
public:
    explicit BlockReader(std::span<const std::uint8_t> bytes) : reader_(bytes) {}

    std::int32_t i32(std::size_t offset)
    {
        std::int32_t value = 0;
        reader_.seek(offset);
        reader_.readI32(value);
        return value;
    }
    std::uint8_t u8(std::size_t offset)
    {
        std::uint8_t value = 0;
        reader_.seek(offset);
        reader_.readU8(value);
        return value;
    }

private:
    ByteReader reader_;
};

} // namespace

bool ParseCartoonSettings(std::span<const std::uint8_t> bytes, CartoonSettings& settings)
{
    if (bytes.size() < CartoonSettings::kFileSize)
        return false;
    BlockReader in(bytes.first(CartoonSettings::kFileSize));
    CartoonSettings s;
    s.Source = settings.Source;
    s.SourceX = in.i32(4);
    s.SourceY = in.i32(8);
    s.Width = in.i32(12);
    s.Height = in.i32(16);
    s.LineMode = in.i32(20);
    s.Detail = in.i32(24);
    s.Darkness = in.i32(28);
    s.LineSmooth = in.i32(32);
    s.LineStrength = in.i32(36);
    s.RemainDark = in.u8(40) != 0;
    s.Threshold = in.i32(41);
    s.DarkStrength = in.i32(45);
    s.SmoothMethod = in.i32(49);
    s.SmoothRadius = in.i32(53);
    s.BorderBlur = in.i32(57);
    s.Brightness = in.i32(61);
    s.Contrast = in.i32(65);
    s.Saturation = in.i32(69);
    s.Red = in.i32(73);
    s.Green = in.i32(77);
    s.Blue = in.i32(81);
    s.LinesOn = in.u8(85) != 0;
    s.ColourOn = in.u8(86) != 0;
    s.CombineMode = in.i32(87);
    s.BlendPercent = in.i32(91);
    s.LineCap = in.i32(95);
    s.ReservedFlag = in.u8(99);
    s.Reducer = in.i32(100);
    s.ReduceMethod = in.i32(104);
    s.ReduceOption = in.i32(108);
    s.ReduceParameter = in.i32(112);
    for (std::size_t i = 0; i < s.BandLimits.size(); ++i)
        s.BandLimits[i] = in.u8(116 + i);
    settings = s;
    return true;
}

int LoadCartoonSettings(const std::string& dataDir, CartoonSettings& settings, std::string& errorText)
{
    // Only the block is read: a longer file is read like a shorter stream would be.
    std::vector<std::uint8_t> bytes(CartoonSettings::kFileSize);
    std::ifstream file(dataDir + "/" + kSettingsFileName, std::ios::binary);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (!ParseCartoonSettings(bytes, settings)) {
        errorText = kCannotOpen;
        return -1;
    }
    return 0;
}

CartoonSettings ShippedCartoonSettings()
{
    CartoonSettings s;
    s.Width = s.Height = 256;
    s.LineMode = 2;
    s.Detail = 115;
    s.Darkness = 68;
    s.LineSmooth = 5;
    s.LineStrength = 3;
    s.Threshold = 48;
    s.DarkStrength = 128;
    s.BorderBlur = 25;
    s.Brightness = 16;
    s.Contrast = 16;
    s.Saturation = 24;
    s.LinesOn = true;
    s.CombineMode = 1;
    s.BlendPercent = 50;
    s.LineCap = 255;
    s.Reducer = 24;
    s.ReduceOption = 1;
    s.BandLimits = {0x33, 0x66, 0x99, 0xCC};
    return s;
}

std::array<std::uint8_t, CartoonSettings::kFileSize> SerializeCartoonSettings(const CartoonSettings& s)
{
    ByteWriter out;
    out.writeZeros(CartoonSettings::kFileSize);
    const auto i32 = [&out](std::size_t offset, std::int32_t value) {
        out.seek(offset);
        out.writeI32(value);
    };
    const auto u8 = [&out](std::size_t offset, std::uint8_t value) {
        out.seek(offset);
        out.writeU8(value);
    };
    i32(4, s.SourceX);
    i32(8, s.SourceY);
    i32(12, s.Width);
    i32(16, s.Height);
    i32(20, s.LineMode);
    i32(24, s.Detail);
    i32(28, s.Darkness);
    i32(32, s.LineSmooth);
    i32(36, s.LineStrength);
    u8(40, s.RemainDark ? 1 : 0);
    i32(41, s.Threshold);
    i32(45, s.DarkStrength);
    i32(49, s.SmoothMethod);
    i32(53, s.SmoothRadius);
    i32(57, s.BorderBlur);
    i32(61, s.Brightness);
    i32(65, s.Contrast);
    i32(69, s.Saturation);
    i32(73, s.Red);
    i32(77, s.Green);
    i32(81, s.Blue);
    u8(85, s.LinesOn ? 1 : 0);
    u8(86, s.ColourOn ? 1 : 0);
    i32(87, s.CombineMode);
    i32(91, s.BlendPercent);
    i32(95, s.LineCap);
    u8(99, s.ReservedFlag);
    i32(100, s.Reducer);
    i32(104, s.ReduceMethod);
    i32(108, s.ReduceOption);
    i32(112, s.ReduceParameter);
    for (std::size_t i = 0; i < s.BandLimits.size(); ++i)
        u8(116 + i, s.BandLimits[i]);
    std::array<std::uint8_t, CartoonSettings::kFileSize> bytes{};
    std::copy_n(out.bytes().begin(), bytes.size(), bytes.begin());
    return bytes;
}

int SaveCartoonSettings(const std::string& dir, const CartoonSettings& settings, std::string& errorText)
{
    const auto bytes = SerializeCartoonSettings(settings);
    if (!WriteFileAtomically(dir + "/" + kSettingsFileName, bytes)) {
        errorText = kCannotSave;
        return -1;
    }
    return 0;
}

CartoonControls ControlsFromSettings(const CartoonSettings& settings)
{
    CartoonControls c;
    c.Detail = std::clamp(settings.Detail, 0, 1024);
    c.Darkness = std::clamp(settings.Darkness, 1, 256);
    c.SketchSmooth = std::clamp(settings.LineSmooth, 0, 100);
    c.RemainDark = settings.RemainDark;
    c.Threshold = std::clamp(settings.Threshold, 0, 254);
    c.DarkStrength = std::clamp(settings.DarkStrength, 0, 255);
    c.Brightness = std::clamp(settings.Brightness, -255, 255);
    c.Contrast = std::clamp(settings.Contrast, -255, 255);
    c.Saturation = std::clamp(settings.Saturation, -127, 127);
    c.BorderBlur = std::clamp(settings.BorderBlur, 0, 255);
    c.Red = std::clamp(settings.Red, -255, 255);
    c.Green = std::clamp(settings.Green, -255, 255);
    c.Blue = std::clamp(settings.Blue, -255, 255);
    c.Reducer = std::clamp(settings.Reducer, 1, 254);
    return c;
}

void StoreControls(const CartoonControls& c, CartoonSettings& s)
{
    s.Detail = c.Detail;
    s.Darkness = c.Darkness;
    s.LineSmooth = c.SketchSmooth;
    s.RemainDark = c.RemainDark;
    s.Threshold = c.Threshold;
    s.DarkStrength = c.DarkStrength;
    s.Brightness = c.Brightness;
    s.Contrast = c.Contrast;
    s.Saturation = c.Saturation;
    s.BorderBlur = c.BorderBlur;
    s.Red = c.Red;
    s.Green = c.Green;
    s.Blue = c.Blue;
    s.Reducer = c.Reducer;
}

} // namespace ormel

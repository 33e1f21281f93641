#pragma once

#include "files/raster.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace ormel {

// The cartoon effect's settings: a packed block of 133 bytes in "cartoon3.set" (32-bit fields
// signed little-endian, flags one byte). The offset of each field in the file is given beside it.
struct CartoonSettings {
    static constexpr std::size_t kFileSize = 133;

    const Raster* Source = nullptr;    //   0: the picture to process; never taken from the file
    std::int32_t SourceX = 0;          //   4: the processed area within Source
    std::int32_t SourceY = 0;          //   8
    std::int32_t Width = 0;            //  12
    std::int32_t Height = 0;           //  16
    std::int32_t LineMode = 0;         //  20: 1 threshold, 2 inverted, else raw line values
    std::int32_t Detail = 0;           //  24
    std::int32_t Darkness = 0;         //  28
    std::int32_t LineSmooth = 0;       //  32
    std::int32_t LineStrength = 0;     //  36
    bool RemainDark = false;           //  40
    std::int32_t Threshold = 0;        //  41
    std::int32_t DarkStrength = 0;     //  45
    std::int32_t SmoothMethod = 0;     //  49
    std::int32_t SmoothRadius = 0;     //  53
    std::int32_t BorderBlur = 0;       //  57
    std::int32_t Brightness = 0;       //  61
    std::int32_t Contrast = 0;         //  65
    std::int32_t Saturation = 0;       //  69
    std::int32_t Red = 0;              //  73
    std::int32_t Green = 0;            //  77
    std::int32_t Blue = 0;             //  81
    bool LinesOn = false;              //  85
    bool ColourOn = false;             //  86
    std::int32_t CombineMode = 0;      //  87: 1 multiply, 2 blend
    std::int32_t BlendPercent = 0;     //  91: weight of the lines when blending
    std::int32_t LineCap = 0;          //  95: inverted line values above it become 255
    std::uint8_t ReservedFlag = 0;     //  99: handed to the line drawing, which ignores it
    std::int32_t Reducer = 0;          // 100: colour level step of the region reducer
    std::int32_t ReduceMethod = 0;     // 104: 0 compares levels, 1 compares bands
    std::int32_t ReduceOption = 0;     // 108: kept for the file's sake; no effect
    std::int32_t ReduceParameter = 0;  // 112: kept for the file's sake; no effect
    std::array<std::uint8_t, 4> BandLimits{}; // 116: upper limits of the first four bands
    // 120 to 132 are reserved and not read.
};

// Reads the block from the first 133 bytes; false (and `settings` untouched) when there are
// fewer. Source is left as it was: the file's four bytes there mean nothing.
bool ParseCartoonSettings(std::span<const std::uint8_t> bytes, CartoonSettings& settings);

// Reads "cartoon3.set" from the data directory. -1 with the message in `errorText` when the
// file cannot be opened or is too short; `settings` is then untouched.
int LoadCartoonSettings(const std::string& dataDir, CartoonSettings& settings, std::string& errorText);

// The block as the editor ships it in "cartoon3.set": dark lines on white, moderate colour
// flattening. Used whenever the file cannot be read.
CartoonSettings ShippedCartoonSettings();

// The 133 bytes of the block; Source is written as 0 and the reserved bytes as zeros.
std::array<std::uint8_t, CartoonSettings::kFileSize> SerializeCartoonSettings(const CartoonSettings& settings);

// Writes "cartoon3.set" into `dir`, replacing any earlier copy whole. -1 with the message in
// `errorText` when it cannot be written.
int SaveCartoonSettings(const std::string& dir, const CartoonSettings& settings, std::string& errorText);

// The positions of the cartoon options' controls, with their built-in values.
struct CartoonControls {
    bool DrawSketch = true;
    bool DrawColor = false;
    int Detail = 115;       // 0 .. 1024
    int Darkness = 68;      // 1 .. 256
    int SketchSmooth = 5;   // 0 .. 100
    bool RemainDark = false;
    int Threshold = 0;      // 0 .. 254
    int DarkStrength = 0;   // 0 .. 255
    int Brightness = 0;     // -255 .. 255
    int Contrast = 0;       // -255 .. 255
    int Saturation = 0;     // -127 .. 127
    int Reducer = 1;        // 1 .. 254
    int BorderBlur = 25;    // 0 .. 255
    int Red = 0;            // -255 .. 255
    int Green = 0;
    int Blue = 0;
};

// The controls as the settings place them, each held to its control's range; the line drawing
// is ticked and the colour stage cleared.
CartoonControls ControlsFromSettings(const CartoonSettings& settings);

// Puts the controls' positions into the fields they come from, leaving the others alone.
void StoreControls(const CartoonControls& controls, CartoonSettings& settings);

} // namespace ormel

#pragma once

#include "effects/gaussian_blur.h"
#include "files/raster.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace ormel {

// The colour stage of the cartoon effect: flat patches, tone, smoothing, blur and colour
// shifts, each stage working on the previous one's pixels. Buffers hold the processed area
// as unpadded rows of 3-byte pixels (blue, green, red).
class TColorStep {
public:
    // Copies the whole bitmap and notes the area (x, y, width, height), clipped to it; the
    // stages' buffers start as the area's pixels.
    void SetSource(const Raster& bitmap, int x, int y, int width, int height);

    // Paints flat patches. Regions grow from each unvisited pixel (row by row over the rows
    // and columns up to the end of the area) through the eight neighbours, taking in pixels
    // whose colour falls in the same class as the region's running colour, which then moves
    // half way to the newcomer. Method 0 classes a channel by value div reducer, method 1 by
    // the band that bandLimits cut out of 0-255. Members inside the area take the final
    // running colour.
    void ReduceColors(int reducer, int method, std::array<std::uint8_t, 4> bandLimits);
    // Saturation, then contrast (pivot 253; held to -255 .. 255), then brightness.
    void AdjustTone(int brightness, int contrast, int saturation);
    // With a radius above 0, each pixel at least radius away from the border takes, channel
    // by channel, the median (method 0) or the largest value (method 1) of its square window;
    // otherwise, and for other methods, the pixels are copied.
    void SmoothColors(int radius, int method);
    // A Gaussian blur at that radius, or a copy when it is 0 or less. False when the abort
    // flag of `progress` stopped it.
    bool BlurColors(double radius, const TBlurProgress& progress = {});
    // Adds each channel's shift, clamped to 0-255.
    void ShiftColors(int red, int green, int blue);

    int width() const { return width_; }
    int height() const { return height_; }
    std::span<const std::uint8_t> reduced() const { return reduced_; }
    std::span<const std::uint8_t> adjusted() const { return adjusted_; }
    // The result of the last stage.
    std::span<const std::uint8_t> final() const { return final_; }

private:
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
    std::vector<std::uint8_t> source_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> reduced_;
    std::vector<std::uint8_t> adjusted_;
    std::vector<std::uint8_t> smoothed_;
    std::vector<std::uint8_t> blurred_;
    std::vector<std::uint8_t> final_;
};

} // namespace ormel

#pragma once

#include "effects/gaussian_blur.h"
#include "files/raster.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ormel {

// The pencil line drawing of the cartoon effect: every pixel gathers how much it stands out
// from its neighbours, and that sum is mapped to a line value 0 to 255.
class TSketch {
public:
    // Takes the area (x, y, width, height) of the bitmap, clipped to it, as inverted pixels
    // (255 minus each channel). A sketch of an empty area draws nothing.
    void SetSource(const Raster& bitmap, int x, int y, int width, int height);

    // Computes the line values. `smooth` / 20 is the blur radius of the inverted pixels;
    // `strength` / 20 (strength held to 0 .. 1000) weighs the ridges, pixels above both
    // neighbours on an axis. The mapping: (sum x darkness) >> 5 - detail, raised to
    // 255 - darkStrength in dark areas when remainDark is set (every channel below threshold),
    // clamped to 0-255; then mode 1 makes values below 16 white and the rest black, mode 2
    // inverts (values above cap become 255), other modes keep it. False when the abort flag
    // of `progress` stopped the blur.
    bool DrawSketch(int mode, int detail, int strength, int smooth, bool remainDark, int darkStrength, int threshold,
                    int cap, int darkness, const TBlurProgress& progress = {});

    int width() const { return width_; }
    int height() const { return height_; }
    // One line value per pixel, rows top to bottom.
    std::span<const std::uint8_t> lines() const { return lines_; }

private:
    void Accumulate(const std::vector<std::uint8_t>& pixels, int strength);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> inverted_;
    std::vector<std::int32_t> accumulators_;
    std::vector<std::uint8_t> lines_;
};

} // namespace ormel

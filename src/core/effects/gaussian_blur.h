#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace ormel {

// A symmetric Gaussian kernel: 201 weights indexed -100 to 100, of which -Size to Size are
// used. The blur passes use the integer weights (the real weights scaled by 1024, rounded).
struct TGaussianKernel {
    static constexpr int MaxSize = 100;
    static constexpr int WeightScale = 1024;

    int Size = 1;
    std::array<double, 2 * MaxSize + 1> Weights{};
    std::array<int, 2 * MaxSize + 1> IntWeights{};

    double weight(int j) const { return Weights[j + MaxSize]; }
    int intWeight(int j) const { return IntWeights[j + MaxSize]; }
};

// Fills the kernel for a radius (the standard deviation in pixels). The kernel is cut where the
// two tails together weigh less than granularity / (2 x maxData), so that the cut-off part can
// never change a value by a whole step. A radius that is not positive gives the identity kernel.
void MakeGaussianKernel(TGaussianKernel& kernel, double radius, int maxData = 255, int granularity = 1);

// Blurs, in place, width x height packed colour values stored row by row: rows first, then the
// columns of the row-blurred result; pixels beyond an edge repeat the edge pixel. Does nothing
// when the sizes are not positive or the array is shorter than width x height.
void GaussianBlurColors(std::span<TColor> colours, int width, int height, double radius);

// Blurs the rectangle of source (clipped to it) when radius > 0, otherwise copies it, and
// writes the result into dest from (0, 0), as far as dest reaches. dest may be source.
void GaussianBlurBitmap(const Raster& source, Raster& dest, TRect rect, double radius);

// What GaussianBlurBuffer reports while it runs, and the flag that stops it. Every member may
// be left empty.
struct TBlurProgress {
    // Set to "Blur Row" before the row pass and "Blur Column" before the column pass.
    std::function<void(const std::string&)> StatusText;
    // The position within the current pass, 0 to 100, after each row (or column).
    std::function<void(int)> Progress;
    // Called once after each pass: advances an overall progress by one step.
    std::function<void()> Step;
    // Tested before every row and column; when set, the blur returns at once. (The callbacks
    // run between lines, so a flag they set stops the blur before its next pixel.)
    const std::atomic<bool>* Abort = nullptr;
};

// The same blur on unpadded buffers of width x height pixels of 3 bytes: rows from source into
// dest, then columns within dest. Returns false when the abort flag stopped it (dest is then
// partly processed) or when the sizes do not fit the buffers (dest untouched).
bool GaussianBlurBuffer(std::span<const std::uint8_t> source, std::span<std::uint8_t> dest,
                        const TBlurProgress& progress, double radius, int width, int height);

} // namespace ormel

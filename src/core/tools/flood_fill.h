#pragma once

#include "raster/rect.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ormel {

// Finds the region a bucket fills: the 4-connected pixels around a seed whose red, green and
// blue each lie within a tolerance of the seed's (a colour box, not a distance), as a coverage
// raster, black inside and white outside. Only the colour bytes are examined, never alpha.
class TFloodFill {
public:
    // The result and the visited map are sized once for the largest icon image, so a fill of
    // such an image allocates nothing; a larger image grows them.
    static constexpr int kSide = 256;

    TFloodFill();

    // The raster to examine (not owned: it must outlive the next Fill) and the area examined
    // from (0, 0), clipped to the raster.
    void SetSource(const Raster& source, int width, int height);
    // Computes the region around the seed into the result's (0, 0, width, height). A seed outside
    // the area leaves the result as it was.
    void Fill(int seedX, int seedY, int tolerance);

    // The last region; only its (0, 0, Width(), Height()) part belongs to it.
    const Raster& Result() const { return result_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    bool Accepts(const std::uint8_t* pixel) const;

    const Raster* source_ = nullptr;
    Raster result_;
    int width_ = 0;
    int height_ = 0;
    std::array<std::uint8_t, 3> low_{};  // blue, green, red, as the raster stores them
    std::array<std::uint8_t, 3> high_{};
    std::vector<std::uint8_t> visited_;  // 1 once in the region, see Fill
    std::vector<TPoint> generation_;
    std::vector<TPoint> next_;
};

} // namespace ormel

#include "files/raster.h"

#include <algorithm>

namespace ormel {

Raster::Raster(int width, int height) { resize(width, height); }

void Raster::resize(int width, int height)
{
    resizeForOverwrite(width, height);
    std::fill(data_.begin(), data_.end(), std::uint8_t(255));
}

void Raster::resizeForOverwrite(int width, int height)
{
    if (width <= 0 || height <= 0) {
        width = 0;
        height = 0;
    }
    width_ = width;
    height_ = height;
    stride_ = strideFor(width);
    data_.resize(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height));
    // The padding at the end of each row stays defined, so that equal pixels compare equal.
    const int pad = stride_ - 3 * width;
    if (pad > 0)
        for (int y = 0; y < height; ++y)
            std::fill_n(row(y) + 3 * width, pad, std::uint8_t(255));
}

void Raster::fill(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* p = row(y);
        for (int x = 0; x < width_; ++x, p += 3) {
            p[0] = blue;
            p[1] = green;
            p[2] = red;
        }
    }
}

} // namespace ormel

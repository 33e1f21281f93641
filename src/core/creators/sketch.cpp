#include "creators/sketch.h"

#include "creators/cartoon_area.h"
#include "raster/rounding.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace ormel {

void TSketch::SetSource(const Raster& bitmap, int x, int y, int width, int height)
{
    const TRect area = ClipCartoonArea(x, y, width, height, bitmap.width(), bitmap.height());
    width_ = area.Width();
    height_ = area.Height();
    const std::size_t rowBytes = static_cast<std::size_t>(width_) * 3;
    inverted_.resize(rowBytes * static_cast<std::size_t>(height_));
    for (int row = 0; row < height_; ++row) {
        const std::uint8_t* in = bitmap.pixel(area.Left, area.Top + row);
        std::uint8_t* out = inverted_.data() + rowBytes * static_cast<std::size_t>(row);
        for (std::size_t i = 0; i < rowBytes; ++i)
            out[i] = static_cast<std::uint8_t>(255 - in[i]);
    }
    accumulators_.clear();
    lines_.clear();
}

// Each pair of neighbours (left and upper, so every pair once) adds its difference to the
// brighter of the two; a pixel brighter than both neighbours on an axis adds a share of both
// rises. Neighbours outside the area count as equal to the pixel, so they add nothing. The
// sums are gathered pass by pass over each row, without branches: integer sums do not depend
// on their order.
void TSketch::Accumulate(const std::vector<std::uint8_t>& pixels, int strength)
{
    const int w = width_;
    const int h = height_;
    accumulators_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);

    // Held to 0 .. 1000 (the driver passes 3), so that no sum can overflow.
    const double s = std::clamp(strength, 0, 1000) / 5.0;
    const bool ridges = s > 0;
    // The share of a ridge of total rise v (at most 510), rounded to the nearest, ties to even;
    // entry 0 stands for "no ridge".
    std::array<std::int32_t, 511> ridge{};
    if (ridges)
        for (int v = 1; v <= 510; ++v)
            ridge[static_cast<std::size_t>(v)] = Round(v * s * 5 / 20);
    const auto share = [&ridge](int value, int a, int b) {
        return ridge[static_cast<std::size_t>(value > a && b < value ? 2 * value - a - b : 0)];
    };

    const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(w) * 3;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* p = pixels.data() + row * y;
        std::int32_t* acc = accumulators_.data() + static_cast<std::ptrdiff_t>(w) * y;
        for (int x = 1; x < w; ++x) {
            std::int32_t here = 0;
            std::int32_t left = 0;
            for (int c = 0; c < 3; ++c) {
                const int d = p[3 * x + c] - p[3 * x - 3 + c];
                here += std::max(d, 0);
                left += std::max(-d, 0);
            }
            acc[x] += here;
            acc[x - 1] += left;
        }
        if (y > 0) {
            const std::uint8_t* up = p - row;
            std::int32_t* accUp = acc - w;
            for (int x = 0; x < w; ++x) {
                std::int32_t here = 0;
                std::int32_t above = 0;
                for (int c = 0; c < 3; ++c) {
                    const int d = p[3 * x + c] - up[3 * x + c];
                    here += std::max(d, 0);
                    above += std::max(-d, 0);
                }
                acc[x] += here;
                accUp[x] += above;
            }
        }
        if (!ridges)
            continue;
        for (int x = 1; x < w - 1; ++x) {
            const std::uint8_t* q = p + 3 * x;
            acc[x] += share(q[0], q[-3], q[3]) + share(q[1], q[-2], q[4]) + share(q[2], q[-1], q[5]);
        }
        if (y == 0 || y == h - 1)
            continue;
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* q = p + 3 * x;
            std::int32_t here = 0;
            for (int c = 0; c < 3; ++c)
                here += share(q[c], q[c - row], q[c + row]);
            if (x > 0 && x < w - 1)
                for (int c = 0; c < 3; ++c)
                    here += share(q[c], q[c - row - 3], q[c + row + 3]) + share(q[c], q[c - row + 3], q[c + row - 3]);
            acc[x] += here;
        }
    }
}

bool TSketch::DrawSketch(int mode, int detail, int strength, int smooth, bool remainDark, int darkStrength,
                         int threshold, int cap, int darkness, const TBlurProgress& progress)
{
    lines_.clear();
    if (width_ == 0)
        return true;
    const std::vector<std::uint8_t>* pixels = &inverted_;
    std::vector<std::uint8_t> blurred;
    const double radius = smooth / 20.0;
    if (radius > 0) {
        blurred.resize(inverted_.size());
        if (!GaussianBlurBuffer(inverted_, blurred, progress, radius, width_, height_))
            return false;
        pixels = &blurred;
    }
    Accumulate(*pixels, strength);

    // 64-bit: settings from a file may hold any value.
    const long long darkFloor = 255 - static_cast<long long>(darkStrength);
    const long long darkLimit = 255 - static_cast<long long>(threshold);
    lines_.resize(accumulators_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        long long value = ((static_cast<long long>(accumulators_[i]) * darkness) >> 5) - detail;
        const std::uint8_t* p = pixels->data() + 3 * i;
        if (remainDark && p[0] > darkLimit && p[1] > darkLimit && p[2] > darkLimit)
            value = std::max(value, darkFloor);
        value = std::clamp<long long>(value, 0, 255);
        if (mode == 1)
            value = value < 16 ? 255 : 0;
        else if (mode == 2)
            value = 255 - value > cap ? 255 : 255 - value;
        lines_[i] = static_cast<std::uint8_t>(value);
    }
    return true;
}

} // namespace ormel

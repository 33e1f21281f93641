#include "tools/flood_fill.h"

#include "raster/paint.h"

#include <algorithm>
#include <cstddef>

namespace ormel {

namespace {

constexpr TColor kWhite = 0xFFFFFF;

void MarkInside(Raster& result, int x, int y)
{
    std::uint8_t* p = result.pixel(x, y);
    p[0] = p[1] = p[2] = 0;
}

} // namespace

TFloodFill::TFloodFill() : result_(kSide, kSide), visited_(static_cast<std::size_t>(kSide + 2) * (kSide + 2)) {}

void TFloodFill::SetSource(const Raster& source, int width, int height)
{
    source_ = &source;
    width_ = std::clamp(width, 0, source.width());
    height_ = std::clamp(height, 0, source.height());
    if (width_ > result_.width() || height_ > result_.height())
        result_.resize(std::max(width_, result_.width()), std::max(height_, result_.height()));
    const std::size_t cells = (static_cast<std::size_t>(width_) + 2) * (static_cast<std::size_t>(height_) + 2);
    visited_.resize(std::max(visited_.size(), cells));
}

bool TFloodFill::Accepts(const std::uint8_t* pixel) const
{
    // A byte below low wraps round to a large unsigned difference.
    bool inside = true;
    for (std::size_t c = 0; c < 3; ++c)
        inside &= static_cast<unsigned>(pixel[c] - low_[c]) <= static_cast<unsigned>(high_[c] - low_[c]);
    return inside;
}

void TFloodFill::Fill(int seedX, int seedY, int tolerance)
{
    if (!source_ || seedX < 0 || seedY < 0 || seedX >= width_ || seedY >= height_)
        return;
    const std::uint8_t* seed = source_->pixel(seedX, seedY);
    tolerance = std::clamp(tolerance, 0, 255);
    for (std::size_t c = 0; c < 3; ++c) {
        low_[c] = static_cast<std::uint8_t>(std::clamp(seed[c] - tolerance, 0, 255));
        high_[c] = static_cast<std::uint8_t>(std::clamp(seed[c] + tolerance, 0, 255));
    }
    FillBitmapRect(result_, kWhite, TRect{0, 0, width_, height_});

    // The visited map has a border of cells marked visited all round the area, so that a
    // neighbour needs no bounds test: pixel (x, y) is cell (x + 1, y + 1).
    const std::size_t stride = static_cast<std::size_t>(width_) + 2;
    const std::size_t rows = static_cast<std::size_t>(height_) + 2;
    std::fill_n(visited_.begin(), stride * rows, std::uint8_t(0));
    std::fill_n(visited_.begin(), stride, std::uint8_t(1));
    std::fill_n(visited_.begin() + static_cast<std::ptrdiff_t>(stride * (rows - 1)), stride, std::uint8_t(1));
    for (std::size_t y = 1; y + 1 < rows; ++y)
        visited_[y * stride] = visited_[y * stride + stride - 1] = 1;

    const auto cell = [stride](int x, int y) {
        return (static_cast<std::size_t>(y) + 1) * stride + static_cast<std::size_t>(x) + 1;
    };
    // Marks a neighbour that is not yet in the region and lies in the colour box.
    const auto tryAdd = [this, &cell](int x, int y) {
        std::uint8_t& visited = visited_[cell(x, y)];
        if (visited || !Accepts(source_->pixel(x, y)))
            return;
        visited = 1;
        MarkInside(result_, x, y);
        next_.push_back(TPoint{x, y});
    };
    visited_[cell(seedX, seedY)] = 1;
    MarkInside(result_, seedX, seedY);
    generation_.assign(1, TPoint{seedX, seedY});
    // Breadth first, one generation at a time, the neighbours below, above, left and right.
    while (!generation_.empty()) {
        next_.clear();
        for (const TPoint p : generation_) {
            tryAdd(p.X, p.Y + 1);
            tryAdd(p.X, p.Y - 1);
            tryAdd(p.X - 1, p.Y);
            tryAdd(p.X + 1, p.Y);
        }
        std::swap(generation_, next_);
    }
}

} // namespace ormel

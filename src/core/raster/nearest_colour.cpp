#include "raster/nearest_colour.h"

namespace ormel {

namespace {

constexpr std::uint32_t kPaletteRun = 1;

} // namespace

NearestColour::NearestColour()
{
    std::size_t cells = 0;
    for (int l = 0; l < kLevels; ++l) {
        Level& level = levels_[static_cast<std::size_t>(l)];
        level.shift = kCoarsestShift - l;
        level.firstCell = cells;
        const std::size_t side = std::size_t(256) >> level.shift;
        cells += side * side * side;
        const int span = (1 << level.shift) - 1;
        for (int offset = -255; offset <= 255; ++offset) {
            const int nearest = std::max({-offset, offset - span, 0});
            const int farthest = std::max(offset, span - offset);
            level.nearSquared[static_cast<std::size_t>(offset + 255)] = nearest * nearest;
            level.farSquared[static_cast<std::size_t>(offset + 255)] = farthest * farthest;
        }
    }
    cells_.resize(cells);
}

void NearestColour::setPalette(std::span<const TPaletteEntry> palette)
{
    const std::size_t n = std::min<std::size_t>(palette.size(), 256);
    // Finer cells pay off only when there are many entries to tell apart.
    finest_ = n <= 8 ? 0 : n <= 32 ? 1 : 2;
    const Level& finest = levels_[static_cast<std::size_t>(finest_)];
    const std::size_t side = std::size_t(256) >> finest.shift;
    for (std::size_t v = 0; v < 256; ++v) {
        finestCellOfRed_[v] = finest.firstCell + (v >> finest.shift) * side * side;
        finestCellOfGreen_[v] = (v >> finest.shift) * side;
        finestCellOfBlue_[v] = v >> finest.shift;
    }
    std::fill(cells_.begin(), cells_.begin() + static_cast<std::ptrdiff_t>(finest.firstCell + side * side * side), 0u);
    words_.assign(2, 0u);
    words_[kPaletteRun] = static_cast<std::uint32_t>(n); // its bound is never read
    for (std::size_t i = 0; i < n; ++i)
        words_.push_back(palette[i].peRed | (std::uint32_t(palette[i].peGreen) << 8) |
                         (std::uint32_t(palette[i].peBlue) << 16) | (static_cast<std::uint32_t>(i) << 24));
    nearDistance_.resize(n);
}

std::uint32_t NearestColour::select(std::uint32_t from, const Level& level, int red, int green, int blue)
{
    const int span = (1 << level.shift) - 1;
    // The tables indexed by offset + 255, moved to be indexed by the entry's level directly.
    const int* nearRed = level.nearSquared.data() + 255 - (red & ~span);
    const int* nearGreen = level.nearSquared.data() + 255 - (green & ~span);
    const int* nearBlue = level.nearSquared.data() + 255 - (blue & ~span);
    const int* farRed = level.farSquared.data() + 255 - (red & ~span);
    const int* farGreen = level.farSquared.data() + 255 - (green & ~span);
    const int* farBlue = level.farSquared.data() + 255 - (blue & ~span);
    const std::uint32_t count = words_[from] & kCountMask;
    int bestFarthest = count == 0 ? 0 : INT_MAX;
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint32_t e = words_[from + 1 + k];
        const std::size_t r = e & 255, g = (e >> 8) & 255, b = (e >> 16) & 255;
        nearDistance_[k] = nearRed[r] + nearGreen[g] + nearBlue[b];
        bestFarthest = std::min(bestFarthest, farRed[r] + farGreen[g] + farBlue[b]);
    }
    // Room for every candidate first; each is written, and kept by moving on past it.
    const std::size_t run = words_.size();
    words_.resize(run + 1 + count);
    std::size_t end = run + 1;
    for (std::uint32_t k = 0; k < count; ++k) {
        words_[end] = words_[from + 1 + k];
        end += nearDistance_[k] <= bestFarthest ? 1 : 0;
    }
    words_.resize(end);
    // An entry left out here is further than bestFarthest from all of the cell; one left out
    // of a containing cell is further than that cell's bound, which is no smaller.
    words_[run] = static_cast<std::uint32_t>(end - run - 1) | (static_cast<std::uint32_t>(bestFarthest) << 9);
    return static_cast<std::uint32_t>(run);
}

std::uint32_t NearestColour::list(int level, int red, int green, int blue)
{
    const Level& l = levels_[static_cast<std::size_t>(level)];
    std::uint32_t& cell = cells_[cellIndex(l, red, green, blue)];
    if (cell == 0) {
        const std::uint32_t from = level == 0 ? kPaletteRun : list(level - 1, red, green, blue);
        cell = select(from, l, red, green, blue);
    }
    return cell;
}

int NearestColour::findWithBound(int red, int green, int blue, int& othersBound)
{
    red = std::clamp(red, 0, 255);
    green = std::clamp(green, 0, 255);
    blue = std::clamp(blue, 0, 255);
    const std::uint32_t offset = runOf(red, green, blue); // may grow words_
    const std::uint32_t* run = words_.data() + offset;
    const std::uint32_t count = run[0] & kCountMask;
    int best = INT_MAX, second = INT_MAX;
    for (std::uint32_t k = 1; k <= count; ++k) {
        const int key = Key(run[k], red, green, blue);
        second = std::min(second, std::max(best, key));
        best = std::min(best, key);
    }
    othersBound = std::min(second == INT_MAX ? INT_MAX : second >> 8, static_cast<int>(run[0] >> 9) + 1);
    return count == 0 ? 0 : best & 255;
}

} // namespace ormel

#pragma once

#include "files/icon_image.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <span>
#include <vector>

namespace ormel {

// Finds the palette entry (of the first 256) nearest to a colour by squared RGB distance, the
// lowest index among equally near entries.
//
// The RGB cube is cut into cells: 32 levels a side and, for larger palettes, 16 and 8 levels
// inside those. The first search in a cell lists the entries that can be nearest to some
// colour in it: those no further from the cell than the cell's farthest colour is from the
// entry that is best in the worst case. A cell's list is drawn from the list of the cell
// that contains it, so each is cheap to make, and a search compares only the few entries of
// its cell.
class NearestColour {
public:
    NearestColour();
    explicit NearestColour(std::span<const TPaletteEntry> palette) : NearestColour() { setPalette(palette); }

    // Starts over with another palette, keeping the memory.
    void setPalette(std::span<const TPaletteEntry> palette);

    // Channels are clamped to 0-255. 0 for an empty palette.
    int find(int red, int green, int blue)
    {
        red = std::clamp(red, 0, 255);
        green = std::clamp(green, 0, 255);
        blue = std::clamp(blue, 0, 255);
        const std::uint32_t offset = runOf(red, green, blue); // may grow words_
        const std::uint32_t* run = words_.data() + offset;
        const std::uint32_t count = run[0] & kCountMask;
        int best = INT_MAX;
        for (std::uint32_t k = 1; k <= count; ++k)
            best = std::min(best, Key(run[k], red, green, blue));
        return count == 0 ? 0 : best & 255;
    }

    // The nearest entry as find gives it, and in `othersBound` a squared distance that no
    // other entry is nearer than.
    int findWithBound(int red, int green, int blue, int& othersBound);

private:
    // A run of candidates is a header word (the count in the low 9 bits, above it the squared
    // distance that every entry left out of the run exceeds) followed by one word per entry:
    // red, green, blue and palette index, from the low byte up.
    static constexpr std::uint32_t kCountMask = 511;
    static constexpr int kCoarsestShift = 5, kFinestShift = 3;
    static constexpr int kLevels = kCoarsestShift - kFinestShift + 1;

    struct Level {
        int shift = 0;           // log2 of the cell side
        std::size_t firstCell = 0; // in cells_
        // Squared distance along one channel from a level to a cell's nearest and farthest
        // level, by the level's offset from the cell's low edge, plus 255.
        std::array<int, 511> nearSquared{}, farSquared{};
    };

    static int Distance(std::uint32_t entry, int red, int green, int blue)
    {
        const int dr = static_cast<int>(entry & 255) - red;
        const int dg = static_cast<int>((entry >> 8) & 255) - green;
        const int db = static_cast<int>((entry >> 16) & 255) - blue;
        return dr * dr + dg * dg + db * db;
    }

    // Distance and index in one number (the distance is below 2^18, the index below 2^8): the
    // smallest is the nearest entry, and the lowest index among equals.
    static int Key(std::uint32_t entry, int red, int green, int blue)
    {
        return (Distance(entry, red, green, blue) << 8) | static_cast<int>(entry >> 24);
    }

    std::size_t cellIndex(const Level& level, int red, int green, int blue) const
    {
        const int side = 256 >> level.shift;
        return level.firstCell +
               static_cast<std::size_t>((((red >> level.shift) * side) + (green >> level.shift)) * side +
                                        (blue >> level.shift));
    }

    // Offset in words_ of the run of the colour's finest cell, listing it when new.
    std::uint32_t runOf(int red, int green, int blue)
    {
        const std::uint32_t run = cells_[finestCellOfRed_[static_cast<std::size_t>(red)] +
                                         finestCellOfGreen_[static_cast<std::size_t>(green)] +
                                         finestCellOfBlue_[static_cast<std::size_t>(blue)]];
        return run != 0 ? run : list(finest_, red, green, blue);
    }

    std::uint32_t list(int level, int red, int green, int blue);
    std::uint32_t select(std::uint32_t from, const Level& level, int red, int green, int blue);

    std::array<Level, kLevels> levels_;     // coarse to fine
    int finest_ = 0;                        // the finest level in use
    std::array<std::size_t, 256> finestCellOfRed_{}, finestCellOfGreen_{}, finestCellOfBlue_{};
    std::vector<std::uint32_t> cells_;      // run offset per cell, 0 while not listed
    std::vector<std::uint32_t> words_;      // word 0 unused; the whole palette's run at 1
    std::vector<int> nearDistance_;         // per entry of the run being selected from
};

} // namespace ormel

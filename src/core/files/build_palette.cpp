#include "files/file_access.h"

#include <algorithm>
#include <array>

namespace ormel {

namespace {

// Distinct colours in first-seen order, looked up through a small open-addressed table.
class ColourTable {
public:
    // The index of the colour, adding it when new; -1 when it would be the 257th.
    int indexOf(std::uint32_t rgb, bool& added)
    {
        std::size_t slot = (rgb * 2654435761u) >> 22; // 1024 slots
        while (slots_[slot] != 0) {
            if (keys_[slot] == rgb) {
                added = false;
                return slots_[slot] - 1;
            }
            slot = (slot + 1) & 1023;
        }
        added = true;
        if (count_ == 256)
            return -1;
        keys_[slot] = rgb;
        slots_[slot] = static_cast<std::uint16_t>(++count_);
        return count_ - 1;
    }
    int count() const { return count_; }

private:
    std::array<std::uint32_t, 1024> keys_{};
    std::array<std::uint16_t, 1024> slots_{}; // index + 1, 0 for an empty slot
    int count_ = 0;
};

} // namespace

void BuildPaletteFromColours(TIconImage& record, int declaredBits)
{
    ColourTable table;
    std::array<TPaletteEntry, 256> entries{};
    for (int y = 0; y < record.Height; ++y) {
        const std::uint8_t* p = record.Bitmap.row(y);
        for (int x = 0; x < record.Width; ++x, p += 3) {
            const std::uint32_t rgb = MakeColor(p[2], p[1], p[0]);
            bool added = false;
            const int index = table.indexOf(rgb, added);
            if (index < 0) {
                record.ColorDepth = Depth24;
                return;
            }
            TPaletteEntry& e = entries[static_cast<std::size_t>(index)];
            if (added)
                e = TPaletteEntry{p[2], p[1], p[0], 0};
            else
                ++e.peFlags; // counts repeats, modulo 256
        }
    }

    const int n = std::max(table.count(), 1 << std::clamp(declaredBits, 0, 8));
    const int depth = n < 3 ? Depth1 : n < 17 ? Depth4 : Depth8;
    const int size = PaletteSizeForDepth(depth);
    record.ColorDepth = depth;
    record.Palette.palNumEntries = static_cast<std::uint16_t>(size);
    std::copy_n(entries.begin(), size, record.Palette.palPalEntry.begin());

    for (int y = 0; y < record.Height; ++y) {
        std::uint8_t* p = record.Bitmap.row(y);
        for (int x = 0; x < record.Width; ++x, p += 3) {
            bool added = false;
            p[2] = static_cast<std::uint8_t>(table.indexOf(MakeColor(p[2], p[1], p[0]), added));
        }
    }
}

} // namespace ormel

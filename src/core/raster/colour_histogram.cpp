#include "raster/colour_histogram.h"

#include <algorithm>
#include <array>

namespace ormel {

namespace {

// A 24-bit key that sorts colours cube by cube: the top 18 bits are the top 6 bits of each
// channel (the cube of 4 levels), the next 3 the channels' next bits (the cube of 2 levels
// inside it), the last 3 their lowest bits. So key >> 6 names the 4-level cube and key >> 3
// the 2-level cube.
constexpr std::uint32_t CubeKey(PackedRgb c)
{
    const std::uint32_t r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
    return ((r >> 2) << 18) | ((g >> 2) << 12) | ((b >> 2) << 6) | (((r >> 1) & 1) << 5) | (((g >> 1) & 1) << 4) |
           (((b >> 1) & 1) << 3) | ((r & 1) << 2) | ((g & 1) << 1) | (b & 1);
}

constexpr PackedRgb ColourOfKey(std::uint32_t key)
{
    const std::uint32_t r = ((key >> 18) << 2) | (((key >> 5) & 1) << 1) | ((key >> 2) & 1);
    const std::uint32_t g = (((key >> 12) & 63) << 2) | (((key >> 4) & 1) << 1) | ((key >> 1) & 1);
    const std::uint32_t b = (((key >> 6) & 63) << 2) | (((key >> 3) & 1) << 1) | (key & 1);
    return (r << 16) | (g << 8) | b;
}

// One stable counting pass of a least-significant-digit radix sort on 12 bits of the key.
void SortPass(const std::vector<std::uint32_t>& from, std::vector<std::uint32_t>& to, int shift)
{
    std::array<std::size_t, 4097> start{};
    for (const std::uint32_t k : from)
        ++start[((k >> shift) & 4095) + 1];
    for (std::size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
    for (const std::uint32_t k : from)
        to[start[(k >> shift) & 4095]++] = k;
}

void SetMean(ColourSample& s)
{
    const auto mean = [&s](std::uint64_t sum) { return static_cast<int>((sum + s.weight / 2) / s.weight); };
    s.mean = PackRgb(mean(s.red), mean(s.green), mean(s.blue));
}

} // namespace

std::optional<std::vector<PackedRgb>> FewColours(std::span<const PackedRgb> pixels, std::size_t limit)
{
    // Open addressing in 1024 slots, never more than 257 in use; all ones marks a free slot
    // (a packed colour never has its top byte set).
    constexpr std::size_t kSlots = 1024;
    constexpr PackedRgb kFree = 0xFFFFFFFFu;
    limit = std::min<std::size_t>(limit, 256);
    std::array<PackedRgb, kSlots> slots;
    slots.fill(kFree);
    std::vector<PackedRgb> colours;
    PackedRgb previous = kFree;
    for (const PackedRgb c : pixels) {
        if (c == previous)
            continue;
        previous = c;
        std::size_t slot = (c * 2654435761u) >> 22;
        while (slots[slot] != c && slots[slot] != kFree)
            slot = (slot + 1) & (kSlots - 1);
        if (slots[slot] == kFree) {
            if (colours.size() == limit)
                return std::nullopt;
            slots[slot] = c;
            colours.push_back(c);
        }
    }
    std::sort(colours.begin(), colours.end());
    return colours;
}

std::vector<ColourSample> SampleColours(std::span<const PackedRgb> pixels, std::size_t limit)
{
    std::vector<std::uint32_t> keys(pixels.size()), sorted(pixels.size());
    std::transform(pixels.begin(), pixels.end(), keys.begin(), CubeKey);
    SortPass(keys, sorted, 0);
    SortPass(sorted, keys, 12);

    // The finest grouping that stays within the limit: colours, 2-level or 4-level cubes.
    std::size_t groups[3] = {0, 0, 0};
    std::uint32_t previous = 0xFFFFFFFFu; // never a key
    for (const std::uint32_t key : keys) {
        const std::uint32_t changed = key ^ previous;
        groups[0] += changed != 0 ? 1 : 0;
        groups[1] += (changed >> 3) != 0 ? 1 : 0;
        groups[2] += (changed >> 6) != 0 ? 1 : 0;
        previous = key;
    }
    int level = 2;
    while (level > 0 && groups[level - 1] <= limit)
        --level;
    const int shift = 3 * level;

    std::vector<ColourSample> samples;
    samples.reserve(groups[level]);
    ColourSample s;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const PackedRgb c = ColourOfKey(keys[i]);
        const std::uint64_t r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
        ++s.weight;
        s.red += r;
        s.green += g;
        s.blue += b;
        s.squares += r * r + g * g + b * b;
        if (i + 1 == keys.size() || (keys[i + 1] >> shift) != (keys[i] >> shift)) {
            SetMean(s);
            samples.push_back(s);
            s = ColourSample{};
        }
    }
    return samples;
}

} // namespace ormel

#include "raster/palette_refinement.h"

#include "raster/nearest_colour.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace ormel {

namespace {

struct ClusterSums {
    std::uint64_t weight = 0, red = 0, green = 0, blue = 0;
};

int SquaredDistance(const TPaletteEntry& e, PackedRgb c)
{
    const int dr = RedOf(c) - e.peRed, dg = GreenOf(c) - e.peGreen, db = BlueOf(c) - e.peBlue;
    return dr * dr + dg * dg + db * db;
}

PackedRgb PackedOf(const TPaletteEntry& e) { return PackRgb(e.peRed, e.peGreen, e.peBlue); }

TPaletteEntry EntryOf(PackedRgb c)
{
    return {static_cast<std::uint8_t>(RedOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
            static_cast<std::uint8_t>(BlueOf(c)), 0};
}

// For each entry, half the distance to the nearest other entry: a colour closer than that to
// its entry is nearer to it than to any other.
std::vector<double> HalfGaps(const std::vector<TPaletteEntry>& palette)
{
    std::vector<int> nearest(palette.size(), INT_MAX);
    for (std::size_t a = 0; a < palette.size(); ++a)
        for (std::size_t b = a + 1; b < palette.size(); ++b) {
            const int d = SquaredDistance(palette[a], PackedOf(palette[b]));
            nearest[a] = std::min(nearest[a], d);
            nearest[b] = std::min(nearest[b], d);
        }
    std::vector<double> half(palette.size());
    for (std::size_t k = 0; k < palette.size(); ++k)
        half[k] = nearest[k] == INT_MAX ? HUGE_VAL : 0.5 * std::sqrt(static_cast<double>(nearest[k]));
    return half;
}

// The means of the `wanted` samples that contribute most squared error, worst first (ties:
// lower colour first); only samples with some error qualify.
std::vector<PackedRgb> WorstServed(std::span<const ColourSample> samples, const std::vector<std::uint64_t>& error,
                                   std::size_t wanted)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (error[i] > 0)
            order.push_back(i);
    wanted = std::min(wanted, order.size());
    const auto worse = [&](std::size_t a, std::size_t b) {
        return error[a] != error[b] ? error[a] > error[b] : samples[a].mean < samples[b].mean;
    };
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(wanted), order.end(), worse);
    std::vector<PackedRgb> chosen;
    for (std::size_t k = 0; k < wanted; ++k)
        chosen.push_back(samples[order[k]].mean);
    return chosen;
}

// Rounding slack for the distance bounds, far below the gaps between distinct integer
// distances, so that a sample is only kept on its entry when that is certainly right.
constexpr double kSlack = 1e-6;

} // namespace

void RefinePalette(std::span<const ColourSample> samples, std::vector<TPaletteEntry>& palette,
                   std::vector<int>& assigned, std::size_t count, int passes)
{
    assigned.resize(samples.size(), -1);
    std::vector<std::uint64_t> error(samples.size(), 0);
    // Per sample, a distance that no entry other than its own is nearer than (Hamerly's lower
    // bound): kept through the passes by subtracting how far the entries move.
    std::vector<double> othersBound(samples.size(), 0.0);
    NearestColour nearest;
    for (int pass = 0; pass < passes && !palette.empty(); ++pass) {
        nearest.setPalette(palette);
        const std::vector<double> halfGap = HalfGaps(palette);
        std::vector<ClusterSums> sums(palette.size());
        bool changed = false;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const ColourSample& s = samples[i];
            int k = assigned[i];
            int d = 0;
            bool keep = k >= 0 && k < static_cast<int>(palette.size());
            if (keep) {
                d = SquaredDistance(palette[static_cast<std::size_t>(k)], s.mean);
                const double bound = std::max(halfGap[static_cast<std::size_t>(k)], othersBound[i]) - kSlack;
                keep = bound > 0 && static_cast<double>(d) < bound * bound;
            }
            if (!keep) {
                int others = 0;
                const int found = nearest.findWithBound(RedOf(s.mean), GreenOf(s.mean), BlueOf(s.mean), others);
                changed = changed || found != k;
                k = found;
                d = SquaredDistance(palette[static_cast<std::size_t>(k)], s.mean);
                othersBound[i] = others == INT_MAX ? HUGE_VAL : std::sqrt(static_cast<double>(others));
            }
            assigned[i] = k;
            error[i] = s.weight * static_cast<std::uint64_t>(d);
            ClusterSums& sum = sums[static_cast<std::size_t>(k)];
            sum.weight += s.weight;
            sum.red += s.red;
            sum.green += s.green;
            sum.blue += s.blue;
        }

        const std::vector<TPaletteEntry> before = palette;
        std::vector<std::size_t> vacant;
        for (std::size_t k = 0; k < palette.size(); ++k) {
            const ClusterSums& sum = sums[k];
            if (sum.weight == 0) {
                vacant.push_back(k);
                continue;
            }
            const double w = static_cast<double>(sum.weight);
            const auto mean = [w](std::uint64_t total) {
                return static_cast<std::uint8_t>(std::nearbyint(static_cast<double>(total) / w));
            };
            palette[k] = {mean(sum.red), mean(sum.green), mean(sum.blue), 0};
        }
        const std::size_t room = count > palette.size() ? count - palette.size() : 0;
        const std::vector<PackedRgb> seeds = WorstServed(samples, error, vacant.size() + room);
        for (std::size_t j = 0; j < seeds.size(); ++j) {
            if (j < vacant.size())
                palette[vacant[j]] = EntryOf(seeds[j]);
            else
                palette.push_back(EntryOf(seeds[j]));
        }
        if (!changed && seeds.empty())
            break;

        // Every other entry came at most as far nearer as the furthest-moving entry moved.
        // New entries count as having moved without limit.
        double largest = palette.size() > before.size() ? HUGE_VAL : 0.0, secondLargest = 0.0;
        std::size_t largestEntry = palette.size();
        for (std::size_t k = 0; k < before.size(); ++k) {
            const double move = std::sqrt(static_cast<double>(SquaredDistance(before[k], PackedOf(palette[k]))));
            if (move > largest) {
                secondLargest = largest;
                largest = move;
                largestEntry = k;
            } else {
                secondLargest = std::max(secondLargest, move);
            }
        }
        for (std::size_t i = 0; i < samples.size(); ++i)
            othersBound[i] -= static_cast<std::size_t>(assigned[i]) == largestEntry ? secondLargest : largest;
    }
}

} // namespace ormel

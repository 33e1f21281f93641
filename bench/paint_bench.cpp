// Speed of painting through a coverage raster into a 32-bit image, the work of every brush move.
//
//   paint_bench [--benchmark_filter=...]
//
// PaintAlpha             PaintThroughCoverage at depth 5 over a 256 x 256 image through a soft
//                        round coverage raster (full cover at the centre fading to none at
//                        the rim), opacity 255 and 128
// FormulaBaseline        the same blend written straight from its formula, one division per
//                        step and a library Round per value, for comparison
// PaintAlphaSmall/<n>    the same with an n x n soft brush into the translucent image: one
//                        brush step, where the per-call set-up shows
//
// Arguments: dest, the image painted into (0 opaque, 1 fully transparent, 2 translucent with
// every alpha level), and the opacity.

#include "raster/paint.h"
#include "raster/rounding.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

using namespace ormel;

constexpr int kSize = 256;
constexpr TColor kPaint = 0x3080E0;

enum Dest { Opaque, Transparent, Translucent };

// A round soft brush of size x size: coverage byte 0 at the centre rising linearly to 255 at
// the rim and beyond.
Raster SoftCoverage(int size)
{
    Raster coverage(size, size);
    const double centre = (size - 1) / 2.0, radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x - centre, y - centre);
            const auto c = static_cast<std::uint8_t>(std::min(255.0, d * 255 / radius));
            std::uint8_t* p = coverage.pixel(x, y);
            p[0] = p[1] = p[2] = c;
        }
    return coverage;
}

void MakeDest(Dest kind, Raster& colour, Raster& mask)
{
    colour.resize(kSize, kSize);
    mask.resize(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            std::uint8_t* p = colour.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(x ^ y);
            const int t = kind == Opaque ? 0 : kind == Transparent ? 255 : (x + 3 * y) & 255;
            std::uint8_t* m = mask.pixel(x, y);
            m[0] = m[1] = m[2] = static_cast<std::uint8_t>(t);
        }
}

void FormulaBlend(const Raster& coverage, Raster& colour, Raster& mask, TColor paint, int strength)
{
    const int channels[3] = {int((paint >> 16) & 255), int((paint >> 8) & 255), int(paint & 255)};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const int c = coverage.pixel(x, y)[0];
            if (c == 255)
                continue;
            std::uint8_t* p = colour.pixel(x, y);
            std::uint8_t* m = mask.pixel(x, y);
            const double aD = (255 - m[0]) / 255.0;
            const double aS = (255 - c) * strength / 65025.0;
            const double aOut = 1 - (1 - aD) * (1 - aS);
            const double wD = (1 - aS) * aD;
            for (int i = 0; i < 3; ++i)
                p[i] = static_cast<std::uint8_t>(Round((p[i] * wD + channels[i] * aS) / aOut));
            m[0] = static_cast<std::uint8_t>(Round(255 - 255 * aOut));
        }
}

template <bool Baseline>
void Paint(benchmark::State& state)
{
    const auto kind = static_cast<Dest>(state.range(0));
    const int strength = static_cast<int>(state.range(1));
    const Raster coverage = SoftCoverage(kSize);
    Raster freshColour, freshMask;
    MakeDest(kind, freshColour, freshMask);
    Raster colour, mask;
    for (auto _ : state) {
        state.PauseTiming();
        colour = freshColour;
        mask = freshMask;
        state.ResumeTiming();
        if constexpr (Baseline)
            FormulaBlend(coverage, colour, mask, kPaint, strength);
        else
            PaintThroughCoverage(coverage, colour, mask, TRect{0, 0, kSize, kSize}, kPaint,
                                 TColor(strength) * 0x010101u, Depth32);
        benchmark::DoNotOptimize(colour.data());
        benchmark::DoNotOptimize(mask.data());
    }
    state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

void Cases(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"dest", "opacity"});
    for (int kind : {Opaque, Transparent, Translucent})
        for (int strength : {255, 128})
            b->Args({kind, strength});
    b->Unit(benchmark::kMicrosecond);
}

void PaintSmall(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Raster coverage = SoftCoverage(n);
    Raster colour, mask;
    MakeDest(Translucent, colour, mask);
    const TRect rect{kSize / 2, kSize / 2, kSize / 2 + n, kSize / 2 + n};
    for (auto _ : state) {
        PaintThroughCoverage(coverage, colour, mask, rect, kPaint, 0x808080, Depth32);
        benchmark::DoNotOptimize(colour.data());
    }
    state.SetItemsProcessed(state.iterations() * n * n);
}

BENCHMARK(Paint<false>)->Name("PaintAlpha")->Apply(Cases);
BENCHMARK(Paint<true>)->Name("FormulaBaseline")->Apply(Cases);
BENCHMARK(PaintSmall)->Name("PaintAlphaSmall")->Arg(1)->Arg(5)->Arg(16)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();

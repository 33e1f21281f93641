// Speed of the colour reduction on a 256 x 256 picture.
//
//   quantize_bench [--benchmark_filter=...]   (fixtures from ORMEL_FIXTURES, or the build's)
//
// Photo/<colours>/<dither>/<mode>      photo-board.bmp stretched to 256 x 256
// Synthetic/<colours>/<dither>/<mode>  gradients with noise, 256 x 256
// Mode 2 builds the palette from the pixels; mode 0 maps to the default palette of that size,
// as a new 16- or 256-colour format does.

#include "files/atomic_file.h"
#include "files/bmp_file.h"
#include "files/default_palettes.h"
#include "raster/quantize.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace ormel;

constexpr int kSide = 256;

// Bilinear stretch to kSide x kSide.
Raster Stretch(const Raster& source)
{
    Raster out(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        const double fy = (y + 0.5) * source.height() / kSide - 0.5;
        const int y0 = std::clamp(static_cast<int>(std::floor(fy)), 0, source.height() - 1);
        const int y1 = std::min(y0 + 1, source.height() - 1);
        const double wy = std::clamp(fy - y0, 0.0, 1.0);
        for (int x = 0; x < kSide; ++x) {
            const double fx = (x + 0.5) * source.width() / kSide - 0.5;
            const int x0 = std::clamp(static_cast<int>(std::floor(fx)), 0, source.width() - 1);
            const int x1 = std::min(x0 + 1, source.width() - 1);
            const double wx = std::clamp(fx - x0, 0.0, 1.0);
            for (int c = 0; c < 3; ++c) {
                const double top = source.pixel(x0, y0)[c] * (1 - wx) + source.pixel(x1, y0)[c] * wx;
                const double bottom = source.pixel(x0, y1)[c] * (1 - wx) + source.pixel(x1, y1)[c] * wx;
                out.pixel(x, y)[c] = static_cast<std::uint8_t>(std::lround(top * (1 - wy) + bottom * wy));
            }
        }
    }
    return out;
}

// Smooth diagonal gradients in the three channels with a little pseudo-random noise.
Raster Synthetic()
{
    Raster out(kSide, kSide);
    std::uint32_t state = 12345;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            state = state * 1664525u + 1013904223u;
            const int noise = static_cast<int>(state >> 28) - 8;
            std::uint8_t* p = out.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(std::clamp(x + noise, 0, 255));
            p[1] = static_cast<std::uint8_t>(std::clamp((x + y) / 2 + noise, 0, 255));
            p[2] = static_cast<std::uint8_t>(std::clamp(127 + static_cast<int>(120 * std::sin(y / 40.0)) + noise, 0, 255));
        }
    return out;
}

// The default palette of an image with that many entries, the fixed palette of mode 0.
std::span<const TPaletteEntry> FixedPalette(int count)
{
    if (count == 2)
        return MonochromePalette();
    if (count == 16)
        return VgaPalette();
    return HalftonePalette();
}

void Quantize(benchmark::State& state, const Raster* picture)
{
    const int count = static_cast<int>(state.range(0));
    const int dither = static_cast<int>(state.range(1));
    const int mode = static_cast<int>(state.range(2));
    TLogPalette palette;
    palette.palNumEntries = static_cast<std::uint16_t>(count);
    const std::span<const TPaletteEntry> fixed = FixedPalette(count);
    Raster indices;
    for (auto _ : state) {
        std::copy(fixed.begin(), fixed.end(), palette.palPalEntry.begin());
        QuantizeToPalette(*picture, indices, palette, count, dither, mode);
        benchmark::DoNotOptimize(indices.data());
    }
    state.SetItemsProcessed(state.iterations() * picture->width() * picture->height());
}

} // namespace

int main(int argc, char** argv)
{
    const char* dir = std::getenv("ORMEL_FIXTURES");
    const std::string path = std::string(dir && *dir ? dir : ORMEL_FIXTURES_DIR) + "/photo-board.bmp";
    std::vector<std::uint8_t> bytes;
    Raster photo;
    const bool read = ReadWholeFile(path, bytes);
    ByteReader reader(bytes);
    if (!read || !ReadBmp24(reader, photo)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    const Raster stretched = Stretch(photo);
    const Raster synthetic = Synthetic();

    for (const auto& [name, picture] : {std::pair{"Photo", &stretched}, std::pair{"Synthetic", &synthetic}})
        benchmark::RegisterBenchmark(name, Quantize, picture)
            ->ArgNames({"colours", "dither", "mode"})
            ->Args({256, 1, 2})
            ->Args({256, 0, 2})
            ->Args({16, 1, 2})
            ->Args({16, 0, 2})
            ->Args({2, 1, 2})
            ->Args({256, 1, 0})
            ->Args({16, 1, 0})
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

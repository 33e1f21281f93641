// Speed of the raster core's resampler and rotation on icon-sized rasters.
//
//   raster_bench [--benchmark_filter=...]
//
// Shrink/256/48       StretchBitmapRect 256 x 256 -> 48 x 48 (area average)
// Enlarge/48/256      StretchBitmapRect 48 x 48 -> 256 x 256 (bicubic)
// RotateBilinear/256  RotateBilinear of a 256 x 256 raster by 30 degrees, in place

#include "raster/geometry.h"
#include "raster/resample.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

namespace {

using namespace ormel;

// Smooth gradients with some fine detail, like a photograph scaled to an icon.
Raster TestPicture(int size)
{
    Raster bitmap(size, size);
    std::uint32_t noise = 12345;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            noise = noise * 1103515245u + 12345u;
            std::uint8_t* p = bitmap.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 255 / size);
            p[1] = static_cast<std::uint8_t>(y * 255 / size);
            p[2] = static_cast<std::uint8_t>(((x ^ y) & 0x7F) + ((noise >> 16) & 0x3F));
        }
    return bitmap;
}

void Stretch(benchmark::State& state)
{
    const int from = static_cast<int>(state.range(0));
    const int to = static_cast<int>(state.range(1));
    const Raster source = TestPicture(from);
    Raster dest(to, to);
    for (auto _ : state) {
        StretchBitmapRect(source, dest, TRect{0, 0, from, from}, TRect{0, 0, to, to});
        benchmark::DoNotOptimize(dest.data());
    }
    const std::int64_t larger = std::max(from, to);
    state.SetItemsProcessed(state.iterations() * larger * larger);
}

void Rotate(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const Raster picture = TestPicture(size);
    Raster bitmap = picture;
    for (auto _ : state) {
        bitmap = picture; // a fresh picture each time: the copy is a few per cent of the time
        RotateBilinear(bitmap, TRect{0, 0, size, size}, 30);
        benchmark::DoNotOptimize(bitmap.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(size) * size);
}

} // namespace

BENCHMARK(Stretch)->Name("Shrink")->Args({256, 48})->Unit(benchmark::kMicrosecond);
BENCHMARK(Stretch)->Name("Enlarge")->Args({48, 256})->Unit(benchmark::kMicrosecond);
BENCHMARK(Rotate)->Name("RotateBilinear")->Arg(256)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

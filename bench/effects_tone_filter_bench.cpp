// Speed of the tone, blur, sharpen and filter effects: one live-preview update each, that is
// one ApplyEffect computation from the backup into a 256 x 256 image. A preview that follows
// a slider needs each well under 30 ms.
//
//   effects_tone_filter_bench [--benchmark_filter=...]
//
// Blur/<value>            ApplyBlur: 200 is radius 10, the widest kernel (61 taps)
// Filter/<index>          ApplyFilter: 6 and 7 are the 7 x 7 filters (Bartlett, Gaussian),
//                         12 the 5 x 5, 14 a 3 x 3 (Trace Contour)
// BrightnessContrast      ApplyBrightnessContrast with brightness 40, contrast 80
// ColorBalance            ApplyColorBalance with 30, -20, 10
// Saturation              ApplySaturation 60
// Sharpen                 ApplySharpen 100 (amount 4)
// Indexed8/BrightnessContrast  the same on an 8-bit image: adds the colour reduction
//
// Every image is 32-bit unless named otherwise.

#include "effects/image_effects.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>

namespace {

using namespace ormel;

constexpr int kSize = 256;

// Smooth gradients with some fine detail, like a photograph scaled to an icon, with an
// alpha ramp in the mask.
TIconImage TestImage(int depth)
{
    TIconImage image;
    NewIconImage(image, kSize, kSize, -1, depth);
    std::uint32_t noise = 12345;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            noise = noise * 1103515245u + 12345u;
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(((x ^ y) & 0x7F) + ((noise >> 16) & 0x3F));
            image.Mask.pixel(x, y)[0] = static_cast<std::uint8_t>(x + y);
        }
    return image;
}

void RunEffect(benchmark::State& state, int depth, const std::function<void(const TEffectBackup&, TIconImage&)>& apply)
{
    TIconImage live = TestImage(depth);
    TEffectBackup backup;
    backup.Take(live);
    for (auto _ : state) {
        apply(backup, live);
        benchmark::DoNotOptimize(live.Bitmap.data());
    }
    state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

void Blur(benchmark::State& state)
{
    const int value = static_cast<int>(state.range(0));
    RunEffect(state, Depth32, [value](const auto& b, auto& live) { ApplyBlur(b, live, value); });
}

void Filter(benchmark::State& state)
{
    const TFilter& filter = BuiltInFilters()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(filter.Name);
    RunEffect(state, Depth32, [&filter](const auto& b, auto& live) { ApplyFilter(b, live, filter, true, true, true); });
}

void BrightnessContrast(benchmark::State& state)
{
    RunEffect(state, Depth32, [](const auto& b, auto& live) { ApplyBrightnessContrast(b, live, 40, 80); });
}

void ColorBalance(benchmark::State& state)
{
    RunEffect(state, Depth32, [](const auto& b, auto& live) { ApplyColorBalance(b, live, 30, -20, 10); });
}

void Saturation(benchmark::State& state)
{
    RunEffect(state, Depth32, [](const auto& b, auto& live) { ApplySaturation(b, live, 60); });
}

void Sharpen(benchmark::State& state)
{
    RunEffect(state, Depth32, [](const auto& b, auto& live) { ApplySharpen(b, live, 100); });
}

void Indexed8BrightnessContrast(benchmark::State& state)
{
    RunEffect(state, Depth8, [](const auto& b, auto& live) { ApplyBrightnessContrast(b, live, 40, 80); });
}

BENCHMARK(Blur)->Arg(200)->Arg(40)->Unit(benchmark::kMillisecond);
BENCHMARK(Filter)->Arg(6)->Arg(7)->Arg(12)->Arg(14)->Unit(benchmark::kMillisecond);
BENCHMARK(BrightnessContrast)->Unit(benchmark::kMillisecond);
BENCHMARK(ColorBalance)->Unit(benchmark::kMillisecond);
BENCHMARK(Saturation)->Unit(benchmark::kMillisecond);
BENCHMARK(Sharpen)->Unit(benchmark::kMillisecond);
BENCHMARK(Indexed8BrightnessContrast)->Name("Indexed8/BrightnessContrast")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

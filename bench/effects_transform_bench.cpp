// One live-preview update of each geometric and outline effect on a 256 x 256 32-bit image:
// what a dialog computes from its backup each time a slider moves.
//
//   effects_transform_bench [--benchmark_filter=...]
//
// FreeRotation      ApplyFreeRotation by 33 degrees
// Zoom/50, Zoom/250 ApplyZoom reducing and enlarging
// Stroke/1, /200    ApplyStroke, outer, at the default size and the largest
// StrokeFromDot/200 the largest outer stroke around a single pixel: every step grows
// Shadow/40, /200   ApplyShadow at the default size (blur radius 2) and the largest (radius 10)

#include "effects/free_rotation.h"
#include "effects/shadow.h"
#include "effects/stroke.h"
#include "effects/zoom.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace ormel;

constexpr int kSize = 256;

// A disc with a soft rim on a transparent background, coloured by gradients.
TIconImage TestIcon()
{
    TIconImage image;
    NewIconImage(image, kSize, kSize, -1, Depth32);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(x ^ y);
            const int dx = x - kSize / 2, dy = y - kSize / 2;
            const int distance = dx * dx + dy * dy;
            const int rim = (distance - 90 * 90) * 255 / (100 * 100 - 90 * 90);
            const int transparency = distance < 90 * 90 ? 0 : distance > 100 * 100 ? 255 : rim;
            image.Mask.pixel(x, y)[0] = static_cast<std::uint8_t>(transparency);
        }
    return image;
}

template <typename Apply>
void RunEffect(benchmark::State& state, Apply apply, TIconImage live = TestIcon())
{
    TEffectBackup backup;
    backup.Take(live);
    for (auto _ : state) {
        apply(backup, live);
        benchmark::DoNotOptimize(live.Bitmap.data());
    }
    state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

void FreeRotation(benchmark::State& state)
{
    RunEffect(state, [](const TEffectBackup& backup, TIconImage& live) { ApplyFreeRotation(backup, live, 33); });
}

void Zoom(benchmark::State& state)
{
    const int percent = static_cast<int>(state.range(0));
    RunEffect(state, [percent](const TEffectBackup& backup, TIconImage& live) { ApplyZoom(backup, live, percent); });
}

void Stroke(benchmark::State& state)
{
    const TStrokeSettings settings{static_cast<int>(state.range(0)), 255, StrokeOuter, 0x0000FF};
    RunEffect(state, [&](const TEffectBackup& backup, TIconImage& live) { ApplyStroke(backup, live, settings); });
}

void StrokeFromDot(benchmark::State& state)
{
    TIconImage dot;
    NewIconImage(dot, kSize, kSize, -1, Depth32);
    dot.Mask.pixel(3, 3)[0] = 0;
    const TStrokeSettings settings{static_cast<int>(state.range(0)), 255, StrokeOuter, 0x0000FF};
    RunEffect(state, [&](const TEffectBackup& backup, TIconImage& live) { ApplyStroke(backup, live, settings); }, dot);
}

void Shadow(benchmark::State& state)
{
    TShadowSettings settings;
    settings.Size = static_cast<int>(state.range(0));
    RunEffect(state, [&](const TEffectBackup& backup, TIconImage& live) { ApplyShadow(backup, live, settings); });
}

} // namespace

BENCHMARK(FreeRotation)->Unit(benchmark::kMillisecond);
BENCHMARK(Zoom)->Arg(50)->Arg(250)->Unit(benchmark::kMillisecond);
BENCHMARK(Stroke)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(StrokeFromDot)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(Shadow)->Arg(40)->Arg(200)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

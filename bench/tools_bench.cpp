// Speed of the freehand and bucket tools: the work of one mouse move on the canvas.
//
//   tools_bench [--benchmark_filter=...]
//
// BrushMove/<n>   one move of a soft brush stroke (diameter 7, gradient 32, alpha 128) on a
//                 256 x 256 32-bit image, the stroke already <n> points long. The stroke zigzags
//                 across the image in short steps and crosses itself many times. A move must
//                 not cost more for a longer stroke: every 32 moves the stroke is put back to
//                 <n> points (outside the timing). Only the pixels round the newest segment are
//                 repainted, and those the stroke already covers cost a blend where others are
//                 skipped, so a move costs a little more once the stroke has covered the image
//                 (by a few thousand points) and no more after that.
// BucketHover     one hover preview of the bucket on a 256 x 256 32-bit image whose every pixel
//                 lies within the tolerance of the seed: the largest region, 65536 pixels. The
//                 moves alternate between seeds of different colours, so each one fills again.
// BucketHoverSameRegion  the same, the moves alternating between two pixels of the same colour
//                 in the last region: the preview stands and nothing is filled.

#include "tools/bucket_tool.h"
#include "tools/freehand_stroke.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace ormel;

constexpr int kSize = 256;
constexpr int kMovesPerRestore = 32;

TIconImage GradientImage()
{
    TIconImage image;
    NewIconImage(image, kSize, kSize, -1, Depth32);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            p[0] = 100;
            p[1] = static_cast<std::uint8_t>(y / 8);
            p[2] = static_cast<std::uint8_t>(x / 8);
            image.Mask.pixel(x, y)[0] = static_cast<std::uint8_t>((x + y) & 255);
        }
    return image;
}

// A point bouncing round the image in steps of (3, 2): every point differs from the last.
class Zigzag {
public:
    TPoint Next()
    {
        Bounce(at_.X, step_.X);
        Bounce(at_.Y, step_.Y);
        return at_;
    }

private:
    static void Bounce(int& value, int& step)
    {
        if (value + step < 0 || value + step >= kSize)
            step = -step;
        value += step;
    }

    TPoint at_{128, 128};
    TPoint step_{3, 2};
};

void BrushMove(benchmark::State& state)
{
    const auto points = static_cast<int>(state.range(0));
    const TStrokeSettings brush = FreehandSettings(FreehandTool::Brush, 7, 32, MakeColor(200, 40, 90), 128, false);
    TIconImage startImage = GradientImage();
    TFreehandStroke startStroke;
    Zigzag startPath;
    startStroke.Press(startImage, 128, 128, 1, brush);
    for (int i = 1; i < points; ++i) {
        const TPoint p = startPath.Next();
        startStroke.Move(startImage, p.X, p.Y, 1, true);
    }

    TIconImage image = startImage;
    TFreehandStroke stroke = startStroke;
    Zigzag path = startPath;
    int moves = 0;
    for (auto _ : state) {
        if (moves == kMovesPerRestore) {
            state.PauseTiming();
            image = startImage;
            stroke = startStroke;
            path = startPath;
            moves = 0;
            state.ResumeTiming();
        }
        const TPoint p = path.Next();
        benchmark::DoNotOptimize(stroke.Move(image, p.X, p.Y, 1, true));
        ++moves;
    }
    state.counters["points"] = static_cast<double>(stroke.Points().size());
}
BENCHMARK(BrushMove)->Arg(10)->Arg(1000)->Arg(60000)->Unit(benchmark::kMicrosecond);

// Hovers between x = 100 and `otherX` on row 128.
void HoverBetween(benchmark::State& state, int otherX)
{
    const TIconImage image = GradientImage();
    TBucketTool bucket;
    const TBucketSettings settings{32, MakeColor(10, 200, 30), 128};
    int x = 100;
    for (auto _ : state) {
        x = x == 100 ? otherX : 100;
        benchmark::DoNotOptimize(&bucket.Preview(image, x, 128, 1, settings));
    }
}

// The image's red steps every 8 pixels: x = 108 seeds another colour than x = 100, x = 101 the same.
void BucketHover(benchmark::State& state) { HoverBetween(state, 108); }
BENCHMARK(BucketHover)->Unit(benchmark::kMicrosecond);

void BucketHoverSameRegion(benchmark::State& state) { HoverBetween(state, 101); }
BENCHMARK(BucketHoverSameRegion)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

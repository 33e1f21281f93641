// Speed of the cartoon effect on the photo fixture stretched to a 256 x 256 crop, with the
// shipped "cartoon3.set" and both stages ticked.
//
//   cartoon_bench [--benchmark_filter=...]
//
// ColourStage       the colour stage on the whole crop (regions, tone, blur, shifts)
// LineDrawing       the line drawing of the crop
// RenderFormats/32  everything a slider change costs: the colour stage, then one 256 x 256
//                   32-bit format with lines multiplying the colour result

#include "creators/cartoon_render.h"
#include "files/atomic_file.h"
#include "files/bmp_file.h"
#include "raster/resample.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace ormel;

constexpr int kSize = TCartoonRenderer::kSourceSize;

void RunStages(benchmark::State& state, const Raster& crop, const CartoonSettings& base, bool lines, bool colour)
{
    CartoonSettings s = base;
    s.Source = &crop;
    s.SourceX = s.SourceY = 0;
    s.Width = s.Height = kSize;
    s.LinesOn = lines;
    s.ColourOn = colour;
    s.LineStrength = 3;
    TDrawEffect effect;
    Raster out;
    for (auto _ : state) {
        effect.SetSettings(s);
        effect.Prepare();
        effect.Execute(out);
        benchmark::DoNotOptimize(out.data());
    }
}

void RenderAll(benchmark::State& state, const Raster& crop, TCartoonRenderer* renderer, int depth)
{
    TIconImageArray formats(1);
    NewIconImage(formats[0], kSize, kSize, -1, depth);
    for (auto _ : state) {
        renderer->RenderFormats(formats, crop, {0, 0, kSize, kSize}, true);
        benchmark::DoNotOptimize(formats[0].Bitmap.data());
    }
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
    Raster crop(kSize, kSize);
    StretchBitmap(photo, crop, photo.width(), photo.height(), kSize, kSize);

    TCartoonRenderer renderer;
    std::string error;
    if (renderer.LoadSettings(ORMEL_DATA_DIR, error) != 0) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    renderer.Controls.DrawSketch = renderer.Controls.DrawColor = true;
    CartoonSettings colourSettings = renderer.Settings;
    colourSettings.Reducer = renderer.Controls.Reducer;

    benchmark::RegisterBenchmark("ColourStage", RunStages, crop, colourSettings, false, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LineDrawing", RunStages, crop, renderer.Settings, true, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RenderFormats/32", RenderAll, crop, &renderer, Depth32)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

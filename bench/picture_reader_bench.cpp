// Loading a 24-megapixel photograph (6000 x 4000 JPEG, made once at start) as the
// picture-to-icon dialog does, from a file.
//
//   picture_reader_bench [--benchmark_filter=...]
//
// ReadJpeg24MP/256     decoded at the smallest reduced scale whose long side is at least 256
// ReadJpeg24MP/1024    the same for a 1024-pixel view
// ReadJpeg24MP/0       full size, for comparison
// ReadJpeg24MPTurned/256  with EXIF orientation 6, so the reduced picture is also turned

#include "files/picture_codecs.h"
#include "pictures/picture_reader.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace ormel;

// Smooth gradients with fine noise, like a photograph; encoded with the default settings.
std::vector<std::uint8_t> PhotoJpeg(int width, int height)
{
    Raster photo(width, height);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = photo.row(y);
        for (int x = 0; x < width; ++x, p += 3) {
            noise = noise * 1103515245u + 12345u;
            p[0] = static_cast<std::uint8_t>(x * 255 / width);
            p[1] = static_cast<std::uint8_t>(y * 255 / height);
            p[2] = static_cast<std::uint8_t>(((x / 7 ^ y / 5) & 0x7F) + ((noise >> 16) & 0x1F));
        }
    }
    std::vector<std::uint8_t> jpeg;
    EncodeJpeg(photo, jpeg);
    return jpeg;
}

// An EXIF block (little-endian, one entry: orientation 6) after the start marker.
std::vector<std::uint8_t> Turned(const std::vector<std::uint8_t>& jpeg)
{
    const std::uint8_t app1[] = {0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0,
                                 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    out.insert(out.end(), std::begin(app1), std::end(app1));
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

struct PhotoFiles {
    std::filesystem::path plain, turned;
    PhotoFiles()
    {
        const std::vector<std::uint8_t> jpeg = PhotoJpeg(6000, 4000);
        const auto dir = std::filesystem::temp_directory_path();
        plain = dir / ("ormel-bench-photo-" + std::to_string(::getpid()) + ".jpg");
        turned = dir / ("ormel-bench-photo-turned-" + std::to_string(::getpid()) + ".jpg");
        Save(plain, jpeg);
        Save(turned, Turned(jpeg));
    }
    ~PhotoFiles()
    {
        std::error_code ec;
        std::filesystem::remove(plain, ec);
        std::filesystem::remove(turned, ec);
    }
    static void Save(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
};

const PhotoFiles& Files()
{
    static const PhotoFiles files;
    return files;
}

void Read(benchmark::State& state, const std::filesystem::path& path)
{
    TPictureReadOptions options;
    options.MaxLongSide = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const TPictureResult result = ReadPicture(path, options);
        if (!result.Loaded())
            state.SkipWithError(result.Message.c_str());
        benchmark::DoNotOptimize(result.Picture.Colour.data());
        state.counters["width"] = result.Picture.width();
        state.counters["height"] = result.Picture.height();
    }
}

void ReadJpeg24MP(benchmark::State& state) { Read(state, Files().plain); }
void ReadJpeg24MPTurned(benchmark::State& state) { Read(state, Files().turned); }

BENCHMARK(ReadJpeg24MP)->Arg(256)->Arg(1024)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadJpeg24MPTurned)->Arg(256)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Decode and encode speed of the icon codec on the real-world fixture icons.
//
//   ico_codec_bench [--benchmark_filter=...]   (fixtures from ORMEL_FIXTURES, or the build's)
//
// Decode/<file>      ReadIconData from memory into a fresh document
// Encode/<file>      EncodeIconFile of the decoded images into a fresh byte vector
// DecodeBatch        every fixture icon once, in one loop (the shape of `ormel-cli info`)
// EncodeBatch        the same for re-encoding
// PngDirect/<entry>  DecodePng (zlib directly for the common forms) on one PNG entry
// PngLibpng/<entry>  DecodePngWithLibpng on the same entry, for comparison

#include "files/atomic_file.h"
#include "files/file_access.h"
#include "files/png_stream.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace ormel;

struct Fixture {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::int64_t pixels = 0; // over all its images, for the items-per-second figure
    TIconImageArray images;  // decoded once, the input of the encode benchmarks
};

struct PngEntry {
    std::string name; // file:index:WxH:form
    std::span<const std::uint8_t> data;
    std::int64_t pixels = 0;
};

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

// Copies each row away, so that every decoded byte is read once by the consumer.
class CopySink : public PngRowSink {
public:
    void begin(const PngInfo& info) override
    {
        info_ = info;
        rowBytes_ = static_cast<std::size_t>(info.width) * BytesPerPixel(info.layout);
        pixels_.resize(rowBytes_ * static_cast<std::size_t>(info.height));
    }
    void row(int y, const std::uint8_t* data) override
    {
        std::memcpy(pixels_.data() + rowBytes_ * static_cast<std::size_t>(y), data, rowBytes_);
    }
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }

private:
    static std::size_t BytesPerPixel(PngRowLayout layout)
    {
        switch (layout) {
        case PngRowLayout::Bgra:
        case PngRowLayout::Rgba: return 4;
        case PngRowLayout::Rgb: return 3;
        case PngRowLayout::GreyAlpha: return 2;
        case PngRowLayout::Grey: return 1;
        }
        return 4;
    }
    PngInfo info_;
    std::size_t rowBytes_ = 0;
    std::vector<std::uint8_t> pixels_;
};

std::vector<Fixture>& Fixtures()
{
    static std::vector<Fixture> fixtures;
    return fixtures;
}

std::vector<PngEntry>& PngEntries()
{
    static std::vector<PngEntry> entries;
    return entries;
}

bool LoadFixtures(const std::string& dir)
{
    std::vector<std::filesystem::path> paths;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.path().extension() == ".ico")
            paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    // Reserved up front: the PNG entries point into these byte vectors.
    Fixtures().reserve(paths.size());
    for (const auto& path : paths) {
        Fixture fixture;
        fixture.name = path.stem().string();
        if (!ReadWholeFile(path.string(), fixture.bytes)) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return false;
        }
        TIconFileAccess access;
        TIconDocument document;
        if (access.ReadIconData(fixture.bytes, document) != 0) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), access.ErrorText.c_str());
            return false;
        }
        for (const TIconImage& image : document.Images)
            fixture.pixels += std::int64_t(image.Width) * image.Height;
        fixture.images = std::move(document.Images);
        Fixtures().push_back(std::move(fixture));
    }
    if (Fixtures().empty()) {
        std::fprintf(stderr, "no .ico files in %s\n", dir.c_str());
        return false;
    }

    // The PNG entries, found by walking each file's directory.
    for (const Fixture& fixture : Fixtures()) {
        const auto& bytes = fixture.bytes;
        const int count = U16(bytes.data() + 4);
        for (int i = 0; i < count; ++i) {
            const std::uint8_t* entry = bytes.data() + 6 + 16 * i;
            const std::uint32_t size = U32(entry + 8), offset = U32(entry + 12);
            if (offset > bytes.size() || size > bytes.size() - offset)
                continue;
            const std::span<const std::uint8_t> data(bytes.data() + offset, size);
            if (!HasPngSignature(data))
                continue;
            struct InfoSink : PngRowSink {
                PngInfo info;
                void begin(const PngInfo& i) override { info = i; }
                void row(int, const std::uint8_t*) override {}
            } probe;
            if (!DecodePngWithLibpng(data, kMaxIconSide, probe))
                continue;
            const PngInfo& info = probe.info;
            const char* form = info.indexed ? "indexed" : info.storedBits == 32 ? "rgba" : info.storedBits == 24 ? "rgb"
                             : info.storedBits == 16 ? "grey-alpha" : "other";
            PngEntry png;
            png.name = fixture.name + ":" + std::to_string(i + 1) + ":" + std::to_string(info.width) + "x" +
                       std::to_string(info.height) + ":" + form;
            png.data = data;
            png.pixels = std::int64_t(info.width) * info.height;
            PngEntries().push_back(png);
        }
    }
    return true;
}

void Decode(benchmark::State& state, const Fixture* fixture)
{
    TIconFileAccess access;
    for (auto _ : state) {
        TIconDocument document;
        if (access.ReadIconData(fixture->bytes, document) != 0)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(document.Images.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * fixture->pixels);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fixture->bytes.size()));
}

void Encode(benchmark::State& state, const Fixture* fixture)
{
    TIconFileAccess access;
    std::size_t written = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> out;
        if (access.EncodeIconFile(fixture->images, out) != 0)
            state.SkipWithError("encode failed");
        written = out.size();
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * fixture->pixels);
    state.counters["out_bytes"] = static_cast<double>(written);
}

void DecodeBatch(benchmark::State& state)
{
    TIconFileAccess access;
    std::int64_t pixels = 0, bytes = 0;
    for (const Fixture& f : Fixtures())
        pixels += f.pixels, bytes += static_cast<std::int64_t>(f.bytes.size());
    for (auto _ : state) {
        for (const Fixture& f : Fixtures()) {
            TIconDocument document;
            if (access.ReadIconData(f.bytes, document) != 0)
                state.SkipWithError("decode failed");
            benchmark::DoNotOptimize(document.Images.data());
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * pixels);
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["files"] = static_cast<double>(Fixtures().size());
}

void EncodeBatch(benchmark::State& state)
{
    TIconFileAccess access;
    std::int64_t pixels = 0;
    for (const Fixture& f : Fixtures())
        pixels += f.pixels;
    for (auto _ : state) {
        for (const Fixture& f : Fixtures()) {
            std::vector<std::uint8_t> out;
            if (access.EncodeIconFile(f.images, out) != 0)
                state.SkipWithError("encode failed");
            benchmark::DoNotOptimize(out.data());
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * pixels);
    state.counters["files"] = static_cast<double>(Fixtures().size());
}

void PngDecode(benchmark::State& state, const PngEntry* entry, bool direct)
{
    CopySink sink;
    for (auto _ : state) {
        const bool ok = direct ? DecodePng(entry->data, kMaxIconSide, sink)
                               : DecodePngWithLibpng(entry->data, kMaxIconSide, sink);
        if (!ok)
            state.SkipWithError("PNG decode failed");
        benchmark::DoNotOptimize(sink.pixels().data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * entry->pixels);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(entry->data.size()));
}

} // namespace

int main(int argc, char** argv)
{
    const char* dir = std::getenv("ORMEL_FIXTURES");
    if (!LoadFixtures(dir && *dir ? dir : ORMEL_FIXTURES_DIR))
        return 1;

    for (const Fixture& f : Fixtures())
        benchmark::RegisterBenchmark(("Decode/" + f.name).c_str(), Decode, &f)->Unit(benchmark::kMicrosecond);
    for (const Fixture& f : Fixtures())
        benchmark::RegisterBenchmark(("Encode/" + f.name).c_str(), Encode, &f)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("DecodeBatch", DecodeBatch)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("EncodeBatch", EncodeBatch)->Unit(benchmark::kMicrosecond);
    for (const PngEntry& e : PngEntries()) {
        benchmark::RegisterBenchmark(("PngDirect/" + e.name).c_str(), PngDecode, &e, true)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("PngLibpng/" + e.name).c_str(), PngDecode, &e, false)
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

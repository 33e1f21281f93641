// Decodes arbitrary bytes as PNG through the direct decoder and through libpng: whenever both
// succeed they must give the same pixels.
#include "files/png_stream.h"

#include <cstdlib>

namespace {

struct Collect : ormel::PngRowSink {
    std::vector<std::uint8_t> bgra;
    ormel::PngInfo info;
    void begin(const ormel::PngInfo& i) override
    {
        info = i;
        bgra.assign(static_cast<std::size_t>(i.width) * static_cast<std::size_t>(i.height) * 4, 0);
    }
    void row(int y, const std::uint8_t* p) override
    {
        ormel::PngRowToBgra(info.layout, p, info.width, bgra.data() + static_cast<std::ptrdiff_t>(y) * info.width * 4);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    Collect mixed, reference;
    const bool a = ormel::DecodePng(bytes, 256, mixed);
    const bool b = ormel::DecodePngWithLibpng(bytes, 256, reference);
    if (a && b && mixed.bgra != reference.bgra)
        std::abort();
    return 0;
}

// Writes the seed corpus of the picture reader targets: small files of every form the readers
// take, one folder per format (jpeg, bmp, gif, other) under the directory given.
#include "files/file_access.h"
#include "files/png_stream.h"
#include "pictures/picture_samples.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace ormel;
using test::Bytes;

void Write(const std::filesystem::path& dir, const std::string& name, const Bytes& bytes)
{
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes Ramp(std::size_t count)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 29 + i / 5);
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::filesystem::path root = argv[1];

    const Bytes blocks = test::MakeBlockJpeg(3, 2, {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {9, 9, 9}, {250, 250, 250}, {90, 20, 200}});
    Write(root / "jpeg", "blocks.jpg", blocks);
    Write(root / "jpeg", "exif6-ii.jpg", test::WithExifOrientation(blocks, 6, false));
    Write(root / "jpeg", "exif3-mm.jpg", test::WithExifOrientation(blocks, 3, true));
    Write(root / "jpeg", "grey-progressive.jpg", test::MakeJpeg(20, 12, 1, true, Ramp(20 * 12)));
    Write(root / "jpeg", "rgb-progressive.jpg", test::MakeJpeg(24, 17, 3, true, Ramp(24 * 17 * 3)));
    Write(root / "jpeg", "cmyk.jpg", test::MakeJpeg(9, 9, 4, false, Ramp(9 * 9 * 4)));

    const std::vector<std::array<std::uint8_t, 3>> palette = {{0, 0, 0}, {255, 255, 255}, {10, 200, 30}, {40, 50, 60}};
    const std::pair<const char*, test::BmpParts> bmps[] = {
        {"1bit.bmp", {40, 10, 2, 1, 0, {}, palette, {0xAA, 0x80, 0, 0, 0xC0, 0xC0, 0, 0}}},
        {"4bit.bmp", {40, 3, 2, 4, 0, {}, palette, {0x01, 0x20, 0, 0, 0x23, 0x10, 0, 0}}},
        {"8bit-topdown.bmp", {40, 2, -2, 8, 0, {}, palette, {1, 2, 0, 0, 3, 0, 0, 0}}},
        {"24bit.bmp", {40, 3, 2, 24, 0, {}, {}, Ramp(24)}},
        {"555.bmp", {40, 2, 2, 16, 0, {}, {}, Ramp(8)}},
        {"565.bmp", {40, 2, 2, 16, 3, {0xF800, 0x07E0, 0x001F}, {}, Ramp(8)}},
        {"32bit-alpha.bmp", {40, 2, 2, 32, 0, {}, {}, Ramp(16)}},
        {"v5-bitfields.bmp", {124, 2, 2, 32, 3, {0xFF00, 0xFF0000, 0xFF000000, 0xFF}, {}, Ramp(16)}},
        {"alphabitfields.bmp", {40, 2, 1, 32, 6, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {}, Ramp(8)}},
        {"os2-core.bmp", {12, 2, 1, 8, 0, {}, palette, {2, 1, 0, 0}}},
        {"rle8.bmp", {40, 6, 4, 8, 1, {}, palette, {3, 1, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 0, 8, 2, 0, 1}}},
        {"rle4.bmp", {40, 5, 2, 4, 2, {}, palette, {5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 2, 0x03, 0, 1}}},
    };
    for (const auto& [name, parts] : bmps)
        Write(root / "bmp", name, test::MakeBmp(parts));

    const Bytes indices = {0, 1, 2, 3, 3, 2, 1, 0, 2, 2, 0, 1};
    Write(root / "gif", "transparent.gif", test::MakeGif({5, 4, 1, 1, 4, 3, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 8, 7}}, indices, 2, false}));
    Write(root / "gif", "interlaced.gif", test::MakeGif({4, 3, 0, 0, 4, 3, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 8, 7}}, indices, -1, true}));

    Bytes png;
    if (!EncodePngRgba(7, 5, Ramp(7 * 5 * 4).data(), png))
        return 1;
    Write(root / "other", "alpha.png", png);
    Bytes ico;
    TIconImage small, large;
    NewIconImage(small, 16, 16, -1, Depth8);
    NewIconImage(large, 32, 32, -1, Depth32);
    if (TIconFileAccess().EncodeIconFile({small, large}, ico) != 0)
        return 1;
    Write(root / "other", "two-sizes.ico", ico);
    return 0;
}

// Writes the seed corpora that the fixtures do not give: a snapshot file per depth, and a few
// PNG streams of different shapes.
#include "files/file_access.h"
#include "files/png_stream.h"

#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    using namespace ormel;
    if (argc != 3)
        return 2;
    const std::string snapshots = argv[1], pngs = argv[2];
    for (int depth = Depth1; depth <= Depth32; ++depth) {
        TIconImage image;
        NewIconImage(image, 3 + depth, 2 + depth, depth, depth);
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x) {
                image.Bitmap.pixel(x, y)[2] = static_cast<std::uint8_t>(x + y);
                image.Mask.pixel(x, y)[0] = static_cast<std::uint8_t>(x * 40);
            }
        if (TIconFileAccess().SaveSnapshot(image, snapshots + "/seed" + std::to_string(depth) + ".orm") != 0)
            return 1;
    }
    const int shapes[][2] = {{1, 1}, {16, 16}, {37, 5}};
    for (const auto& shape : shapes) {
        std::vector<std::uint8_t> bgra(static_cast<std::size_t>(shape[0] * shape[1] * 4));
        for (std::size_t i = 0; i < bgra.size(); ++i)
            bgra[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
        std::vector<std::uint8_t> png;
        if (!EncodePngRgba(shape[0], shape[1], bgra.data(), png))
            return 1;
        std::ofstream(pngs + "/seed" + std::to_string(shape[0]) + "x" + std::to_string(shape[1]) + ".png",
                      std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
    return 0;
}

// Writes every image of an icon file as raw RGBA (what our reader decoded) so that the
// interop checks can hold it against other decoders. Prints "index width height bits" lines.
#include "files/file_access.h"
#include "files/image_pixels.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace ormel;
    if (argc != 3) {
        std::fputs("usage: dump_icon FILE.ico OUTDIR\n", stderr);
        return 2;
    }
    TIconFileAccess access;
    TIconDocument document;
    if (access.OpenIconFile(argv[1], document) != 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], access.ErrorText.c_str());
        return 1;
    }
    for (std::size_t i = 0; i < document.Images.size(); ++i) {
        const TIconImage& image = document.Images[i];
        std::vector<char> rgba;
        rgba.reserve(static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height) * 4);
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x) {
                std::uint8_t b = 0, g = 0, r = 0;
                PixelColour(image, image.Bitmap.pixel(x, y), b, g, r);
                rgba.push_back(static_cast<char>(r));
                rgba.push_back(static_cast<char>(g));
                rgba.push_back(static_cast<char>(b));
                rgba.push_back(static_cast<char>(255 - image.Mask.pixel(x, y)[0]));
            }
        std::ofstream(std::string(argv[2]) + "/" + std::to_string(i) + ".rgba", std::ios::binary)
            .write(rgba.data(), static_cast<std::streamsize>(rgba.size()));
        std::printf("%zu %d %d %d\n", i, image.Width, image.Height, DepthToBits(image.ColorDepth));
    }
    return 0;
}

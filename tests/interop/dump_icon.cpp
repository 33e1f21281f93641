// Writes every image of an icon file as raw RGBA (what our reader decoded) so that the
// interop checks can hold it against other decoders. Prints "index width height bits" lines.
#include "files/file_access.h"

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
                const std::uint8_t* p = image.Bitmap.pixel(x, y);
                const TColor c = IsIndexedDepth(image.ColorDepth) ? PaletteColor(p[2], image.Palette)
                                                                  : MakeColor(p[2], p[1], p[0]);
                rgba.push_back(static_cast<char>(c & 0xFF));
                rgba.push_back(static_cast<char>((c >> 8) & 0xFF));
                rgba.push_back(static_cast<char>((c >> 16) & 0xFF));
                rgba.push_back(static_cast<char>(255 - image.Mask.pixel(x, y)[0]));
            }
        std::ofstream(std::string(argv[2]) + "/" + std::to_string(i) + ".rgba", std::ios::binary)
            .write(rgba.data(), static_cast<std::streamsize>(rgba.size()));
        std::printf("%zu %d %d %d\n", i, image.Width, image.Height, DepthToBits(image.ColorDepth));
    }
    return 0;
}

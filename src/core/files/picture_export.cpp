#include "files/atomic_file.h"
#include "files/bmp_file.h"
#include "files/file_access.h"
#include "files/image_pixels.h"
#include "files/picture_codecs.h"

#include <algorithm>
#include <cctype>

namespace ormel {

namespace {

std::string LowerExtension(const std::string& path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

// The image composed over white: (c x (255 - t) + 255 x t) div 256 per channel.
Raster ComposeOverWhite(const TIconImage& image)
{
    Raster out;
    out.resizeForOverwrite(image.Width, image.Height);
    for (int y = 0; y < image.Height; ++y) {
        const std::uint8_t* p = image.Bitmap.row(y);
        const std::uint8_t* m = image.Mask.row(y);
        std::uint8_t* o = out.row(y);
        for (int x = 0; x < image.Width; ++x, p += 3, m += 3, o += 3) {
            std::uint8_t c[3];
            PixelColour(image, p, c[0], c[1], c[2]);
            const int t = m[0];
            for (int i = 0; i < 3; ++i)
                o[i] = static_cast<std::uint8_t>((c[i] * (255 - t) + 255 * t) / 256);
        }
    }
    return out;
}

} // namespace

int TIconFileAccess::SavePicture(const std::string& path, const TIconImage& image)
{
    ErrorText = "Unknown error";
    const std::string ext = LowerExtension(path);
    if (ext != ".bmp" && ext != ".jpg" && ext != ".png" && ext != ".gif")
        return -1;
    if (!HasConsistentRasters(image))
        return -1;

    std::vector<std::uint8_t> bytes;
    bool encoded = true;
    if (ext == ".png") {
        encoded = EncodeImagePng(image, bytes);
    } else {
        const Raster composed = ComposeOverWhite(image);
        if (ext == ".bmp") {
            ByteWriter out;
            WriteBmp24(out, composed);
            bytes = std::move(out.bytes());
        } else if (ext == ".jpg") {
            encoded = EncodeJpeg(composed, bytes);
        } else {
            encoded = EncodeGif(composed, bytes);
        }
    }
    if (!encoded) {
        ErrorText = "The picture could not be encoded.";
        return -1;
    }
    if (!WriteFileAtomically(path, bytes)) {
        ErrorText = "The file could not be written.";
        return -1;
    }
    return 0;
}

} // namespace ormel

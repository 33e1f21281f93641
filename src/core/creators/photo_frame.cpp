#include "creators/photo_frame.h"

#include "raster/paint.h"
#include "raster/quantize.h"
#include "raster/resample.h"

#include <algorithm>
#include <cctype>

namespace ormel {

void ApplyPhotoFrame(const Raster& framePicture, TIconImage& image, TColor frameColour)
{
    const int width = image.Width;
    const int height = image.Height;
    if (framePicture.empty() || width <= 0 || height <= 0 || image.Bitmap.width() < width ||
        image.Bitmap.height() < height || image.Mask.width() < width || image.Mask.height() < height)
        return;
    // Areas are averaged when shrinking; enlarging interpolates linearly, which never overshoots,
    // so a fully transparent or fully covered part of the frame stays exactly 255.
    Raster frame;
    if (framePicture.width() >= width && framePicture.height() >= height) {
        frame.resizeForOverwrite(width, height);
        StretchBitmap(framePicture, frame, framePicture.width(), framePicture.height(), width, height);
    } else {
        StretchBilinear(framePicture, frame, width, height, framePicture.width(), framePicture.height());
    }

    // Blending palette indices would give unrelated colours: indexed images are framed in
    // their colours.
    const bool indexed = IsIndexedDepth(image.ColorDepth);
    const TRect whole{0, 0, width, height};
    if (indexed)
        ApplyPalette(image.Bitmap, whole, &image.Palette);

    const int frameChannel[3] = {static_cast<int>((frameColour >> 16) & 255),
                                 static_cast<int>((frameColour >> 8) & 255), static_cast<int>(frameColour & 255)};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* f = frame.row(y);
        std::uint8_t* p = image.Bitmap.row(y);
        std::uint8_t* m = image.Mask.row(y);
        for (int x = 0; x < width; ++x, f += 3, p += 3, m += 3) {
            const int cover = f[2];
            const bool clear = m[0] == 255;
            for (int k = 0; k < 3; ++k) {
                const int under = clear ? 255 : p[k];
                p[k] = static_cast<std::uint8_t>((cover * frameChannel[k] + (255 - cover) * under) / 255);
            }
            m[0] = m[1] = m[2] = f[0];
        }
    }
    if (indexed)
        QuantizeToPalette(image.Bitmap, image.Bitmap, image.Palette, image.Palette.palNumEntries, 0, 1);
}

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

} // namespace

std::vector<std::filesystem::path> ListPhotoFrames(const std::string& dataDir)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> frames;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(dataDir) / "frames", ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (it->is_regular_file(ec) && Lower(path.extension().string()) == ".bmp")
            frames.push_back(path);
    }
    std::sort(frames.begin(), frames.end(), [](const fs::path& a, const fs::path& b) {
        return Lower(a.filename().string()) < Lower(b.filename().string());
    });
    if (frames.size() > kMaxPhotoFrames)
        frames.resize(kMaxPhotoFrames);
    return frames;
}

TIconImage PhotoFrameSample(const Raster& framePicture, TColor frameColour)
{
    constexpr int kSide = 48;
    TIconImage sample;
    NewIconImage(sample, kSide, kSide, -1, Depth32);
    sample.Bitmap.fill(255, 255, 255);
    sample.Mask.fill(0, 0, 0);
    ApplyPhotoFrame(framePicture, sample, frameColour);
    return sample;
}

} // namespace ormel

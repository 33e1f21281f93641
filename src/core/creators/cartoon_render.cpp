#include "creators/cartoon_render.h"

#include "raster/quantize.h"
#include "raster/resample.h"

#include <cstddef>

namespace ormel {

namespace {

// Where the crop's rectangle lands in a format: scaled by the format's smaller side / 256.
TRect FormatRect(const TRect& cropRect, int width, int height)
{
    const double scale = (height < width ? height : width) / double(TCartoonRenderer::kSourceSize);
    return ScaleRect(cropRect, scale, scale);
}

} // namespace

std::string FormatListLabel(int width, int height, int depthCode)
{
    std::string bits = std::to_string(DepthToBits(depthCode));
    if (bits.size() < 2)
        bits += ' ';
    return std::to_string(width) + " x " + std::to_string(height) + " : " + bits;
}

int TCartoonRenderer::LoadSettings(const std::string& dataDir, std::string& errorText)
{
    if (LoadCartoonSettings(dataDir, Settings, errorText) != 0)
        return -1;
    Controls = ControlsFromSettings(Settings);
    return 0;
}

bool TCartoonRenderer::RenderFormats(TIconImageArray& formats, const Raster& crop, const TRect& cropRect, bool cartoonLike)
{
    if (crop.width() != kSourceSize || crop.height() != kSourceSize)
        return false;
    cropRect_ = cropRect;
    colourResult_ = Raster();
    if (cartoonLike && Controls.DrawColor) {
        CartoonSettings s = Settings;
        s.Source = &crop;
        s.SourceX = s.SourceY = 0;
        s.Width = s.Height = kSourceSize;
        s.LinesOn = false;
        s.ColourOn = true;
        s.Brightness = Controls.Brightness;
        s.Contrast = Controls.Contrast;
        s.Saturation = Controls.Saturation;
        s.BorderBlur = Controls.BorderBlur;
        s.Red = Controls.Red;
        s.Green = Controls.Green;
        s.Blue = Controls.Blue;
        s.Reducer = Controls.Reducer;
        s.SmoothMethod = s.SmoothRadius = 0;
        s.ReduceMethod = 0;
        s.ReduceOption = 1;
        colourEffect_.SetSettings(s);
        if (colourEffect_.Prepare())
            colourEffect_.Execute(colourResult_);
    }

    for (TIconImage& image : formats) {
        const int w = image.Width;
        const int h = image.Height;
        if (w <= 0 || h <= 0)
            continue;
        scaledCrop_.resize(w, h);
        StretchBitmapRect(crop, scaledCrop_, cropRect, FormatRect(cropRect, w, h));
        if (cartoonLike)
            RenderCartoonFormat(scaledCrop_, formatResult_, w, h);
        else
            formatResult_ = scaledCrop_;

        image.Mask.resizeForOverwrite(w, h);
        image.Mask.fill(0, 0, 0);
        const int entries = PaletteSizeForDepth(image.ColorDepth);
        if (entries == 0) {
            image.Bitmap = formatResult_;
            continue;
        }
        image.Palette.palNumEntries = static_cast<std::uint16_t>(entries);
        QuantizeToPalette(formatResult_, image.Bitmap, image.Palette, entries, 0, 1);
    }
    return true;
}

void TCartoonRenderer::RenderCartoonFormat(const Raster& source, Raster& target, int width, int height)
{
    target.resize(width, height);
    if (target.empty())
        return;
    const bool colour = Controls.DrawColor && !colourResult_.empty();
    if (!Controls.DrawSketch) {
        // Placed like the plain crop, so the picture keeps its proportions and its margins.
        if (colour)
            StretchBitmapRect(colourResult_, target, cropRect_, FormatRect(cropRect_, width, height));
        return;
    }

    CartoonSettings s = Settings;
    s.Source = &source;
    s.SourceX = s.SourceY = 0;
    s.Width = width;
    s.Height = height;
    s.LinesOn = true;
    s.ColourOn = false;
    s.Detail = Controls.Detail;
    s.Darkness = Controls.Darkness;
    s.LineSmooth = Controls.SketchSmooth;
    s.RemainDark = Controls.RemainDark;
    s.Threshold = Controls.Threshold;
    s.DarkStrength = Controls.DarkStrength;
    s.LineStrength = 3;
    lineEffect_.SetSettings(s);
    if (!lineEffect_.Prepare())
        return;
    const TSketch& sketch = lineEffect_.sketch();
    if (colour)
        StretchBilinear(colourResult_, scaledColour_, width, height, kSourceSize, kSourceSize);
    const std::span<const std::uint8_t> lines = sketch.lines();
    for (int y = 0; y < sketch.height(); ++y) {
        std::uint8_t* out = target.row(y);
        const std::uint8_t* in = colour ? scaledColour_.row(y) : nullptr;
        const std::uint8_t* line = lines.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(sketch.width());
        for (int x = 0; x < sketch.width(); ++x)
            for (int c = 0; c < 3; ++c, ++out)
                *out = colour ? static_cast<std::uint8_t>(in[3 * x + c] * line[x] / 255) : line[x];
    }
}

} // namespace ormel

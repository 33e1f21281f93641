#include "creators/draw_effect.h"

#include <algorithm>
#include <cstddef>

namespace ormel {

bool TDrawEffect::Prepare(const TBlurProgress& progress)
{
    linesReady_ = colourReady_ = false;
    const CartoonSettings& s = settings_;
    if (s.Source == nullptr)
        return false;
    if (s.LinesOn) {
        sketch_.SetSource(*s.Source, s.SourceX, s.SourceY, s.Width, s.Height);
        if (!sketch_.DrawSketch(s.LineMode, s.Detail, s.LineStrength, s.LineSmooth, s.RemainDark, s.DarkStrength,
                                s.Threshold, s.LineCap, s.Darkness, progress))
            return false;
    }
    if (s.ColourOn) {
        colour_.SetSource(*s.Source, s.SourceX, s.SourceY, s.Width, s.Height);
        colour_.ReduceColors(s.Reducer, s.ReduceMethod, s.BandLimits);
        colour_.AdjustTone(s.Brightness, s.Contrast, s.Saturation);
        colour_.SmoothColors(s.SmoothRadius, s.SmoothMethod);
        if (!colour_.BlurColors(s.BorderBlur / 20.0, progress))
            return false;
        colour_.ShiftColors(s.Red, s.Green, s.Blue);
    }
    linesReady_ = s.LinesOn;
    colourReady_ = s.ColourOn;
    return true;
}

void TDrawEffect::Execute(Raster& bitmap) const
{
    const bool both = linesReady_ && colourReady_;
    if ((!linesReady_ && !colourReady_) || (both && settings_.CombineMode != 1 && settings_.CombineMode != 2))
        return;
    const int width = linesReady_ ? sketch_.width() : colour_.width();
    const int height = linesReady_ ? sketch_.height() : colour_.height();
    if (bitmap.width() != width || bitmap.height() != height)
        bitmap.resizeForOverwrite(width, height);
    const std::span<const std::uint8_t> lines = sketch_.lines();
    const std::span<const std::uint8_t> colours = colour_.final();
    const int percent = std::clamp(settings_.BlendPercent, 0, 100);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out = bitmap.row(y);
        const std::size_t first = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (std::size_t i = first; i < first + static_cast<std::size_t>(width); ++i, out += 3)
            for (std::size_t c = 0; c < 3; ++c) {
                if (!colourReady_)
                    out[c] = lines[i];
                else if (!linesReady_)
                    out[c] = colours[3 * i + c];
                else if (settings_.CombineMode == 1)
                    out[c] = static_cast<std::uint8_t>(colours[3 * i + c] * lines[i] / 255);
                else
                    out[c] = static_cast<std::uint8_t>((colours[3 * i + c] * (100 - percent) + lines[i] * percent) / 100);
            }
    }
}

} // namespace ormel

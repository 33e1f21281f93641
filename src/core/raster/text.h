#pragma once

#include "raster/rect.h"

#include <string>

namespace ormel {

struct TFontSpec {
    std::string Name;
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// Draws text for the core; the user interface implements it with the platform's fonts.
class TextRasterizer {
public:
    virtual ~TextRasterizer() = default;
    // The width and height of the text in pixels.
    virtual void Measure(const TFontSpec& font, const std::string& text, int& width, int& height) = 0;
    // Draws the text in black with its top-left corner at (0, 0) of the bitmap.
    virtual void Draw(Raster& bitmap, const TFontSpec& font, const std::string& text) = 0;
};

// The box a line of text is drawn in: its measured width plus 1 (plus the font size for an
// italic font, whose last letter leans out), and its measured height.
void TextBoxSize(const TFontSpec& font, const std::string& text, TextRasterizer& rasterizer, int& width, int& height);

// Renders one line of text as coverage into a white square of side max(width, height) + 4 at
// the top left of dest (enlarged first when it is smaller), turned by degrees; without
// anti-aliasing the result is two-level. outRect receives the square.
void RenderText(Raster& dest, const std::string& text, const TFontSpec& font, int width, int height,
                double degrees, bool antialias, TRect& outRect, TextRasterizer& rasterizer);

} // namespace ormel

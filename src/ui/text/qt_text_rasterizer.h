#pragma once

#include "raster/text.h"

#include <QFont>

namespace ormel {

// The font of a font record. Sizes are points at 96 dots per inch, set as a pixel size of
// Round(size x 96 / 72) so that measuring and drawing do not depend on the screen.
QFont ToQFont(const TFontSpec& spec);

// Measures and draws text for the core with Qt's fonts.
class QtTextRasterizer : public TextRasterizer {
public:
    // Width: the advance of the text; height: the font's ascent plus descent.
    void Measure(const TFontSpec& font, const std::string& text, int& width, int& height) override;
    // Paints straight into the raster, wrapped as a QImage without a copy.
    void Draw(Raster& bitmap, const TFontSpec& font, const std::string& text) override;
};

} // namespace ormel

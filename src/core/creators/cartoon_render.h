#pragma once

#include "creators/cartoon_settings.h"
#include "creators/draw_effect.h"
#include "files/icon_image.h"
#include "raster/rect.h"

#include <string>

namespace ormel {

// How a format is listed: width, " x ", height, " : " and its bits ("1 ", "4 ", "8 ", "24",
// "32"), for example "32 x 32 : 32".
std::string FormatListLabel(int width, int height, int depthCode);

// Renders the formats of an icon made from a picture, plain or with the cartoon look: the
// cartoon options (the settings block of "cartoon3.set" and the controls' positions) with the
// colour result they produce and the two drivers, one for the colour stage and one for the
// line drawing.
class TCartoonRenderer {
public:
    // The side of the square source crop every format is rendered from.
    static constexpr int kSourceSize = 256;

    CartoonSettings Settings;
    CartoonControls Controls;

    // Reads "cartoon3.set" from the data directory; on success the controls take their
    // positions from it. -1 with the message in errorText leaves both as they were.
    int LoadSettings(const std::string& dataDir, std::string& errorText);

    // Renders every format from the 256 x 256 crop, whose cropRect holds the picture. With the
    // colour stage ticked and the cartoon look asked for, the colour stage first runs once on
    // the whole crop. Each format gets the crop scaled by its smaller side / 256 into its
    // top-left corner on white, rendered as a cartoon or copied, every pixel opaque; indexed
    // formats are reduced to a palette of their own entry count. False (nothing rendered) when
    // the crop is not 256 x 256.
    bool RenderFormats(TIconImageArray& formats, const Raster& crop, const TRect& cropRect, bool cartoonLike);

    // One format of width x height from its scaled crop: the line drawing (grey, or
    // multiplying the colour result scaled to the format), the colour result alone, or white
    // with neither stage ticked.
    void RenderCartoonFormat(const Raster& source, Raster& target, int width, int height);

private:
    TDrawEffect colourEffect_;
    TDrawEffect lineEffect_;
    Raster colourResult_;
    Raster scaledColour_;
    TRect cropRect_;
    Raster scaledCrop_;
    Raster formatResult_;
};

} // namespace ormel

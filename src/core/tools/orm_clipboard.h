#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ormel {

// The name under which the editor's own clipboard format is registered.
inline constexpr const char* kOrmelClipboardFormat = "CF_ORMEL";

// The system clipboard as far as the editor uses it; the window layer implements it.
class TSystemClipboard {
public:
    virtual ~TSystemClipboard() = default;
    // Empties the clipboard, then puts the editor's block and the bitmap for other programs.
    // False when the clipboard did not take them.
    virtual bool Put(const std::vector<std::uint8_t>& ormelBlock, const Raster& bitmap) = 0;
    // The editor's block, when the clipboard holds one.
    virtual bool GetOrmelBlock(std::vector<std::uint8_t>& block) const = 0;
    // The clipboard's bitmap as 24 bits, when it holds one, read once with its opacity (0..255,
    // row by row); `alpha` is left empty when the bitmap is opaque.
    virtual bool GetBitmap(Raster& bitmap, std::vector<std::uint8_t>& alpha) const = 0;
};

// The pictures of the selected pixels inside `rect` (normalised, clipped to the image), each
// of the rectangle's size. A pixel is selected where byte 0 of the region is above 254; there
// the colour picture holds its colour (indexed images through the palette), the mask picture
// its transparency in all three bytes, and the composite the colour blended over `background`
// as ((255 - m) x c + m x b) div 256 per channel. Elsewhere all three are white.
void ExtractSelection(const TIconImage& image, const Raster& region, TColor background, TRect rect,
                      Raster& composite, Raster& maskPicture, Raster& colourPicture);

// The editor's clipboard block: the colour picture and then the mask picture, each a complete
// 24-bit BMP file. The pictures have the same size, so the mask starts at half the block.
std::vector<std::uint8_t> EncodeOrmelBlock(const Raster& colourPicture, const Raster& maskPicture);
// Refuses (false, pictures untouched) a block whose halves are not two BMP files of the form
// above and of one size.
bool DecodeOrmelBlock(std::span<const std::uint8_t> block, Raster& colourPicture, Raster& maskPicture);

// Moves selected pixels to and from the system clipboard.
class TOrmClipboard {
public:
    explicit TOrmClipboard(TSystemClipboard& clipboard) : clipboard_(clipboard) {}

    // Puts the selection inside `rect` on the clipboard, as the editor's block and as the
    // composite bitmap. An empty rectangle (after clipping to the image) leaves the clipboard
    // as it was and gives false; so does a clipboard that refuses the data.
    bool CopyToClipboard(const TIconImage& image, const Raster& region, TRect rect, TColor background);
    // The picture to paste: the editor's block when the clipboard holds a readable one, else
    // its bitmap, with its alpha as the mask when it has one and a black (opaque) mask else. `rect` is (0, 0, width, height). False, with
    // nothing to paste, when there is neither.
    bool ReadClipboard(Raster& colourPicture, Raster& maskPicture, TRect& rect) const;

private:
    TSystemClipboard& clipboard_;
};

} // namespace ormel

#pragma once

#include "files/icon_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ormel {

// One open icon in the mixer, with how it is laid into the mix.
struct TMixerItem {
    std::string Name;
    const TIconImageArray* Images = nullptr; // the document's images, read only
    Raster Thumbnail;                        // 32 x 32 for the list
    std::vector<std::int32_t> FormatIndex;   // per common size: the image used for it
    std::int32_t OffsetX = 0;                // -256 to 256
    std::int32_t OffsetY = 0;                // -256 to 256
    bool FlipVertical = false;
    bool FlipHorizontal = false;
    std::int32_t Angle = 0;   // degrees, 0 to 359
    std::int32_t Zoom = 0;    // pixels added on each side
    std::int32_t Opacity = 255;
};

struct TMixerSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TMixerSize&) const = default;
};

// The item's name: the document's file name, else its library entry name, else "Orm Icon".
std::string MixerItemName(const std::string& fileName, const std::string& libEntryName);

// The sizes every item has an image of, in the order they first appear among the first
// item's images. Sets each item's FormatIndex: per common size, its image of that size with
// the greatest depth (the first among equals).
std::vector<TMixerSize> FindCommonSizes(std::vector<TMixerItem>& items);

// Mixes common size number `sizeIndex` into `result`, a new 32-bit image: the items' images of
// that size, each flipped, rotated, zoomed and shifted as the item says, stacked with the first
// item on top.
void MixCommonSize(const std::vector<TMixerItem>& items, int sizeIndex, const TMixerSize& size, TIconImage& result);

// Draws an icon's list thumbnail into `thumbnail`, made 32 x 32: the image the library's
// thumbnail rule picks (the image depth standing for the bit count), fitted, over white.
void DrawMixerThumbnail(const TIconImageArray& images, Raster& thumbnail);

// "Mixer Icon(" followed by every item's name and a blank, then ")".
std::string MixerCaption(const std::vector<TMixerItem>& items);

} // namespace ormel

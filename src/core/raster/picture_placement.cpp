#include "raster/picture_placement.h"

namespace ormel {

TRect PlaceInBox(int boxWidth, int boxHeight, int width, int height)
{
    if (boxWidth <= 0 || boxHeight <= 0 || width <= 0 || height <= 0)
        return TRect{};
    if (width > boxWidth || height > boxHeight)
        return TRect{0, 0, boxWidth, boxHeight};
    const int left = (boxWidth - width) / 2;
    const int top = (boxHeight - height) / 2;
    return TRect{left, top, left + width, top + height};
}

} // namespace ormel

#pragma once

#include "files/raster.h"

#include <QImage>

namespace ormel {

// A QImage over the raster's own bytes (no copy): QPainter can draw into it, and it can be
// drawn. It is valid while the raster keeps its size.
inline QImage WrapRaster(Raster& raster)
{
    return QImage(raster.data(), raster.width(), raster.height(), raster.stride(), QImage::Format_BGR888);
}

inline QImage WrapRaster(const Raster& raster)
{
    return QImage(raster.data(), raster.width(), raster.height(), raster.stride(), QImage::Format_BGR888);
}

} // namespace ormel

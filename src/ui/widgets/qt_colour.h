#pragma once

#include "files/icon_image.h"

#include <QColor>

namespace ormel {

// The editor's colours (red in the low byte) as Qt's and back.
inline QColor ToQColor(TColor colour)
{
    return QColor(int(colour & 255), int((colour >> 8) & 255), int((colour >> 16) & 255));
}

inline TColor FromQColor(const QColor& colour)
{
    return MakeColor(std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue()));
}

} // namespace ormel

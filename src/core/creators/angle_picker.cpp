#include "creators/angle_picker.h"

#include "raster/rounding.h"

#include <cmath>
#include <numbers>

namespace ormel {
namespace {

constexpr int kKnobInset = 8;

} // namespace

int NormalizeAngle(int degrees)
{
    const int angle = degrees % 360;
    return angle < 0 ? angle + 360 : angle;
}

int AngleFromPointer(int x, int y, int controlWidth)
{
    const int centre = controlWidth / 2;
    const int dx = x - centre;
    const int dy = centre - y;
    int angle;
    if (dx == 0) {
        angle = dy >= 1 ? 90 : 270;
    } else {
        angle = Trunc(std::atan(double(dy) / dx) * 180 / std::numbers::pi);
        if (dx < 0)
            angle += 180;
    }
    return (angle + 360) % 360;
}

TPoint AngleKnobCentre(int angle, int controlWidth)
{
    const int centre = controlWidth / 2;
    const double radians = angle * std::numbers::pi / 180;
    const double reach = centre - kKnobInset;
    return TPoint{Round(centre + std::cos(radians) * reach), Round(centre - std::sin(radians) * reach)};
}

} // namespace ormel

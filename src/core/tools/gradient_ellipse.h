#pragma once

#include "tools/gradient_rect.h"

namespace ormel {

// The ellipse inscribed in the shape's rectangle, its border band centred on the curve (half
// the border on each side). Painted like the rectangle.
class TGradientEllipse : public TGradientRect {
public:
    using TGradientRect::TGradientRect;

    TShapeClass Classify(int x, int y) const override;

protected:
    void LayOutShape(const TRect& bounds) override;

private:
    double centreX_ = 0;
    double centreY_ = 0;
    double a_ = 0;
    double b_ = 0;
    double aSquared_ = 0;
    double bSquared_ = 0;
};

} // namespace ormel

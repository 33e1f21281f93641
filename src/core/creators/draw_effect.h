#pragma once

#include "creators/cartoon_settings.h"
#include "creators/colour_step.h"
#include "creators/sketch.h"

namespace ormel {

// Runs the cartoon stages that a settings block switches on, over the block's area of its
// source bitmap, and combines their results.
class TDrawEffect {
public:
    // Takes a copy of the block; the source bitmap it names must outlive Prepare.
    void SetSettings(const CartoonSettings& settings) { settings_ = settings; }

    // Runs the line drawing and/or the colour stage. False when there is no source or the
    // abort flag of `progress` stopped a blur; the stages are then not ready.
    bool Prepare(const TBlurProgress& progress = {});

    // Writes the result into `bitmap`, which takes the area's size: the grey line values,
    // the colour stage's pixels, or both combined (combine mode 1 multiplies, 2 blends with
    // the lines weighing the blend percent). Any other combine mode, or nothing prepared,
    // leaves the bitmap alone.
    void Execute(Raster& bitmap) const;

    const TSketch& sketch() const { return sketch_; }
    const TColorStep& colourStep() const { return colour_; }

private:
    CartoonSettings settings_;
    TSketch sketch_;
    TColorStep colour_;
    bool linesReady_ = false;
    bool colourReady_ = false;
};

} // namespace ormel

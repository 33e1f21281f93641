#include "effects/effect_backup.h"

#include "raster/paint.h"
#include "raster/quantize.h"

namespace ormel {

void TEffectBackup::Take(const TIconImage& image)
{
    CopyIconImage(image, backup_);
    if (!Indexed())
        return;
    CopyIconImage(image, working_);
    ApplyPalette(working_.Bitmap, TRect{0, 0, working_.Width, working_.Height}, &working_.Palette);
    working_.Palette.palNumEntries = 0;
    working_.ColorDepth = Depth32;
}

void TEffectBackup::Restore(TIconImage& live) const { CopyIconImage(backup_, live); }

void ReduceToImagePalette(TIconImage& live)
{
    if (!IsIndexedDepth(live.ColorDepth))
        return;
    QuantizeToPalette(live.Bitmap, live.Bitmap, live.Palette, PaletteSizeForDepth(live.ColorDepth), 0, 2);
}

} // namespace ormel

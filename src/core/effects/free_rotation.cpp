#include "effects/free_rotation.h"

#include "effects/flatten_over_white.h"
#include "raster/geometry.h"

namespace ormel {

void ApplyFreeRotation(const TEffectBackup& effectBackup, TIconImage& live, int degrees)
{
    const TIconImage& backup = effectBackup.Backup();
    CopyIconImage(backup, live);
    const TRect whole{0, 0, backup.Width, backup.Height};
    if (IsIndexedDepth(backup.ColorDepth)) {
        // Pixels with no source come out as bytes 255, 0, 0: index 0 in the colour raster,
        // fully transparent in the mask.
        RotateNearest(backup.Bitmap, live.Bitmap, whole, degrees);
        RotateNearest(backup.Mask, live.Mask, whole, degrees);
        return;
    }
    RotateBilinear(live.Bitmap, whole, degrees);
    RotateBilinear(live.Mask, whole, degrees);
    if (live.ColorDepth == Depth24)
        FlattenOverWhite(live);
}

} // namespace ormel

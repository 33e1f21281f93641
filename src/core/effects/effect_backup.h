#pragma once

#include "files/icon_image.h"

namespace ormel {

// What an effect dialog keeps of the image it changes: an unedited copy and, for an indexed
// image, a true-colour working copy. Every setting is computed afresh from these into the
// image, so moving a control back and forth never accumulates error, and Restore puts the
// image back exactly.
class TEffectBackup {
public:
    // Copies the whole image (colours, mask, palette). An indexed image also gets its working
    // copy: its colours resolved through its palette, depth 32, no palette entries.
    void Take(const TIconImage& image);

    const TIconImage& Backup() const { return backup_; }
    bool Indexed() const { return IsIndexedDepth(backup_.ColorDepth); }
    // The image the effects compute from: the working copy for an indexed image, the backup
    // otherwise.
    const TIconImage& Working() const { return Indexed() ? working_ : backup_; }
    const Raster& Source() const { return Working().Bitmap; }

    // Copies the backup back into the image: colours, mask and palette.
    void Restore(TIconImage& live) const;

private:
    TIconImage backup_;
    TIconImage working_;
};

// Turns the true colours an effect wrote into an indexed image's colour raster back into
// indices, with a new palette of the image's entry count. True-colour images stay as they are.
void ReduceToImagePalette(TIconImage& live);

} // namespace ormel

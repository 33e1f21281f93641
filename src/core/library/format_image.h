#pragma once

#include "files/file_access.h"
#include "files/icon_image.h"
#include "library/icon_library.h"

namespace ormel {

// Where the image of a library format is held: in its snapshot file or, for an image read from a
// library file, in the bytes of its icon resource until its snapshot file is written.

// True when the format has an image to load.
bool HasImage(const TIconFormat& format);

// Loads the format's image from its snapshot file or decodes it from its resource bytes.
// Returns 0, or -1 with access.ErrorText set.
int LoadFormatImage(const TIconFormat& format, TIconImage& image, TIconFileAccess& access);

// Writes a snapshot file for every format still held as resource bytes and lets the bytes go;
// bytes that do not decode are let go without a file. Returns 0, or -1 with LastMessage set
// when a file cannot be written; the formats not written keep their bytes.
int WriteSnapshotFiles(TIconLibrary& library);

} // namespace ormel

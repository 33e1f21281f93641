#pragma once

#include "files/byte_stream.h"
#include "files/raster.h"

namespace ormel {

// A complete 24-bit BMP file (14-byte file header, 40-byte information header, rows bottom
// row first, padded to 4 bytes).
void WriteBmp24(ByteWriter& out, const Raster& raster);

// Decodes one BMP file of the form above starting at the reader's position, and moves the
// reader past it (by the size its file header gives). Only uncompressed 24-bit BMPs are
// accepted; every size is checked against the bytes present. False leaves `raster` untouched.
bool ReadBmp24(ByteReader& in, Raster& raster);

} // namespace ormel

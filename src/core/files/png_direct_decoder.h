#pragma once

#include "files/png_stream.h"

namespace ormel {

enum class DirectDecode { Done, Failed, NotHandled };

// Decodes 8-bit RGB, RGBA, grey and grey-with-alpha non-interlaced PNGs straight on zlib, the
// forms nearly every icon uses, checking every chunk's CRC. Anything else, and anything unusual before the image
// data, is NotHandled and left to libpng; the sink is called only once the image has been
// inflated and unfiltered successfully.
DirectDecode DecodePngDirect(std::span<const std::uint8_t> data, int maxSide, PngRowSink& sink);

// The header DecodePngDirect would hand its sink, read without inflating the image data (which
// are not checked): false for every PNG that it leaves to libpng.
bool ReadDirectPngHeader(std::span<const std::uint8_t> data, int maxSide, PngInfo& info);

} // namespace ormel

#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ormel {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool HasPngSignature(std::span<const std::uint8_t> bytes);

// How the bytes of a decoded row are laid out, 8 bits per sample.
enum class PngRowLayout { Bgra, Rgba, Rgb, GreyAlpha, Grey };

struct PngInfo {
    int width = 0;
    int height = 0;
    bool indexed = false;  // the stream holds palette indices
    bool hasAlpha = false; // an alpha channel or a transparency chunk
    int storedBits = 0;    // bits per pixel of the stream itself (bit depth x channels)
    PngRowLayout layout = PngRowLayout::Bgra;
};

// Converts one decoded row of `width` pixels to 8-bit blue, green, red, alpha.
void PngRowToBgra(PngRowLayout layout, const std::uint8_t* row, int width, std::uint8_t* bgra);

// Takes the decoded image row by row, top to bottom, in the layout that PngInfo gives.
class PngRowSink {
public:
    virtual ~PngRowSink() = default;
    // Called once before the first row, with the image's size known to be within bounds.
    virtual void begin(const PngInfo& info) = 0;
    virtual void row(int y, const std::uint8_t* bgra) = 0;
};

// Decodes any PNG libpng can read (grey, palette, 16 bits, interlaced) to 8-bit rows.
// Refuses images wider or taller than maxSide before allocating anything for them. The common
// 8-bit RGB, RGBA, grey and grey-with-alpha forms are decoded directly on zlib, the rest by
// libpng to BGRA. On failure the sink may have received some rows.
bool DecodePng(std::span<const std::uint8_t> data, int maxSide, PngRowSink& sink);
// The libpng path alone, for any form (tests and benchmarks compare the two).
bool DecodePngWithLibpng(std::span<const std::uint8_t> data, int maxSide, PngRowSink& sink);

// Encodes 8-bit BGRA rows (width * 4 bytes each, no padding) as an RGBA PNG (colour type 6)
// with the library's default compression.
bool EncodePngRgba(int width, int height, const std::uint8_t* bgra, std::vector<std::uint8_t>& out);

} // namespace ormel

#include "files/png_direct_decoder.h"

#include "files/raster.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ormel {

namespace {

std::uint32_t LoadBE32(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

struct Chunk {
    std::uint32_t type = 0;
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    bool crcOk = false;
};

constexpr std::uint32_t Tag(const char (&s)[5])
{
    return (std::uint32_t(std::uint8_t(s[0])) << 24) | (std::uint32_t(std::uint8_t(s[1])) << 16) |
           (std::uint32_t(std::uint8_t(s[2])) << 8) | std::uint8_t(s[3]);
}

// Reads the chunk at `pos`; false when it does not fit in the data.
bool NextChunk(std::span<const std::uint8_t> data, std::size_t& pos, Chunk& chunk)
{
    if (data.size() - pos < 12)
        return false;
    const std::uint32_t length = LoadBE32(data.data() + pos);
    if (length > 0x7FFFFFFFu || data.size() - pos - 12 < length)
        return false;
    chunk.type = LoadBE32(data.data() + pos + 4);
    chunk.data = data.data() + pos + 8;
    chunk.length = length;
    const auto crc = static_cast<std::uint32_t>(crc32(0, data.data() + pos + 4, length + 4));
    chunk.crcOk = crc == LoadBE32(data.data() + pos + 8 + length);
    pos += 12 + std::size_t(length);
    return true;
}

bool IsCritical(std::uint32_t type) { return (type & 0x20000000u) == 0; }

[[maybe_unused]] std::uint8_t PaethScalar(int a, int b, int c)
{
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return static_cast<std::uint8_t>(a);
    return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

#if defined(__SSE2__)
// Paeth over one pixel (3 or 4 bytes) at a time, all channels in 16-bit lanes.
template <std::size_t bpp>
void UnfilterPaeth(std::uint8_t* cur, const std::uint8_t* prev, std::size_t n)
{
    const __m128i zero = _mm_setzero_si128();
    __m128i a = zero, c = zero;
    for (std::size_t i = 0; i < n; i += bpp) {
        std::uint32_t bRaw = 0, xRaw = 0;
        std::memcpy(&bRaw, prev + i, bpp);
        std::memcpy(&xRaw, cur + i, bpp);
        const __m128i b = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(bRaw)), zero);
        const __m128i x = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(xRaw)), zero);
        __m128i pa = _mm_sub_epi16(b, c);
        __m128i pb = _mm_sub_epi16(a, c);
        __m128i pc = _mm_add_epi16(pa, pb);
        pa = _mm_max_epi16(pa, _mm_sub_epi16(zero, pa));
        pb = _mm_max_epi16(pb, _mm_sub_epi16(zero, pb));
        pc = _mm_max_epi16(pc, _mm_sub_epi16(zero, pc));
        const __m128i smallest = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
        const __m128i useA = _mm_cmpeq_epi16(pa, smallest);
        const __m128i useB = _mm_andnot_si128(useA, _mm_cmpeq_epi16(pb, smallest));
        const __m128i useC = _mm_andnot_si128(_mm_or_si128(useA, useB), _mm_set1_epi16(-1));
        const __m128i nearest =
            _mm_or_si128(_mm_or_si128(_mm_and_si128(useA, a), _mm_and_si128(useB, b)), _mm_and_si128(useC, c));
        const __m128i value = _mm_and_si128(_mm_add_epi16(x, nearest), _mm_set1_epi16(0xFF));
        const auto out = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(value, zero)));
        std::memcpy(cur + i, &out, bpp);
        a = value;
        c = b;
    }
}
#else
template <std::size_t bpp>
void UnfilterPaeth(std::uint8_t* cur, const std::uint8_t* prev, std::size_t n)
{
    for (std::size_t i = 0; i < bpp; ++i)
        cur[i] = static_cast<std::uint8_t>(cur[i] + PaethScalar(0, prev[i], 0));
    for (std::size_t i = bpp; i < n; ++i)
        cur[i] = static_cast<std::uint8_t>(cur[i] + PaethScalar(cur[i - bpp], prev[i], prev[i - bpp]));
}
#endif

// Byte-wise sum and floor average of the bytes packed in two words, without carries between
// bytes: the Sub and Average filters work on one whole pixel at a time with these.
std::uint32_t AddBytes(std::uint32_t x, std::uint32_t y)
{
    return ((x & 0x7F7F7F7Fu) + (y & 0x7F7F7F7Fu)) ^ ((x ^ y) & 0x80808080u);
}
std::uint32_t AverageBytes(std::uint32_t x, std::uint32_t y) { return (x & y) + (((x ^ y) & 0xFEFEFEFEu) >> 1); }

template <std::size_t bpp>
void UnfilterSub(std::uint8_t* cur, std::size_t n)
{
    std::uint32_t left = 0;
    for (std::size_t i = 0; i < n; i += bpp) {
        std::uint32_t x = 0;
        std::memcpy(&x, cur + i, bpp);
        left = AddBytes(x, left);
        std::memcpy(cur + i, &left, bpp);
    }
}

template <std::size_t bpp>
void UnfilterAverage(std::uint8_t* cur, const std::uint8_t* prev, std::size_t n)
{
    std::uint32_t left = 0;
    for (std::size_t i = 0; i < n; i += bpp) {
        std::uint32_t x = 0, up = 0;
        std::memcpy(&x, cur + i, bpp);
        std::memcpy(&up, prev + i, bpp);
        left = AddBytes(x, AverageBytes(left, up));
        std::memcpy(cur + i, &left, bpp);
    }
}

// The rows never overlap, which lets the compiler vectorise the sum.
void UnfilterUp(std::uint8_t* __restrict cur, const std::uint8_t* __restrict prev, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        cur[i] = static_cast<std::uint8_t>(cur[i] + prev[i]);
}

template <std::size_t bpp>
bool UnfilterRow(int filter, std::uint8_t* cur, const std::uint8_t* prev, std::size_t n)
{
    switch (filter) {
    case 0: return true;
    case 1: UnfilterSub<bpp>(cur, n); return true;
    case 2: UnfilterUp(cur, prev, n); return true;
    case 3: UnfilterAverage<bpp>(cur, prev, n); return true;
    case 4: UnfilterPaeth<bpp>(cur, prev, n); return true;
    default: return false;
    }
}

// Undoes one row's filter in place; `prev` is the previous unfiltered row (zeros for the first).
bool Unfilter(int filter, std::uint8_t* cur, const std::uint8_t* prev, std::size_t n, std::size_t bpp)
{
    switch (bpp) {
    case 4: return UnfilterRow<4>(filter, cur, prev, n);
    case 3: return UnfilterRow<3>(filter, cur, prev, n);
    case 2: return UnfilterRow<2>(filter, cur, prev, n);
    default: return UnfilterRow<1>(filter, cur, prev, n);
    }
}

class Inflater {
public:
    explicit Inflater(std::uint8_t* out, std::size_t size)
    {
        z_.next_out = out;
        z_.avail_out = static_cast<uInt>(size);
        ok_ = inflateInit(&z_) == Z_OK;
        // Every chunk's CRC is checked already; the zlib checksum would only repeat it.
        if (ok_)
            inflateValidate(&z_, 0);
    }
    ~Inflater()
    {
        if (ok_)
            inflateEnd(&z_);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool full() const { return z_.avail_out == 0; }

    // Feeds one chunk of compressed data; false on a corrupt stream or one that ends before
    // the image is complete.
    bool feed(const std::uint8_t* data, std::uint32_t length)
    {
        if (!ok_)
            return false;
        z_.next_in = const_cast<Bytef*>(data);
        z_.avail_in = length;
        while (z_.avail_in > 0 && z_.avail_out > 0) {
            const int ret = inflate(&z_, Z_NO_FLUSH);
            if (ret == Z_STREAM_END)
                return z_.avail_out == 0;
            if (ret != Z_OK)
                return false;
        }
        return true;
    }

private:
    z_stream z_{};
    bool ok_ = false;
};

// Reads the header of a PNG of one of the direct forms and the chunks up to its first image
// data, which is left in `chunk` with `pos` after it. False for any other PNG.
bool ReadDirectHeader(std::span<const std::uint8_t> data, int maxSide, std::size_t& pos, Chunk& chunk, PngInfo& info)
{
    if (!HasPngSignature(data))
        return false;
    pos = sizeof kPngSignature;
    if (!NextChunk(data, pos, chunk) || chunk.type != Tag("IHDR") || chunk.length != 13 || !chunk.crcOk)
        return false;
    const std::uint32_t width = LoadBE32(chunk.data);
    const std::uint32_t height = LoadBE32(chunk.data + 4);
    const int bitDepth = chunk.data[8], colorType = chunk.data[9];
    const bool simpleForm = bitDepth == 8 && (colorType == 0 || colorType == 2 || colorType == 4 || colorType == 6) &&
                            chunk.data[10] == 0 && chunk.data[11] == 0 && chunk.data[12] == 0;
    if (!simpleForm || width < 1 || height < 1 || width > std::uint32_t(maxSide) || height > std::uint32_t(maxSide))
        return false;

    // Up to the first image data: only chunks that change nothing in the pixels.
    for (;;) {
        if (!NextChunk(data, pos, chunk))
            return false;
        if (chunk.type == Tag("IDAT"))
            break;
        if (chunk.type == Tag("tRNS") || (IsCritical(chunk.type) && chunk.type != Tag("PLTE")))
            return false;
    }

    const int bpp = colorType == 6 ? 4 : colorType == 2 ? 3 : colorType == 4 ? 2 : 1;
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);
    info.indexed = false;
    info.hasAlpha = colorType == 6 || colorType == 4;
    info.storedBits = bpp * 8;
    info.layout = colorType == 6   ? PngRowLayout::Rgba
                  : colorType == 2 ? PngRowLayout::Rgb
                  : colorType == 4 ? PngRowLayout::GreyAlpha
                                   : PngRowLayout::Grey;
    return true;
}

} // namespace

bool ReadDirectPngHeader(std::span<const std::uint8_t> data, int maxSide, PngInfo& info)
{
    std::size_t pos = 0;
    Chunk chunk;
    return ReadDirectHeader(data, maxSide, pos, chunk, info);
}

DirectDecode DecodePngDirect(std::span<const std::uint8_t> data, int maxSide, PngRowSink& sink)
{
    std::size_t pos = 0;
    Chunk chunk;
    PngInfo info;
    if (!ReadDirectHeader(data, maxSide, pos, chunk, info))
        return DirectDecode::NotHandled;
    const auto width = static_cast<std::size_t>(info.width);
    const auto height = static_cast<std::size_t>(info.height);
    const auto bpp = static_cast<std::size_t>(info.storedBits / 8);
    const std::size_t rowBytes = bpp * width;
    const std::size_t stride = rowBytes + 1;
    std::vector<std::uint8_t, DefaultInitAllocator<std::uint8_t>> filtered(stride * height);
    {
        Inflater inflater(filtered.data(), filtered.size());
        for (;;) {
            if (chunk.type != Tag("IDAT") || !chunk.crcOk || !inflater.feed(chunk.data, chunk.length))
                return DirectDecode::Failed;
            if (inflater.full())
                break;
            if (!NextChunk(data, pos, chunk))
                return DirectDecode::Failed;
        }
    }

    const std::vector<std::uint8_t> zeros(rowBytes, 0);
    const std::uint8_t* prev = zeros.data();
    for (std::size_t y = 0; y < height; ++y) {
        std::uint8_t* row = filtered.data() + stride * y;
        if (!Unfilter(row[0], row + 1, prev, rowBytes, bpp))
            return DirectDecode::Failed;
        prev = row + 1;
    }

    sink.begin(info);
    for (std::size_t y = 0; y < height; ++y)
        sink.row(static_cast<int>(y), filtered.data() + stride * y + 1);
    return DirectDecode::Done;
}

} // namespace ormel

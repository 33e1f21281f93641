#pragma once

#include "files/byte_stream.h"
#include "files/icon_document.h"
#include "files/icon_image.h"

#include <span>
#include <string>
#include <vector>

namespace ormel {

// The largest width or height an icon directory can declare.
constexpr int kMaxIconSide = 256;
// Images up to this size are stored as bitmaps with an AND mask, larger ones as PNG.
constexpr int kMaxDibSide = 128;

enum class StoredForm { Dib, Png };

// What the reader found for one directory entry (for listings and batch checks).
struct TIconEntryInfo {
    int declaredBits = 0; // the directory's bit count
    int storedBits = 0;   // the bits per pixel of the stored bitmap or PNG
    StoredForm form = StoredForm::Dib;
    bool loaded = false;
};

// Reads and writes icon files, icon image blocks and snapshot files. Every operation returns
// 0 or -1 and leaves the reason for a failure in ErrorText.
class TIconFileAccess {
public:
    std::string ErrorText;

    // Reads an icon file into `document` (its images, FileDir and FileName). When only some
    // entries can be read the loaded ones are kept and the result is -1.
    int OpenIconFile(const std::string& path, TIconDocument& document,
                     std::vector<TIconEntryInfo>* entries = nullptr);
    // The same from bytes in memory; leaves the file identity alone.
    int ReadIconData(std::span<const std::uint8_t> bytes, TIconDocument& document,
                     std::vector<TIconEntryInfo>* entries = nullptr);
    int ReadDirectoryEntry(ByteReader& stream, int index, TIconImage& record, TIconEntryInfo* info = nullptr);
    // Reads one image whose data begins at the stream's position and runs to its end.
    int ReadImageData(ByteReader& stream, int declaredBits, TIconImage& record, TIconEntryInfo* info = nullptr);

    int SaveIconFile(const std::string& path, const TIconImageArray& images);
    int EncodeIconFile(const TIconImageArray& images, std::vector<std::uint8_t>& out);
    int WriteImageData(ByteWriter& stream, const TIconImage& record);

    // Writes one image as a picture chosen by the path's extension (".bmp", ".jpg", ".png",
    // ".gif", in any case); only PNG keeps transparency, the others are composed over white.
    int SavePicture(const std::string& path, const TIconImage& image);

    int SaveSnapshot(const TIconImage& record, const std::string& path);
    void EncodeSnapshot(const TIconImage& record, ByteWriter& out);
    int LoadSnapshot(TIconImage& record, const std::string& path);
    int DecodeSnapshot(TIconImage& record, std::span<const std::uint8_t> bytes);
};

// Turns a true-colour image read from a PNG back into an indexed one of at least
// `declaredBits` bits when it has at most 256 distinct colours; otherwise makes it 24-bit.
void BuildPaletteFromColours(TIconImage& record, int declaredBits);

// The size and depth that ReadImageData would give the image of `block`, told from its header
// without decoding where that is possible: a PNG of the common forms (8 bits per sample, not
// interlaced, no transparency chunk) declared with more than 8 bits. The rasters are left
// alone. False when only decoding can tell; true says nothing about the image data.
bool PeekImageData(std::span<const std::uint8_t> block, int declaredBits, TIconImage& record);

} // namespace ormel

#pragma once

#include "files/byte_stream.h"
#include "library/icon_library.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace ormel {

// Reads the icon groups of an executable or module (PE: 32-bit Intel 386 and 64-bit x86-64 or
// ARM64) or an icon library (NE) into library.Groups: one entry per group, one snapshot file
// per image that decodes in library.TempDir, and a thumbnail per entry. A file that cannot be
// read or is of neither kind leaves Groups as it was (the caller empties it first).
void ReadIconResources(TIconLibrary& library, const std::string& fileName);
// The same for a file's bytes in memory.
void ReadIconResourceData(TIconLibrary& library, std::span<const std::uint8_t> bytes);

// Told after each entry's images have been read, with the entries done and the total; returning
// false stops the reading there.
using TReadProgress = std::function<bool(std::size_t done, std::size_t total)>;

enum class LibraryReadResult { Read, CannotRead, NotRecognised, Stopped };

// ReadIconResources that says how it went and can be followed and stopped, and that writes no
// snapshot files: each image is kept as its resource bytes (see format_image.h), so the entries
// and thumbnails are ready without writing or decoding every image first. After
// CannotRead and NotRecognised Groups is as it was; after Stopped it holds the entries read so
// far.
LibraryReadResult ReadLibraryFile(TIconLibrary& library, const std::string& fileName, const TReadProgress& progress);

// The entries of a PE or NE file with the formats their group directories list, named from the
// file's names resource when it has a usable one, and the icon resources the formats refer to.
// The images themselves are not read.
void ReadPeIcons(const ByteReader& stream, std::vector<TGroupIcon>& groups, TResourceList& icons);
void ReadNeIcons(const ByteReader& stream, std::vector<TGroupIcon>& groups, TResourceList& icons);
// Either of them, by the kind of file; false when the file is neither.
bool ReadLibraryEntries(const ByteReader& stream, std::vector<TGroupIcon>& groups, TResourceList& icons);

// Reads the image of every format of every entry: keeps the bytes of its resource in the
// format's Resource and takes its true size and depth; draws each entry's thumbnail. No snapshot
// file is written. A format whose image is missing or does not decode keeps its directory values
// and holds no image (HasImage is false); an entry without a drawable image gets a white
// thumbnail. Only the thumbnails' images are surely decoded: for the others the header may be
// all that is read (see TIconBlockReader::peek), so an image whose data turn out broken is left
// out when it is loaded (LoadFormatImage fails).
void ExtractIconImages(const ByteReader& stream, const TResourceList& icons, TIconLibrary& library);
// The same, telling `progress` after each entry; false when it stopped the reading.
bool ExtractIconImages(const ByteReader& stream, const TResourceList& icons, TIconLibrary& library,
                       const TReadProgress& progress);

} // namespace ormel

#pragma once

#include "files/raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ormel {

// One resource found in a PE or NE resource table.
struct TResourceItem {
    // The decimal text of a numbered resource, or the name of a named one.
    std::string Name;
    // Absolute file offset of the resource's data.
    std::uint32_t Offset = 0;
    // Byte length of the data; 0 when no length is recorded (read up to a terminator).
    std::uint32_t Size = 0;
};

using TResourceList = std::vector<TResourceItem>;

// One image of a library entry.
struct TIconFormat {
    // Number of the icon resource holding the image; renumbered whenever a library is written.
    std::int32_t ID = 0;
    // First the group directory's values (0 there means 256), then the decoded image's size.
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // Bits per pixel: first the directory's value, then the decoded image's (1, 4, 8, 24, 32).
    std::int32_t BitCount = 0;
    // Full path of the image's snapshot file in the library's temporary directory; empty while
    // the image has none (it could not be read, or it is still held in Resource).
    std::string FileName;
    // An image read from a library file is kept as the bytes of its icon resource until its
    // snapshot file is needed, so that a library shows without writing every image first; with
    // ResourceBits, the directory's bit count that the bytes are decoded with. Empty once the
    // image has a snapshot file.
    std::vector<std::uint8_t> Resource;
    std::int32_t ResourceBits = 0;
    // File position of the image's resource record; used only while a library is written.
    std::int64_t Position = 0;
};

// One library entry: an icon group. Which document window (if any) edits an entry is tracked by
// the user interface, not here.
struct TGroupIcon {
    std::string Name;
    std::int32_t Count = 0;
    // Normally Count long; a brand-new library's first entry holds one empty format.
    std::vector<TIconFormat> Formats;
    // 32 x 32 picture of the entry for the library list.
    Raster Thumbnail;
    // File position of the entry's resource record; used only while a library is written.
    std::int64_t Position = 0;
};

// The open icon library: its entries, where their snapshot files live, and its file identity.
struct TIconLibrary {
    // Every resource of a written library starts at a multiple of AlignSize bytes.
    static constexpr std::uint16_t AlignShift = 10;
    static constexpr std::int32_t AlignSize = 1 << AlignShift;

    // The entries in file order.
    std::vector<TGroupIcon> Groups;
    // Directory of the entries' snapshot files, ending in '/': the "tmplib" subdirectory of the
    // running editor's private work directory, passed in by the owner.
    std::string TempDir;
    // True for an icon library (".icl") or a new one; executables are read-only.
    bool Editable = false;
    // Unsaved changes.
    bool Modified = false;
    // File name without directory ("New Icon Lib" for a new library).
    std::string LibFileName;
    // Directory of the library file with a trailing '/'; empty when never saved.
    std::string LibDir;
    // The text of the last failure, for the caller to show.
    std::string LastMessage;
};

} // namespace ormel

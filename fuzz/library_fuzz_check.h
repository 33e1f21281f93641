// The check both library reader targets run on their input.
#pragma once

#include "files/file_access.h"
#include "library/library_reader.h"
#include "library/resource_tables.h"
#include "library/stored_icons.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace ormel {

// A scratch directory for the reader's snapshot files, removed at exit.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ormel-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern + "/";
    }
    ~ScratchDir()
    {
        std::error_code ec;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Reads the bytes as the library window does: every format that got a snapshot file must load
// back at the size it was given. Then as `extract` does: every image kept must read back from
// the icon file built of the kept images.
inline int CheckLibraryReader(const std::uint8_t* data, std::size_t size, ExecutableKind kind)
{
    static ScratchDir scratch;
    const std::span<const std::uint8_t> bytes(data, size);
    if (scratch.path().empty() || DetectExecutable(ByteReader(bytes)) != kind)
        return 0;

    TIconLibrary library;
    library.TempDir = scratch.path();
    ReadIconResourceData(library, bytes);
    TIconFileAccess access;
    for (const TGroupIcon& entry : library.Groups) {
        if (entry.Count != static_cast<int>(entry.Formats.size()) || entry.Thumbnail.width() != 32)
            std::abort();
        for (const TIconFormat& format : entry.Formats) {
            if (format.FileName.empty())
                continue;
            TIconImage image;
            if (access.LoadSnapshot(image, format.FileName) != 0 || image.Width != format.Width ||
                image.Height != format.Height || DepthToBits(image.ColorDepth) != format.BitCount)
                std::abort();
            std::filesystem::remove(format.FileName);
        }
    }

    VisitStoredIcons(bytes, StoredImageCheck::Decode, [&](const TGroupIcon&, const std::vector<TStoredImage>& images) {
        if (images.empty())
            return;
        TIconDocument document;
        if (access.ReadIconData(BuildIconFile(images), document) != 0 || document.Images.size() != images.size())
            std::abort();
        for (std::size_t i = 0; i < images.size(); ++i)
            if (document.Images[i].Width != images[i].Width || document.Images[i].Height != images[i].Height)
                std::abort();
    });
    return 0;
}

} // namespace ormel

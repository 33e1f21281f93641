#include "library/library_reader.h"

#include "files/atomic_file.h"
#include "files/file_access.h"
#include "library/format_image.h"
#include "library/group_directory.h"
#include "library/icon_blocks.h"
#include "library/resource_tables.h"
#include "library/thumbnail.h"
#include "raster/composite.h"

namespace ormel {

namespace {

// Draws the entry's thumbnail from `images`, the entry's images as read, decoding the chosen one
// when only its header was read. When its data do not decode, it holds no image after all and
// takes back its directory values from `listed`, and the choice is made again.
void DrawThumbnail(TGroupIcon& entry, const std::vector<TIconFormat>& listed, std::vector<TIconImage>& images,
                   TIconFileAccess& access)
{
    entry.Thumbnail.resize(kThumbnailSize, kThumbnailSize);
    for (;;) {
        const int chosen = ChooseThumbnailFormat(entry.Formats);
        if (chosen < 0 || !HasImage(entry.Formats[std::size_t(chosen)]))
            return;
        TIconFormat& format = entry.Formats[std::size_t(chosen)];
        TIconImage& image = images[std::size_t(chosen)];
        if (!image.Bitmap.empty() || LoadFormatImage(format, image, access) == 0) {
            DrawIconImageFitted(image, entry.Thumbnail);
            return;
        }
        format = listed[std::size_t(chosen)];
    }
}

} // namespace

void ReadIconResources(TIconLibrary& library, const std::string& fileName)
{
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(fileName, bytes))
        ReadIconResourceData(library, bytes);
}

LibraryReadResult ReadLibraryFile(TIconLibrary& library, const std::string& fileName, const TReadProgress& progress)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(fileName, bytes))
        return LibraryReadResult::CannotRead;
    const ByteReader stream(bytes);
    TResourceList icons;
    if (!ReadLibraryEntries(stream, library.Groups, icons))
        return LibraryReadResult::NotRecognised;
    return ExtractIconImages(stream, icons, library, progress) ? LibraryReadResult::Read : LibraryReadResult::Stopped;
}

void ReadIconResourceData(TIconLibrary& library, std::span<const std::uint8_t> bytes)
{
    const ByteReader stream(bytes);
    TResourceList icons;
    if (ReadLibraryEntries(stream, library.Groups, icons)) {
        ExtractIconImages(stream, icons, library);
        WriteSnapshotFiles(library);
    }
}

bool ReadLibraryEntries(const ByteReader& stream, std::vector<TGroupIcon>& groups, TResourceList& icons)
{
    switch (DetectExecutable(stream)) {
    case ExecutableKind::Pe:
        if (!IsReadablePe(stream))
            return false;
        ReadPeIcons(stream, groups, icons);
        return true;
    case ExecutableKind::Ne:
        if (!IsWindowsNe(stream))
            return false;
        ReadNeIcons(stream, groups, icons);
        return true;
    case ExecutableKind::Unknown: break;
    }
    return false;
}

void ReadPeIcons(const ByteReader& stream, std::vector<TGroupIcon>& groups, TResourceList& icons)
{
    TResourceList list;
    FindPeResources(stream, kRtGroupIcon, list);
    ReadGroupDirectories(stream, list, groups);
    list.clear();
    FindPeResources(stream, kRtEntryNames, list);
    ReadEntryNames(stream, list, groups);
    FindPeResources(stream, kRtIcon, icons);
}

void ReadNeIcons(const ByteReader& stream, std::vector<TGroupIcon>& groups, TResourceList& icons)
{
    TResourceList list;
    FindNeResources(stream, kRtGroupIcon, list);
    ReadGroupDirectories(stream, list, groups);
    if (const std::uint32_t names = FindNeNameStrings(stream); names != 0)
        ReadEntryNames(stream, {TResourceItem{{}, names, 0}}, groups);
    FindNeResources(stream, kRtIcon, icons);
}

void ExtractIconImages(const ByteReader& stream, const TResourceList& icons, TIconLibrary& library)
{
    ExtractIconImages(stream, icons, library, {});
}

bool ExtractIconImages(const ByteReader& stream, const TResourceList& icons, TIconLibrary& library,
                       const TReadProgress& progress)
{
    std::size_t done = 0;
    TIconBlockReader blocks(stream, icons);
    TIconFileAccess access;
    for (TGroupIcon& entry : library.Groups) {
        const std::vector<TIconFormat> listed = entry.Formats;
        // Images whose header tells their size and depth are decoded only to draw the thumbnail.
        std::vector<TIconImage> images(entry.Formats.size());
        for (std::size_t j = 0; j < entry.Formats.size(); ++j) {
            TIconFormat& format = entry.Formats[j];
            format.FileName.clear();
            format.Resource.clear();
            const std::span<const std::uint8_t> block = blocks.peek(format, images[j]);
            if (block.empty())
                continue;
            format.Resource.assign(block.begin(), block.end());
            format.ResourceBits = format.BitCount;
            format.Width = images[j].Width;
            format.Height = images[j].Height;
            format.BitCount = DepthToBits(images[j].ColorDepth);
        }
        DrawThumbnail(entry, listed, images, access);
        if (progress && !progress(++done, library.Groups.size()))
            return false;
    }
    return true;
}

} // namespace ormel

#include "library/library_store.h"

#include "files/file_access.h"
#include "library/entry_name.h"
#include "library/snapshot_name.h"
#include "library/thumbnail.h"
#include "library/unique_name.h"
#include "raster/composite.h"

#include <algorithm>
#include <filesystem>

namespace ormel {

namespace {

const char* const kNotEditable = "Can't find an opening ICL(*.ICL) library.";

int Fail(TIconLibrary& library, const std::string& message)
{
    library.LastMessage = message;
    return -1;
}

void DeleteSnapshotFiles(const TGroupIcon& entry)
{
    for (const TIconFormat& format : entry.Formats)
        if (!format.FileName.empty()) {
            std::error_code ec;
            std::filesystem::remove(format.FileName, ec);
        }
}

// Writes each image to a new snapshot file named after the entry and returns the formats that
// describe them. When a file cannot be written, the files written so far are deleted and the
// result is false with LastMessage set.
bool WriteImages(TIconLibrary& library, const std::string& entryName, const TIconImageArray& images,
                 std::vector<TIconFormat>& formats)
{
    formats.clear();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const TIconImage& image = images[i];
        TIconFormat format;
        format.Width = image.Width;
        format.Height = image.Height;
        format.BitCount = DepthToBits(image.ColorDepth);
        format.FileName = NewSnapshotFileName(library.TempDir, entryName, static_cast<int>(i));
        TIconFileAccess access;
        if (access.SaveSnapshot(image, format.FileName) != 0) {
            std::error_code ec;
            std::filesystem::remove(format.FileName, ec);
            TGroupIcon written;
            written.Formats = std::move(formats);
            DeleteSnapshotFiles(written);
            formats.clear();
            Fail(library, access.ErrorText);
            return false;
        }
        formats.push_back(std::move(format));
    }
    return true;
}

// Gives the entry the formats and draws its thumbnail from the images they were written from.
void TakeImages(TGroupIcon& entry, std::vector<TIconFormat> formats, const TIconImageArray& images)
{
    entry.Formats = std::move(formats);
    entry.Count = static_cast<std::int32_t>(entry.Formats.size());
    entry.Thumbnail.resize(kThumbnailSize, kThumbnailSize);
    entry.Thumbnail.fill(255, 255, 255);
    const int k = ChooseThumbnailFormat(entry.Formats);
    if (k >= 0)
        DrawIconImageFitted(images[static_cast<std::size_t>(k)], entry.Thumbnail);
}

} // namespace

int SaveToLibrary(TIconLibrary& library, const std::string& name, const TIconImageArray& images, bool addNew,
                  TIconDocument* document)
{
    const int result = addNew ? AddToLibrary(library, name, images, document) : ReplaceInLibrary(library, name, images);
    if (result == 0)
        library.Modified = true;
    return result;
}

int AddToLibrary(TIconLibrary& library, const std::string& name, const TIconImageArray& images, TIconDocument* document)
{
    if (!library.Editable)
        return Fail(library, kNotEditable);
    TGroupIcon entry;
    entry.Name = IsBlankName(name) ? "New Icon" : name;
    library.Groups.push_back(std::move(entry));
    MakeUniqueName(library.Groups, library.Groups.size() - 1);
    TGroupIcon& added = library.Groups.back();
    std::vector<TIconFormat> formats;
    if (!WriteImages(library, added.Name, images, formats)) {
        library.Groups.pop_back();
        return -1;
    }
    TakeImages(added, std::move(formats), images);
    if (document) {
        document->LibEntryName = added.Name;
        document->LibName = library.LibFileName;
    }
    return 0;
}

int ReplaceInLibrary(TIconLibrary& library, const std::string& name, const TIconImageArray& images)
{
    if (!library.Editable)
        return Fail(library, kNotEditable);
    const auto found = std::find_if(library.Groups.begin(), library.Groups.end(),
                                    [&](const TGroupIcon& entry) { return SameNameIgnoringCase(entry.Name, name); });
    if (found == library.Groups.end())
        return Fail(library, "Can't find icon in library");
    return ReplaceEntryImages(library, static_cast<std::size_t>(found - library.Groups.begin()), images);
}

int ReplaceEntryImages(TIconLibrary& library, std::size_t index, const TIconImageArray& images)
{
    if (!library.Editable)
        return Fail(library, kNotEditable);
    if (index >= library.Groups.size())
        return Fail(library, "Can't find icon in library");
    TGroupIcon& entry = library.Groups[index];
    // The new files are complete before the old ones go: a failed write leaves the entry whole.
    std::vector<TIconFormat> formats;
    if (!WriteImages(library, entry.Name, images, formats))
        return -1;
    DeleteSnapshotFiles(entry);
    TakeImages(entry, std::move(formats), images);
    return 0;
}

void DeleteEntry(TIconLibrary& library, std::size_t index)
{
    if (index >= library.Groups.size())
        return;
    DeleteSnapshotFiles(library.Groups[index]);
    library.Groups.erase(library.Groups.begin() + static_cast<std::ptrdiff_t>(index));
    library.Modified = true;
}

int RenameEntry(TIconLibrary& library, std::size_t index, const std::string& newName)
{
    if (index >= library.Groups.size() || IsBlankName(newName))
        return Fail(library, "");
    const std::string name = CutEntryName(newName);
    for (std::size_t j = 0; j < library.Groups.size(); ++j)
        if (j != index && SameNameIgnoringCase(library.Groups[j].Name, name))
            return Fail(library, "The existence of the same name.");
    library.Groups[index].Name = name;
    library.Modified = true;
    return 0;
}

void ClearLibrary(TIconLibrary& library)
{
    for (const TGroupIcon& entry : library.Groups)
        DeleteSnapshotFiles(entry);
    library.Groups.clear();
}

} // namespace ormel

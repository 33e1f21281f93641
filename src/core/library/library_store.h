#pragma once

#include "files/icon_document.h"
#include "files/icon_image.h"
#include "library/icon_library.h"

#include <cstddef>
#include <string>

namespace ormel {

// Changes to the entries of an editable library and to their snapshot files. The library
// window adds its own side: list items, captions, and closing the document window that is
// open on an entry before it is deleted or the library is cleared.

// AddToLibrary (addNew) or ReplaceInLibrary; sets Modified after a success. Returns 0, or -1
// with LastMessage set.
int SaveToLibrary(TIconLibrary& library, const std::string& name, const TIconImageArray& images, bool addNew,
                  TIconDocument* document);

// Appends an entry named `name` ("New Icon" when it is blank, made unique among the entries)
// holding the images, one snapshot file each. The document, when given, becomes the entry's:
// its LibEntryName and LibName name the entry and the library.
int AddToLibrary(TIconLibrary& library, const std::string& name, const TIconImageArray& images,
                 TIconDocument* document = nullptr);

// Gives the first entry named `name` (ignoring case) the images instead of its own; the entry
// keeps its place and its old snapshot files are deleted.
int ReplaceInLibrary(TIconLibrary& library, const std::string& name, const TIconImageArray& images);

// Gives entry `index` the images instead of its own. The new snapshot files are written before
// the old ones are deleted: when a write fails the entry keeps its images, the result is -1
// with LastMessage set, and no new file is left behind.
int ReplaceEntryImages(TIconLibrary& library, std::size_t index, const TIconImageArray& images);

// Removes an entry and its snapshot files; sets Modified.
void DeleteEntry(TIconLibrary& library, std::size_t index);

// Gives an entry the first 32 characters of `newName` and sets Modified; its snapshot files
// keep their names. Refused with -1 when another entry has that name (ignoring case;
// LastMessage says so) and when the name is blank (no message: nothing to do).
int RenameEntry(TIconLibrary& library, std::size_t index, const std::string& newName);

// Deletes every entry's snapshot files and empties Groups.
void ClearLibrary(TIconLibrary& library);

} // namespace ormel

#pragma once

#include "files/icon_image.h"

#include <string>

namespace ormel {

// The data of one open icon: its images in display order and its file identity.
// The document window owns it and adds the window-side effects (selection, undo, caption).
struct TIconDocument {
    TIconImageArray Images;
    int CurrentIndex = -1;
    bool Modified = false;
    std::string FileDir;  // ends in a path separator; empty for a document never saved
    std::string FileName; // without directory
    std::string LibEntryName;
    std::string LibName;

    // Appends a copy of the record's format, palette and pixels (ImageId -1) and makes it
    // current. Returns 0.
    int AddImage(const TIconImage& record);
    // The same, taking over the record's rasters when they have its size.
    int AddImage(TIconImage&& record);
    // Removes the current image; the first image becomes current and the document modified.
    void DeleteImage();
    TIconImage* CurrentImage();
};

} // namespace ormel

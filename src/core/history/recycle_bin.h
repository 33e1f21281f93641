#pragma once

#include "history/history_records.h"

#include <string>

namespace ormel {

// The caption of the message box that refuses a restore.
inline constexpr const char* kRestoreImageCaption = "Restore image";

enum class TRestoreOutcome {
    Nothing,      // no such row, or no document to restore into
    FormatExists, // the document already has an image of that format; Message says so
    Unreadable,   // the snapshot could not be read; the item stays, Message gives the reason
    Restored,     // Image holds the recycled image (ImageId -1) and the item is gone
};

struct TRestoreResult {
    TRestoreOutcome Outcome = TRestoreOutcome::Nothing;
    std::string Message;
    TIconImage Image;
};

// Images deleted from documents, each kept as the snapshot "~<ImageId>.orm" in the recycle
// directory. The files are deleted when their item is restored and when the bin ends.
class TRecycleBin {
public:
    // `directory` ends in a path separator; empty means nothing can be stored.
    explicit TRecycleBin(std::string directory);
    ~TRecycleBin();
    TRecycleBin(const TRecycleBin&) = delete;
    TRecycleBin& operator=(const TRecycleBin&) = delete;

    // Stores a copy of an image that already has its ImageId. -1 when its snapshot cannot be
    // written; nothing is added then.
    int Add(const TIconImage& image);

    // Takes the item of `row` back out for the document holding `documentImages` (none: no
    // active document). The caller adds a restored image to the document.
    TRestoreResult Restore(int row, const TIconImageArray* documentImages);

    const TRecycleArray& Items() const { return items_; }
    std::string FileNameFor(std::int32_t imageId) const;

private:
    std::string directory_;
    TRecycleArray items_;
};

// The row caption of an item: "%dx%d:%s" with the strip's depth label ("1 ", ..., "32").
std::string RecycleCaption(const TRecycleItem& item);

} // namespace ormel

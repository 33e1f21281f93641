#pragma once

#include "history/history_records.h"
#include "history/recycle_bin.h"
#include "history/step_time.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ormel {

// One row of the history list: rows up to the image's position are done, later ones undone.
struct THistoryRow {
    std::string Caption;
    std::string Time;
    bool Done = false;
};

// The undo history of every image the editor has open, keyed by ImageId, and the recycle bin.
// Each step is the snapshot file "~<ImageId>-<step>.orm" of the image after a change. The
// history lists the steps of its current item; Undo, Redo and SelectStep move that item's
// position and put the step back into the active image when it is that item's image. Every
// file is deleted when the history ends.
class TUndoHistory {
public:
    // Both directories end in a path separator (PrivateWorkDir::subdirectory).
    TUndoHistory(std::string historyDir, std::string recycleDir, TClock clock = LocalClockTime);
    ~TUndoHistory();
    TUndoHistory(const TUndoHistory&) = delete;
    TUndoHistory& operator=(const TUndoHistory&) = delete;

    // Records the image's present state. An image without an ImageId receives the next one.
    // Steps beyond the position (undone ones) are deleted first. -1 when the snapshot could
    // not be written; the step is listed all the same, so that positions follow the edits.
    int AddStep(TIconImage& image, const std::string& caption);

    bool CanUndo() const;
    bool CanRedo() const;
    // Each returns true when it overwrote `activeImage` (none: no active image) with the step
    // it moved to: the caller then refreshes the image and marks its document modified.
    bool Undo(TIconImage* activeImage);
    bool Redo(TIconImage* activeImage);
    // A click on a row: undoes or redoes every step up to it at once.
    bool SelectStep(int row, TIconImage* activeImage);

    // Makes the image's steps the listed ones; none (or an image without steps) lists nothing.
    void ShowImageHistory(const TIconImage* image);
    // Deletes every step of the image with their files; the list becomes empty.
    void DiscardImageHistory(const TIconImage& image);

    // Puts a copy of an image deleted from its document into the recycle bin, giving it an
    // ImageId first when it has none. Its undo steps stay until the history ends.
    int RecycleImage(TIconImage& image);
    TRestoreResult RestoreRecycled(int row, const TIconImageArray* documentImages);
    const TRecycleBin& RecycleBin() const { return recycle_; }

    // The listed steps, and the row of the current position (-1 with nothing listed).
    std::vector<THistoryRow> Rows() const;
    int SelectedRow() const;
    const THistoryImageItem* CurrentItem() const;
    const THistoryStepArray& Items() const { return items_; }
    std::int32_t NextImageId() const { return nextImageId_; }
    std::string StepFileName(std::int32_t imageId, int step) const;

private:
    THistoryImageItem* FindItem(std::int32_t imageId);
    std::int32_t TakeImageId(TIconImage& image);
    void DeleteSteps(THistoryImageItem& item, std::size_t from);
    bool MoveTo(int position, TIconImage* activeImage);

    std::string historyDir_;
    TClock clock_;
    THistoryStepArray items_;
    int current_ = -1;
    std::int32_t nextImageId_ = 0;
    TRecycleBin recycle_;
};

} // namespace ormel

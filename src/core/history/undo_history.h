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

enum class TMoveOutcome {
    Nothing, // no move: nothing listed, no such row, the row already shown, or the active image
             // is not the listed image
    Moved,   // the position moved and the active image now holds the step
    Failed,  // the step could not be read back; position and image are unchanged, Message says why
};

struct TMoveResult {
    TMoveOutcome Outcome = TMoveOutcome::Nothing;
    std::string Message;

    bool Moved() const { return Outcome == TMoveOutcome::Moved; }
};

// The undo history of every image the editor has open, keyed by ImageId, and the recycle bin.
// Each step is the snapshot file "~<ImageId>-<step>.orm" of the image after a change. The
// history lists the steps of its current item; Undo, Redo and SelectStep move that item's
// position and put the step back into the active image. They move only when the active image
// is the listed image and its step file reads back, so the list never shows a step the image
// does not hold. Every file is deleted when the history ends.
class TUndoHistory {
public:
    // Both directories end in a path separator (PrivateWorkDir::subdirectory).
    TUndoHistory(std::string historyDir, std::string recycleDir, TClock clock = LocalClockTime);
    ~TUndoHistory();
    TUndoHistory(const TUndoHistory&) = delete;
    TUndoHistory& operator=(const TUndoHistory&) = delete;

    // Records the image's present state. An image without an ImageId receives the next one.
    // Steps beyond the position (undone ones) are deleted first. -1 when the snapshot could
    // not be written; the step is listed all the same (without a file, so it can never be
    // restored), so that positions follow the edits.
    int AddStep(TIconImage& image, const std::string& caption);

    bool CanUndo() const;
    bool CanRedo() const;
    // Moved when `activeImage` (none: no active image) was overwritten with the step moved
    // to: the caller then refreshes the image and marks its document modified. Failed leaves
    // both the position and the image as they were.
    TMoveResult Undo(TIconImage* activeImage);
    TMoveResult Redo(TIconImage* activeImage);
    // A click on a row: undoes or redoes every step up to it at once.
    TMoveResult SelectStep(int row, TIconImage* activeImage);

    // Makes the image's steps the listed ones; none (or an image without steps) lists nothing.
    void ShowImageHistory(const TIconImage* image);
    // Deletes every step of the image with their files; the list becomes empty.
    void DiscardImageHistory(const TIconImage& image);

    // Puts a copy of an image deleted from its document into the recycle bin, giving it an
    // ImageId first when it has none. Its undo steps stay until the history ends. -1 when the
    // snapshot could not be written; nothing is added then.
    int RecycleImage(TIconImage& image);
    // A restored image comes back with ImageId -1: it starts a history of its own when the
    // document adds it.
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
    TMoveResult MoveTo(int position, TIconImage* activeImage);

    std::string historyDir_;
    TClock clock_;
    THistoryStepArray items_;
    int current_ = -1;
    std::int32_t nextImageId_ = 0;
    TRecycleBin recycle_;
};

} // namespace ormel

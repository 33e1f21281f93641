#include "history/undo_history.h"

#include "files/file_access.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace ormel {

TUndoHistory::TUndoHistory(std::string historyDir, std::string recycleDir, TClock clock)
    : historyDir_(std::move(historyDir)), clock_(std::move(clock)), recycle_(std::move(recycleDir))
{
}

TUndoHistory::~TUndoHistory()
{
    for (THistoryImageItem& item : items_)
        DeleteSteps(item, 0);
}

std::string TUndoHistory::StepFileName(std::int32_t imageId, int step) const
{
    return historyDir_ + "~" + std::to_string(imageId) + "-" + std::to_string(step) + ".orm";
}

THistoryImageItem* TUndoHistory::FindItem(std::int32_t imageId)
{
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [&](const THistoryImageItem& item) { return item.ImageId == imageId; });
    return it != items_.end() ? &*it : nullptr;
}

std::int32_t TUndoHistory::TakeImageId(TIconImage& image)
{
    if (image.ImageId == -1)
        image.ImageId = nextImageId_++;
    else if (image.ImageId >= nextImageId_ && image.ImageId < INT32_MAX)
        nextImageId_ = image.ImageId + 1; // an id given elsewhere is never handed out again
    return image.ImageId;
}

void TUndoHistory::DeleteSteps(THistoryImageItem& item, std::size_t from)
{
    for (std::size_t k = item.Steps.size(); k > from; --k)
        RemoveSnapshotFile(StepFileName(item.ImageId, static_cast<int>(k - 1)));
    item.Steps.resize(std::min(from, item.Steps.size()));
}

int TUndoHistory::AddStep(TIconImage& image, const std::string& caption)
{
    const std::int32_t id = TakeImageId(image);
    THistoryImageItem* item = FindItem(id);
    if (item == nullptr) {
        items_.push_back(THistoryImageItem{id, 0, {}});
        item = &items_.back();
    }
    DeleteSteps(*item, static_cast<std::size_t>(item->Position) + 1);

    const int step = item->Count();
    const std::string path = StepFileName(id, step);
    const bool written = !historyDir_.empty() && TIconFileAccess().SaveSnapshot(image, path) == 0;
    item->Steps.push_back(THistoryStepItem{caption, FormatStepTime(clock_()), MakeHistoryThumbnail(image), written});
    item->Position = step;

    if (current_ < 0)
        current_ = static_cast<int>(item - items_.data());
    return written ? 0 : -1;
}

const THistoryImageItem* TUndoHistory::CurrentItem() const
{
    return current_ >= 0 ? &items_[static_cast<std::size_t>(current_)] : nullptr;
}

bool TUndoHistory::CanUndo() const
{
    const THistoryImageItem* item = CurrentItem();
    return item != nullptr && item->Position > 0;
}

bool TUndoHistory::CanRedo() const
{
    const THistoryImageItem* item = CurrentItem();
    return item != nullptr && item->Position < item->Count() - 1;
}

TMoveResult TUndoHistory::MoveTo(int position, TIconImage* activeImage)
{
    THistoryImageItem& item = items_[static_cast<std::size_t>(current_)];
    TMoveResult result;
    if (activeImage == nullptr || activeImage->ImageId != item.ImageId)
        return result;
    result.Outcome = TMoveOutcome::Failed;
    if (!item.Steps[static_cast<std::size_t>(position)].HasFile) {
        result.Message = "This step could not be saved when it was made, so it cannot be restored.";
        return result;
    }
    // Read into a separate record so that a failure leaves the image untouched.
    TIconImage restored;
    restored.Palette = activeImage->Palette;
    TIconFileAccess access;
    if (access.LoadSnapshot(restored, StepFileName(item.ImageId, position)) != 0) {
        result.Message = access.ErrorText;
        return result;
    }
    if (restored.ImageId != item.ImageId) {
        result.Message = "The step's file holds another image.";
        return result;
    }
    *activeImage = std::move(restored);
    item.Position = position;
    result.Outcome = TMoveOutcome::Moved;
    return result;
}

TMoveResult TUndoHistory::Undo(TIconImage* activeImage)
{
    return CanUndo() ? MoveTo(CurrentItem()->Position - 1, activeImage) : TMoveResult{};
}

TMoveResult TUndoHistory::Redo(TIconImage* activeImage)
{
    return CanRedo() ? MoveTo(CurrentItem()->Position + 1, activeImage) : TMoveResult{};
}

TMoveResult TUndoHistory::SelectStep(int row, TIconImage* activeImage)
{
    const THistoryImageItem* item = CurrentItem();
    if (item == nullptr || row < 0 || row >= item->Count() || row == item->Position)
        return {};
    return MoveTo(row, activeImage);
}

void TUndoHistory::ShowImageHistory(const TIconImage* image)
{
    const THistoryImageItem* item =
        image != nullptr && image->ImageId != -1 ? FindItem(image->ImageId) : nullptr;
    current_ = item != nullptr ? static_cast<int>(item - items_.data()) : -1;
}

void TUndoHistory::DiscardImageHistory(const TIconImage& image)
{
    current_ = -1;
    THistoryImageItem* item = image.ImageId != -1 ? FindItem(image.ImageId) : nullptr;
    if (item == nullptr)
        return;
    DeleteSteps(*item, 0);
    items_.erase(items_.begin() + (item - items_.data()));
}

int TUndoHistory::RecycleImage(TIconImage& image)
{
    TakeImageId(image);
    return recycle_.Add(image);
}

TRestoreResult TUndoHistory::RestoreRecycled(int row, const TIconImageArray* documentImages)
{
    return recycle_.Restore(row, documentImages);
}

std::vector<THistoryRow> TUndoHistory::Rows() const
{
    std::vector<THistoryRow> rows;
    if (const THistoryImageItem* item = CurrentItem())
        for (int k = 0; k < item->Count(); ++k) {
            const THistoryStepItem& step = item->Steps[static_cast<std::size_t>(k)];
            rows.push_back(THistoryRow{step.Caption, step.Time, k <= item->Position});
        }
    return rows;
}

int TUndoHistory::SelectedRow() const
{
    const THistoryImageItem* item = CurrentItem();
    return item != nullptr ? item->Position : -1;
}

} // namespace ormel

#include "history/recycle_bin.h"

#include "files/file_access.h"

#include <algorithm>
#include <utility>

namespace ormel {

namespace {

// The strip's depth labels: one-digit bit counts are padded to two characters.
const char* StripDepthLabel(int depthCode)
{
    switch (depthCode) {
    case Depth1:
        return "1 ";
    case Depth4:
        return "4 ";
    case Depth8:
        return "8 ";
    case Depth24:
        return "24";
    default:
        return "32";
    }
}

bool SameFormat(const TIconImage& image, const TRecycleItem& item)
{
    return image.Width == item.Width && image.Height == item.Height && image.ColorDepth == item.ColorDepth;
}

} // namespace

TRecycleBin::TRecycleBin(std::string directory) : directory_(std::move(directory)) {}

TRecycleBin::~TRecycleBin()
{
    for (const TRecycleItem& item : items_)
        RemoveSnapshotFile(item.FileName);
}

std::string TRecycleBin::FileNameFor(std::int32_t imageId) const
{
    return directory_ + "~" + std::to_string(imageId) + ".orm";
}

int TRecycleBin::Add(const TIconImage& image)
{
    if (directory_.empty())
        return -1;
    const std::string path = FileNameFor(image.ImageId);
    if (TIconFileAccess().SaveSnapshot(image, path) != 0)
        return -1;
    items_.push_back(TRecycleItem{image.Width, image.Height, image.ColorDepth, path, MakeHistoryThumbnail(image)});
    return 0;
}

TRestoreResult TRecycleBin::Restore(int row, const TIconImageArray* documentImages)
{
    TRestoreResult result;
    if (documentImages == nullptr || row < 0 || static_cast<std::size_t>(row) >= items_.size())
        return result;
    const auto at = items_.begin() + row;
    const TRecycleItem& item = *at;
    if (std::any_of(documentImages->begin(), documentImages->end(),
                    [&](const TIconImage& image) { return SameFormat(image, item); })) {
        result.Outcome = TRestoreOutcome::FormatExists;
        result.Message = "The image format \"" + std::to_string(item.Width) + "x" + std::to_string(item.Height) +
                         " : " + std::to_string(DepthToBits(item.ColorDepth)) +
                         " bits\" is alreay exists in this icon.";
        return result;
    }
    TIconFileAccess access;
    if (access.LoadSnapshot(result.Image, item.FileName) != 0) {
        result.Outcome = TRestoreOutcome::Unreadable;
        result.Message = access.ErrorText;
        return result;
    }
    result.Image.ImageId = -1; // the old id's steps stay with the deleted image
    result.Outcome = TRestoreOutcome::Restored;
    RemoveSnapshotFile(item.FileName);
    items_.erase(at);
    return result;
}

std::string RecycleCaption(const TRecycleItem& item)
{
    return std::to_string(item.Width) + "x" + std::to_string(item.Height) + ":" + StripDepthLabel(item.ColorDepth);
}

} // namespace ormel

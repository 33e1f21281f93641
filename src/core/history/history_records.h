#pragma once

#include "files/icon_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ormel {

// History and recycle-bin thumbnails are this many pixels square.
constexpr int kHistoryThumbnailSide = 32;

// One undo step: the image's state after a change lives in the step's snapshot file; only the
// thumbnail stays in memory. HasFile is false when the snapshot could not be written: the step
// is listed, but it cannot be restored.
struct THistoryStepItem {
    std::string Caption;
    std::string Time; // "hh:mm am/pm"
    Raster Thumbnail;
    bool HasFile = false;
};

// The steps of one image. Position is the step the image currently shows.
struct THistoryImageItem {
    std::int32_t ImageId = -1;
    std::int32_t Position = 0;
    std::vector<THistoryStepItem> Steps;

    std::int32_t Count() const { return static_cast<std::int32_t>(Steps.size()); }
};

using THistoryStepArray = std::vector<THistoryImageItem>;

// An image deleted from a document, kept as a snapshot file until it is restored.
struct TRecycleItem {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t ColorDepth = 0;
    std::string FileName;
    Raster Thumbnail;
};

using TRecycleArray = std::vector<TRecycleItem>;

// The image fitted into a white 32 x 32 raster.
Raster MakeHistoryThumbnail(const TIconImage& image);

// Deletes a snapshot file; one that is already gone is not an error.
void RemoveSnapshotFile(const std::string& path);

} // namespace ormel

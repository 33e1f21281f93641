#include "history/history_records.h"

#include "raster/composite.h"

#include <filesystem>

namespace ormel {

Raster MakeHistoryThumbnail(const TIconImage& image)
{
    Raster thumbnail(kHistoryThumbnailSide, kHistoryThumbnailSide);
    DrawIconImageFitted(image, thumbnail);
    return thumbnail;
}

void RemoveSnapshotFile(const std::string& path)
{
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

} // namespace ormel

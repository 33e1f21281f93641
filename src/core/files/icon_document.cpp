#include "files/icon_document.h"

#include <algorithm>
#include <cstring>

namespace ormel {

namespace {

// Copies the top-left width x height pixels of `from` into `to` when `from` is large enough.
void CopyTopLeft(const Raster& from, Raster& to)
{
    if (from.width() < to.width() || from.height() < to.height())
        return;
    const auto rowBytes = static_cast<std::size_t>(to.width()) * 3;
    for (int y = 0; y < to.height(); ++y)
        std::memcpy(to.row(y), from.row(y), rowBytes);
}

} // namespace

int TIconDocument::AddImage(const TIconImage& record)
{
    TIconImage& added = Images.emplace_back();
    added.Width = record.Width;
    added.Height = record.Height;
    added.ColorDepth = record.ColorDepth;
    added.ImageId = -1;
    added.Bitmap.resize(record.Width, record.Height);
    added.Mask.resize(record.Width, record.Height);
    CopyTopLeft(record.Bitmap, added.Bitmap);
    CopyTopLeft(record.Mask, added.Mask);
    added.Palette.palVersion = record.Palette.palVersion;
    added.Palette.palNumEntries = record.Palette.palNumEntries;
    const std::size_t entries = std::min<std::size_t>(record.Palette.palNumEntries, 256);
    std::copy_n(record.Palette.palPalEntry.begin(), entries, added.Palette.palPalEntry.begin());
    CurrentIndex = static_cast<int>(Images.size()) - 1;
    return 0;
}

int TIconDocument::AddImage(TIconImage&& record)
{
    const bool sized = record.Bitmap.width() == record.Width && record.Bitmap.height() == record.Height &&
                       record.Mask.width() == record.Width && record.Mask.height() == record.Height;
    if (!sized)
        return AddImage(static_cast<const TIconImage&>(record));
    TIconImage& added = Images.emplace_back(std::move(record));
    added.ImageId = -1;
    const std::size_t entries = std::min<std::size_t>(added.Palette.palNumEntries, 256);
    std::fill(added.Palette.palPalEntry.begin() + static_cast<std::ptrdiff_t>(entries), added.Palette.palPalEntry.end(),
              TPaletteEntry{});
    CurrentIndex = static_cast<int>(Images.size()) - 1;
    return 0;
}

void TIconDocument::DeleteImage()
{
    if (CurrentIndex < 0 || CurrentIndex >= static_cast<int>(Images.size()))
        return;
    Images.erase(Images.begin() + CurrentIndex);
    CurrentIndex = Images.empty() ? -1 : 0;
    Modified = true;
}

TIconImage* TIconDocument::CurrentImage()
{
    if (CurrentIndex < 0 || CurrentIndex >= static_cast<int>(Images.size()))
        return nullptr;
    return &Images[static_cast<std::size_t>(CurrentIndex)];
}

} // namespace ormel

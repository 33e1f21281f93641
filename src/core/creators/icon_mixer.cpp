#include "creators/icon_mixer.h"

#include "library/thumbnail.h"
#include "raster/composite.h"
#include "raster/geometry.h"
#include "raster/paint.h"
#include "raster/resample.h"

#include <algorithm>
#include <cstring>

namespace ormel {
namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;
// The zoom has no limit of its own; the scaled copy stops growing at the side of the mixer's
// scaling scratch, so that endless clicks cannot ask for endless memory.
constexpr long long kLargestScaledSide = 800;

bool HasSize(const TIconImage& image, const TMixerSize& size)
{
    return image.Width == size.Width && image.Height == size.Height;
}

bool AnyImageOfSize(const TIconImageArray& images, const TMixerSize& size)
{
    return std::any_of(images.begin(), images.end(), [&](const TIconImage& image) { return HasSize(image, size); });
}

int DeepestImageOfSize(const TIconImageArray& images, const TMixerSize& size)
{
    int best = -1;
    for (int i = 0; i < static_cast<int>(images.size()); ++i) {
        const TIconImage& image = images[static_cast<std::size_t>(i)];
        if (HasSize(image, size) && (best < 0 || image.ColorDepth > images[static_cast<std::size_t>(best)].ColorDepth))
            best = i;
    }
    return best;
}

// Copies the part of `from` that a centred placement puts into `to`: each direction either
// cuts the larger one to its middle or centres the smaller one.
void CopyCentred(const Raster& from, Raster& to)
{
    const auto span = [](int fromSize, int toSize, int& fromStart, int& toStart) {
        fromStart = fromSize > toSize ? (fromSize - toSize) / 2 : 0;
        toStart = fromSize < toSize ? (toSize - fromSize) / 2 : 0;
        return std::min(fromSize, toSize);
    };
    int fromX, toX, fromY, toY;
    const int columns = span(from.width(), to.width(), fromX, toX);
    const int rows = span(from.height(), to.height(), fromY, toY);
    for (int y = 0; y < rows; ++y)
        std::memcpy(to.pixel(toX, toY + y), from.pixel(fromX, fromY + y), static_cast<std::size_t>(columns) * 3);
}

// Scales the image to (w + 2 zoom) x (h + 2 zoom), at least 2 x 2, and centres it in its own
// w x h; what it no longer covers is white and fully transparent.
void ZoomWork(TIconImage& work, int zoom)
{
    const auto side = [zoom](int size) {
        return static_cast<int>(std::clamp(size + 2LL * zoom, 2LL, kLargestScaledSide));
    };
    const int width = side(work.Width);
    const int height = side(work.Height);
    Raster colour, mask;
    colour.resizeForOverwrite(width, height);
    mask.resizeForOverwrite(width, height);
    StretchBitmap(work.Bitmap, colour, work.Width, work.Height, width, height);
    StretchBitmap(work.Mask, mask, work.Width, work.Height, width, height);
    FillBitmap(work.Bitmap, kWhite);
    FillBitmap(work.Mask, kWhite);
    CopyCentred(colour, work.Bitmap);
    CopyCentred(mask, work.Mask);
}

void TransformWork(TIconImage& work, const TMixerItem& item)
{
    const TRect whole{0, 0, work.Width, work.Height};
    if (item.FlipVertical) {
        FlipBitmapVertical(work.Bitmap, whole);
        FlipBitmapVertical(work.Mask, whole);
    }
    if (item.FlipHorizontal) {
        FlipBitmapHorizontal(work.Bitmap, whole);
        FlipBitmapHorizontal(work.Mask, whole);
    }
    if (item.Angle != 0) {
        RotateBilinear(work.Bitmap, whole, item.Angle);
        RotateBilinear(work.Mask, whole, item.Angle);
    }
    if (item.Zoom != 0)
        ZoomWork(work, item.Zoom);
    OffsetRectContent(work.Bitmap, whole, item.OffsetX, item.OffsetY, kBlack);
    OffsetRectContent(work.Mask, whole, item.OffsetX, item.OffsetY, kWhite);
}

} // namespace

std::string MixerItemName(const std::string& fileName, const std::string& libEntryName)
{
    if (!fileName.empty())
        return fileName;
    if (!libEntryName.empty())
        return libEntryName;
    return "Orm Icon";
}

std::vector<TMixerSize> FindCommonSizes(std::vector<TMixerItem>& items)
{
    std::vector<TMixerSize> sizes;
    for (TMixerItem& item : items)
        item.FormatIndex.clear();
    if (items.empty() || !std::all_of(items.begin(), items.end(), [](const TMixerItem& item) { return item.Images; }))
        return sizes;
    for (const TIconImage& image : *items.front().Images) {
        const TMixerSize size{image.Width, image.Height};
        if (std::find(sizes.begin(), sizes.end(), size) != sizes.end())
            continue;
        if (std::all_of(items.begin() + 1, items.end(),
                        [&](const TMixerItem& item) { return AnyImageOfSize(*item.Images, size); }))
            sizes.push_back(size);
    }
    for (TMixerItem& item : items)
        for (const TMixerSize& size : sizes)
            item.FormatIndex.push_back(DeepestImageOfSize(*item.Images, size));
    return sizes;
}

void MixCommonSize(const std::vector<TMixerItem>& items, int sizeIndex, const TMixerSize& size, TIconImage& result)
{
    NewIconImage(result, size.Width, size.Height, -1, Depth32); // white and fully transparent
    const TRect whole{0, 0, size.Width, size.Height};
    for (const TMixerItem& item : items) {
        if (!item.Images || sizeIndex < 0 || sizeIndex >= static_cast<int>(item.FormatIndex.size()))
            continue;
        const int index = item.FormatIndex[static_cast<std::size_t>(sizeIndex)];
        if (index < 0 || index >= static_cast<int>(item.Images->size()))
            continue;
        const TIconImage& image = (*item.Images)[static_cast<std::size_t>(index)];
        if (!HasSize(image, size) || image.Bitmap.width() != size.Width || image.Bitmap.height() != size.Height ||
            image.Mask.width() != size.Width || image.Mask.height() != size.Height)
            continue;
        TIconImage work;
        work.Width = size.Width;
        work.Height = size.Height;
        work.Bitmap = image.Bitmap;
        work.Mask = image.Mask;
        if (IsIndexedDepth(image.ColorDepth))
            ApplyPalette(work.Bitmap, whole, &image.Palette);
        TransformWork(work, item);
        MergeImageUnder(result, work, whole, item.Opacity);
    }
}

void DrawMixerThumbnail(const TIconImageArray& images, Raster& thumbnail)
{
    thumbnail.resize(kThumbnailSize, kThumbnailSize);
    std::vector<TIconFormat> formats;
    formats.reserve(images.size());
    for (const TIconImage& image : images) {
        TIconFormat& format = formats.emplace_back();
        format.Width = image.Width;
        format.Height = image.Height;
        format.BitCount = DepthToBits(image.ColorDepth);
    }
    const int chosen = ChooseThumbnailFormat(formats);
    if (chosen >= 0)
        DrawIconImageFitted(images[static_cast<std::size_t>(chosen)], thumbnail);
}

std::string MixerCaption(const std::vector<TMixerItem>& items)
{
    std::string caption = "Mixer Icon(";
    for (const TMixerItem& item : items)
        caption += item.Name + " ";
    return caption + ")";
}

} // namespace ormel

#include "tools/system_clipboard.h"

#include "dialogs/raster_image.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <cstring>

namespace ormel {

bool QtSystemClipboard::Put(const std::vector<std::uint8_t>& ormelBlock, const Raster& bitmap)
{
    auto* data = new QMimeData;
    data->setData(QLatin1String(kMimeType),
                  QByteArray(reinterpret_cast<const char*>(ormelBlock.data()), qsizetype(ormelBlock.size())));
    data->setImageData(WrapRaster(bitmap).copy());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data);
    // The clipboard owns the data now; it holds it only when the desktop took it.
    const QMimeData* held = clipboard->mimeData();
    return held != nullptr && held->hasFormat(QLatin1String(kMimeType));
}

bool QtSystemClipboard::GetOrmelBlock(std::vector<std::uint8_t>& block) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(QLatin1String(kMimeType)))
        return false;
    const QByteArray bytes = data->data(QLatin1String(kMimeType));
    block.assign(bytes.begin(), bytes.end());
    return !block.empty();
}

namespace {

// Pictures larger than this on a side are not pasted into icons.
constexpr int kMaxPictureSide = 4096;

QImage ClipboardImage()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasImage())
        return {};
    QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        return {};
    return image;
}

} // namespace

bool QtSystemClipboard::HasPicture()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && (data->hasFormat(QLatin1String(kMimeType)) || data->hasImage());
}

bool QtSystemClipboard::GetBitmap(Raster& bitmap, std::vector<std::uint8_t>& alpha) const
{
    alpha.clear();
    const QImage picture = ClipboardImage();
    if (picture.isNull())
        return false;
    const QImage image = picture.convertToFormat(QImage::Format_BGR888);
    bitmap.resizeForOverwrite(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(bitmap.row(y), image.constScanLine(y), std::size_t(image.width()) * 3);
    if (picture.hasAlphaChannel()) {
        const QImage plane = picture.convertToFormat(QImage::Format_Alpha8);
        alpha.resize(std::size_t(plane.width()) * std::size_t(plane.height()));
        for (int y = 0; y < plane.height(); ++y)
            std::memcpy(alpha.data() + std::size_t(y) * std::size_t(plane.width()), plane.constScanLine(y),
                        std::size_t(plane.width()));
    }
    return true;
}

} // namespace ormel

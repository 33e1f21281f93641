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

bool QtSystemClipboard::GetBitmap(Raster& bitmap) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasImage())
        return false;
    const QImage image = qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_BGR888);
    if (image.isNull() || image.width() > 4096 || image.height() > 4096)
        return false;
    bitmap.resizeForOverwrite(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(bitmap.row(y), image.constScanLine(y), std::size_t(image.width()) * 3);
    return true;
}

} // namespace ormel

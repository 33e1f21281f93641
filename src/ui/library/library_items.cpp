#include "library/library_items.h"

#include "dialogs/raster_image.h"
#include "library/format_image.h"

#include <QPixmap>

#include <algorithm>

namespace ormel {

QString EntryCaption(const TGroupIcon& entry, bool editable)
{
    const QString name = QString::fromStdString(entry.Name);
    if (!UnopenableReason(entry, editable).isEmpty())
        return name + QStringLiteral("\n(cannot be opened)");
    if (entry.Count == 1 && !entry.Formats.empty()) {
        const TIconFormat& format = entry.Formats.front();
        return QStringLiteral("%1\n%2x%3 %4").arg(name).arg(format.Width).arg(format.Height).arg(format.BitCount);
    }
    return QStringLiteral("%1\n(%2 Formats)").arg(name).arg(entry.Count);
}

QString UnopenableReason(const TGroupIcon& entry, bool editable)
{
    if (entry.Count <= 0)
        return editable ? QString() : QStringLiteral("The icon group holds no images.");
    if (std::any_of(entry.Formats.begin(), entry.Formats.end(), HasImage))
        return QString();
    return QStringLiteral("None of its %1 pictures can be read as an icon image.").arg(entry.Count);
}

QIcon EntryIcon(const TGroupIcon& entry)
{
    if (entry.Thumbnail.width() <= 0 || entry.Thumbnail.height() <= 0)
        return QIcon();
    return QIcon(QPixmap::fromImage(WrapRaster(entry.Thumbnail).copy()));
}

} // namespace ormel

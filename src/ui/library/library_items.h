#pragma once

#include "library/icon_library.h"

#include <QIcon>
#include <QString>

namespace ormel {

// The caption of an entry in the library list: its name on the first line and, below it, the
// size and depth of its one image ("32x32 32"), the number of its images ("(3 Formats)"), or
// "(cannot be opened)" for an entry none of whose pictures could be read as an icon image.
QString EntryCaption(const TGroupIcon& entry, bool editable);

// Why an entry cannot be opened for editing, or an empty text when it can. An entry read from
// a file whose group lists pictures that are not icon images (a program may keep a logo there)
// cannot; nor can an empty group of a read-only library. A new entry of an editable library
// holds no images yet and opens the add-image dialog.
QString UnopenableReason(const TGroupIcon& entry, bool editable);

// The entry's thumbnail for the list.
QIcon EntryIcon(const TGroupIcon& entry);

} // namespace ormel

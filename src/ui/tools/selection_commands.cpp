#include "tools/selection_commands.h"

#include "document/document_window.h"

namespace ormel {

void SelectAllPixels(Tfrm_childwin& document)
{
    const TIconImage* image = document.CurrentImage();
    if (image == nullptr)
        return;
    document.Selection().SelectAll(*image, 1);
    document.SelectionChanged();
}

void SelectNoPixels(Tfrm_childwin& document)
{
    document.Selection().SelectNone();
    document.SelectionChanged();
}

void EditSelection(Tfrm_childwin& document, TSelectionCommand mode, TOrmClipboard& clipboard, TColor stripBackColor)
{
    TIconImage* image = document.CurrentImage();
    if (image == nullptr)
        return;
    // The selection is kept in image pixel corners: zoom 1.
    const std::string step = CopySelection(*image, document.Selection(), 1, mode, clipboard, stripBackColor);
    if (!step.empty())
        document.RecordChange(QString::fromStdString(step));
}

} // namespace ormel

#pragma once

#include "creators/icon_mixer.h"
#include "files/icon_document.h"

#include <QDialog>
#include <QList>

#include <vector>

class QLabel;
class QListWidget;
class QTimer;

namespace ormel {

class TOrm_Angle;
class Tfrm_childwin;
class Tfrm_main;

// The icon mixer: lays the open icons over each other, each moved, flipped, turned, zoomed and
// faded on its own, and shows the mix for every size they all have. The dialog only reads the
// documents; the new icon is taken from it after OK.
class Tfrm_icon_mixer : public QDialog {
    Q_OBJECT

public:
    // One list item per document, in the order given. The documents must outlive the dialog.
    explicit Tfrm_icon_mixer(const QList<Tfrm_childwin*>& documents, QWidget* parent = nullptr);

    bool HasCommonSizes() const { return !sizes_.empty(); }
    // The new icon: one 32-bit image per common size, in their order, named "orm mixer icon"
    // and not yet saved; no images without common sizes.
    TIconDocument MixedDocument() const;
    // "Mixer Icon(" with every item's name and a blank, in list order, then ")".
    QString MixedCaption() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTools();
    QWidget* buildOpacity();
    // The selected item, or null.
    TMixerItem* selectedItem();
    // Applies a change to the selected item and redraws; nothing happens without a selection.
    void changeSelected(void (*change)(TMixerItem&));
    void moveSelected(int step);
    void fillList(int selectedRow);
    void showSelectedSettings();
    void setOpacityFromBar(int x);
    void showOpacity(int opacity);
    void drawPreview();

    std::vector<TMixerItem> items_;
    std::vector<TMixerSize> sizes_;
    QListWidget* list_;
    TOrm_Angle* angle_;
    QLabel* bar_;
    QLabel* arrow_;
    QLabel* opacityValue_;
    QLabel* view_;
    QTimer* previewTimer_;
    bool showingSelection_ = false;
};

// The "Icons Mixer" command: with at least two document windows the mixer runs modally and OK
// opens the mix as a new document; otherwise the user is told that two icons are needed.
void RunIconMixer(Tfrm_main& frame);

} // namespace ormel

#pragma once

#include "effects/effect_backup.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

class QCheckBox;
class QFormLayout;

namespace ormel {

class DialogService;
class EditorServices;
class Tfrm_childwin;
class TrackSpinPair;

// The base of the effect dialogs with a live preview. Execute keeps a backup of the current
// image of a document (and a true-colour working copy of an indexed one); every change of a
// setting recomputes the effect from them into the image and refreshes the document. OK keeps
// the result; Cancel, Esc and the close box put the image back exactly.
class Tfrm_Effect : public QDialog {
    Q_OBJECT

public:
    // `name` is the objectName, which also names the dialog's placement section.
    Tfrm_Effect(EditorServices& services, const char* name, const QString& caption, QWidget* parent = nullptr);

    // Runs the dialog through `dialogs` on the document's current image. True when the dialog
    // was accepted and the image (still the one it started on) holds the result.
    bool Execute(Tfrm_childwin& document, DialogService& dialogs);

    // The name of the step an accepted dialog records: its caption unless a dialog says otherwise.
    virtual QString StepCaption() const { return windowTitle(); }

protected:
    // Recomputes the effect of the current settings from the backup into `live`.
    virtual void ApplyEffect(const TEffectBackup& backup, TIconImage& live) = 0;

    // The rows the derived dialogs put their controls in.
    QFormLayout& Controls() const { return *controls_; }
    // A track bar and spin box row whose changes recompute the preview.
    TrackSpinPair* AddPair(const QString& label, const char* trackName, const char* spinName, int minimum,
                           int maximum, int initial = 0);
    // Called by Execute with the image before the dialog shows, to fit the controls to it.
    virtual void Prepare(const TIconImage&) {}
    // The effect of the initial settings is shown (and kept by OK) as soon as the dialog opens.
    void ApplyWhenShown() { applyWhenShown_ = true; }
    // A setting other than a track bar pair changed: recompute the preview.
    void settingChanged();

private:
    // The image being edited: null once its document has closed or no longer holds it.
    TIconImage* live() const;
    void applyNow();
    void previewToggled(bool checked);
    void restore();
    void refresh();

    QFormLayout* controls_;
    QCheckBox* chk_preview_;
    QTimer pending_; // one coalesced recomputation; the latest settings win
    TEffectBackup backup_;
    QPointer<Tfrm_childwin> document_;
    int imageIndex_ = -1;
    bool applyWhenShown_ = false;
    bool touched_ = false; // some setting moved since Execute
    bool applied_ = true;  // the live image shows the current settings (or is untouched)
};

} // namespace ormel

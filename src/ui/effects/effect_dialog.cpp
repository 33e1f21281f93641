#include "effects/effect_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "document/document_window.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/window_placement_keeper.h"
#include "widgets/track_spin_pair.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace ormel {

Tfrm_Effect::Tfrm_Effect(EditorServices& services, const char* name, const QString& caption, QWidget* parent)
    : QDialog(parent), controls_(new QFormLayout), chk_preview_(new QCheckBox(QStringLiteral("Preview")))
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);

    chk_preview_->setObjectName(QStringLiteral("chk_preview"));
    chk_preview_->setAccessibleName(QStringLiteral("Preview"));
    chk_preview_->setChecked(true);
    connect(chk_preview_, &QCheckBox::toggled, this, &Tfrm_Effect::previewToggled);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls_);
    layout->addWidget(chk_preview_);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &Tfrm_Effect::applyNow);

    new PlacementKeeper(*this, services.positionFile(), true, false);
}

TrackSpinPair* Tfrm_Effect::AddPair(const QString& label, const char* trackName, const char* spinName, int minimum,
                                    int maximum, int initial)
{
    auto* pair = new TrackSpinPair(*controls_, label, trackName, spinName, minimum, maximum, initial);
    connect(pair, &TrackSpinPair::valueChanged, this, &Tfrm_Effect::settingChanged);
    return pair;
}

bool Tfrm_Effect::Execute(Tfrm_childwin& document, DialogService& dialogs)
{
    const TIconImage* image = document.CurrentImage();
    if (image == nullptr)
        return false;
    backup_.Take(*image);
    document_ = &document;
    imageIndex_ = document.CurrentIndex();
    Prepare(backup_.Backup());
    if (applyWhenShown_) {
        touched_ = true;
        applyNow();
    }

    const int result = dialogs.runDialog(*this);
    pending_.stop();
    TIconImage* target = live();
    // The caller records the step on the document's current image, so the result is kept
    // only while that is still the image the dialog changed.
    const bool kept = target != nullptr && result == QDialog::Accepted && document.CurrentIndex() == imageIndex_;
    if (kept && touched_ && !applied_) {
        // With Preview off (or a recomputation still pending) the image does not show the
        // settings yet; OK keeps them, so they are applied once now.
        ApplyEffect(backup_, *target);
    } else if (!kept && target != nullptr) {
        restore();
        refresh();
    }
    document_ = nullptr;
    return kept;
}

TIconImage* Tfrm_Effect::live() const
{
    if (document_ == nullptr)
        return nullptr;
    TIconImageArray& images = document_->Document().Images;
    if (imageIndex_ < 0 || std::size_t(imageIndex_) >= images.size())
        return nullptr;
    TIconImage& image = images[std::size_t(imageIndex_)];
    const TIconImage& original = backup_.Backup();
    if (image.ImageId != original.ImageId || image.Width != original.Width || image.Height != original.Height ||
        image.ColorDepth != original.ColorDepth)
        return nullptr;
    return &image;
}

void Tfrm_Effect::settingChanged()
{
    if (live() == nullptr)
        return;
    touched_ = true;
    applied_ = false;
    if (chk_preview_->isChecked())
        pending_.start();
}

void Tfrm_Effect::applyNow()
{
    TIconImage* target = live();
    if (target == nullptr)
        return;
    ApplyEffect(backup_, *target);
    applied_ = true;
    if (chk_preview_->isChecked())
        refresh();
}

void Tfrm_Effect::previewToggled(bool checked)
{
    if (live() == nullptr)
        return;
    if (checked) {
        if (touched_)
            applyNow();
        return;
    }
    pending_.stop();
    restore();
    applied_ = false;
    refresh();
}

void Tfrm_Effect::restore()
{
    if (TIconImage* target = live())
        backup_.Restore(*target);
}

void Tfrm_Effect::refresh()
{
    if (document_ != nullptr)
        document_->RefreshCurrentImage();
}

} // namespace ormel

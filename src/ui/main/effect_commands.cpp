#include "main/effect_commands.h"

#include "document/document_window.h"
#include "effects/blur_dialogs.h"
#include "effects/filter_dialog.h"
#include "effects/outline_dialogs.h"
#include "effects/tone_dialogs.h"
#include "effects/transform_dialogs.h"
#include "main/command_action.h"
#include "main/editor_services.h"
#include "main/main_window.h"

#include <QPointer>

namespace ormel {

namespace {

template <class Dialog>
std::unique_ptr<Tfrm_Effect> MakeDialog(EditorServices& services, QWidget* parent)
{
    return std::make_unique<Dialog>(services, parent);
}

} // namespace

EffectCommands::EffectCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame), frame_(frame)
{
    const auto instant = [this, menu](const char* name, const QString& caption, TInstantCommand command) {
        QAction* action = AddCommand(menu, name, caption);
        connect(action, &QAction::triggered, this, [this, command, caption] { run(command, caption); });
        imageActions_.append(action);
    };
    addDialogEffect(menu, "act_Filters", QStringLiteral("Filters"), MakeDialog<Tfrm_Filters>);
    menu->addSeparator();
    addDialogEffect(menu, "act_BrightnessContrast", QStringLiteral("Brightness / Contrast"),
                    MakeDialog<Tfrm_Brightness_Contrast>);
    addDialogEffect(menu, "act_Saturation", QStringLiteral("Saturation"), MakeDialog<Tfrm_Saturation>);
    addDialogEffect(menu, "act_ColorBalance", QStringLiteral("Color Balance"), MakeDialog<Tfrm_Color_Balance>);
    instant("act_InvertColor", QStringLiteral("Invert Color"), TInstantCommand::InvertColor);
    menu->addSeparator();
    addDialogEffect(menu, "act_Blur", QStringLiteral("Blur"), MakeDialog<Tfrm_Blur>);
    addDialogEffect(menu, "act_Sharpen", QStringLiteral("Sharpen"), MakeDialog<Tfrm_Sharpen>);
    addDialogEffect(menu, "act_Shadow", QStringLiteral("Shadow"), MakeDialog<Tfrm_Shadow>);
    addDialogEffect(menu, "act_Stroke", QStringLiteral("Stroke"), MakeDialog<Tfrm_Stroke>);
    menu->addSeparator();
    instant("act_FlipHorizontal", QStringLiteral("Flip Horizontal"), TInstantCommand::FlipHorizontal);
    instant("act_FlipVertical", QStringLiteral("Flip Vertical"), TInstantCommand::FlipVertical);
    instant("act_Rotate180", QStringLiteral("Rotate 180"), TInstantCommand::Rotate180);
    instant("act_Rotate90CW", QStringLiteral("Rotate 90 CW"), TInstantCommand::Rotate90CW);
    instant("act_Rotate90CCW", QStringLiteral("Rotate 90 CCW"), TInstantCommand::Rotate90CCW);
    addDialogEffect(menu, "act_RotateArbitrary", QStringLiteral("Rotate  Arbitrary "), MakeDialog<Tfrm_Rotate>);
    addDialogEffect(menu, "act_Zoom", QStringLiteral("Zoom"), MakeDialog<Tfrm_Zoom>);

    connect(&frame_, &Tfrm_main::activeDocumentChanged, this, &EffectCommands::updateEnabled);
    updateEnabled();
}

void EffectCommands::updateEnabled()
{
    const bool image = frame_.ActiveImage() != nullptr;
    for (QAction* action : imageActions_)
        action->setEnabled(image);
}

void EffectCommands::addDialogEffect(QMenu* menu, const char* name, const QString& caption, DialogFactory make)
{
    QAction* action = AddCommand(menu, name, caption);
    connect(action, &QAction::triggered, this, [this, make = std::move(make)] { runDialog(make); });
    imageActions_.append(action);
}

void EffectCommands::runDialog(const DialogFactory& make)
{
    frame_.Services().finishActiveTool();
    Tfrm_childwin* document = frame_.ActiveDocument();
    if (document == nullptr || document->CurrentImage() == nullptr)
        return;
    const QPointer<Tfrm_childwin> guard(document);
    const std::unique_ptr<Tfrm_Effect> dialog = make(frame_.Services(), &frame_);
    if (dialog->Execute(*document, frame_.Services().dialogs()) && guard != nullptr)
        document->RecordChange(dialog->StepCaption());
}

void EffectCommands::run(TInstantCommand command, const QString& caption)
{
    frame_.Services().finishActiveTool();
    Tfrm_childwin* document = frame_.ActiveDocument();
    TIconImage* image = document != nullptr ? document->CurrentImage() : nullptr;
    if (image == nullptr)
        return;
    ApplyInstantCommand(*image, command);
    document->RecordChange(caption);
}

} // namespace ormel

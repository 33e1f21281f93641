#include "main/effect_commands.h"

#include "document/document_window.h"
#include "main/command_action.h"
#include "main/main_window.h"

namespace ormel {

EffectCommands::EffectCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame), frame_(frame)
{
    const auto dialogEffect = [menu](const char* name, const QString& caption) {
        AddCommand(menu, name, caption)->setEnabled(false);
    };
    const auto instant = [this, menu](const char* name, const QString& caption, TInstantCommand command) {
        QAction* action = AddCommand(menu, name, caption);
        connect(action, &QAction::triggered, this, [this, command, caption] { run(command, caption); });
        instant_.append(action);
    };
    dialogEffect("act_Filters", tr("Filters"));
    menu->addSeparator();
    dialogEffect("act_BrightnessContrast", tr("Brightness / Contrast"));
    dialogEffect("act_Saturation", tr("Saturation"));
    dialogEffect("act_ColorBalance", tr("Color Balance"));
    instant("act_InvertColor", QStringLiteral("Invert Color"), TInstantCommand::InvertColor);
    menu->addSeparator();
    dialogEffect("act_Blur", tr("Blur"));
    dialogEffect("act_Sharpen", tr("Sharpen"));
    dialogEffect("act_Shadow", tr("Shadow"));
    dialogEffect("act_Stroke", tr("Stroke"));
    menu->addSeparator();
    instant("act_FlipHorizontal", QStringLiteral("Flip Horizontal"), TInstantCommand::FlipHorizontal);
    instant("act_FlipVertical", QStringLiteral("Flip Vertical"), TInstantCommand::FlipVertical);
    instant("act_Rotate180", QStringLiteral("Rotate 180"), TInstantCommand::Rotate180);
    instant("act_Rotate90CW", QStringLiteral("Rotate 90 CW"), TInstantCommand::Rotate90CW);
    instant("act_Rotate90CCW", QStringLiteral("Rotate 90 CCW"), TInstantCommand::Rotate90CCW);
    dialogEffect("act_RotateArbitrary", QStringLiteral("Rotate  Arbitrary "));
    dialogEffect("act_Zoom", tr("Zoom"));

    connect(&frame_, &Tfrm_main::activeDocumentChanged, this, &EffectCommands::updateEnabled);
    updateEnabled();
}

void EffectCommands::updateEnabled()
{
    const bool image = frame_.ActiveImage() != nullptr;
    for (QAction* action : instant_)
        action->setEnabled(image);
}

void EffectCommands::run(TInstantCommand command, const QString& caption)
{
    Tfrm_childwin* document = frame_.ActiveDocument();
    TIconImage* image = document != nullptr ? document->CurrentImage() : nullptr;
    if (image == nullptr)
        return;
    ApplyInstantCommand(*image, command);
    document->RecordChange(caption);
}

} // namespace ormel

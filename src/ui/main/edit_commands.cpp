#include "main/edit_commands.h"

#include "history/history_window.h"
#include "main/floating_windows.h"

#include "document/document_window.h"
#include "main/command_action.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/main_window.h"
#include "tools/paste_dialog.h"
#include "tools/selection_commands.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QToolBar>

namespace ormel {

EditCommands::EditCommands(Tfrm_main& frame, QMenu* menu) : QObject(&frame), frame_(frame)
{
    cut_ = AddCommand(menu, "act_Cut", tr("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, QStringLiteral("edit-cut"));
    copy_ = AddCommand(menu, "act_Copy", tr("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), {}, QStringLiteral("edit-copy"));
    QAction* clear = AddCommand(menu, "act_Clear", tr("Clear"), QKeySequence(Qt::Key_Delete));
    paste_ = AddCommand(menu, "act_Paste", tr("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), {}, QStringLiteral("edit-paste"));
    menu->addSeparator();
    QAction* selectAll = AddCommand(menu, "act_SelectAll", tr("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    QAction* selectNone = AddCommand(menu, "act_SelectNone", tr("Select None"), QKeySequence(Qt::CTRL | Qt::Key_D));
    // Paste follows the clipboard: enabled while it holds a picture and an image is active.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditCommands::updatePaste);
    connect(&frame_.Services(), &EditorServices::currentImageChanged, this, &EditCommands::updatePaste);
    connect(paste_, &QAction::triggered, this, [this] {
        frame_.Services().finishActiveTool();
        Tfrm_childwin* document = frame_.ActiveDocument();
        if (document == nullptr)
            return;
        if (pasteDialog_ == nullptr)
            pasteDialog_ = new Tfrm_Paste(frame_.Services(), clipboard_, &frame_);
        pasteDialog_->Execute(*document);
    });
    updatePaste();
    clear_ = clear;
    selectAll_ = selectAll;
    selectNone_ = selectNone;
    const auto onSelection = [this](TSelectionCommand mode) {
        return [this, mode] {
            frame_.Services().finishActiveTool();
            if (Tfrm_childwin* document = frame_.ActiveDocument())
                EditSelection(*document, mode, clipboard_, frame_.Services().stripBackColor());
        };
    };
    connect(copy_, &QAction::triggered, this, onSelection(TSelectionCommand::Copy));
    connect(cut_, &QAction::triggered, this, onSelection(TSelectionCommand::Cut));
    connect(clear_, &QAction::triggered, this, onSelection(TSelectionCommand::Clear));
    connect(selectAll_, &QAction::triggered, this, [this] {
        if (Tfrm_childwin* document = frame_.ActiveDocument())
            SelectAllPixels(*document);
    });
    connect(selectNone_, &QAction::triggered, this, [this] {
        if (Tfrm_childwin* document = frame_.ActiveDocument())
            SelectNoPixels(*document);
    });
    connect(&frame_.Services(), &EditorServices::selectionChanged, this, &EditCommands::updateSelection);
    connect(&frame_.Services(), &EditorServices::currentImageChanged, this, &EditCommands::updateSelection);
    updateSelection();
    menu->addSeparator();
    undo_ = AddCommand(menu, "act_Undo", tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), tr("Undo the last change"), QStringLiteral("edit-undo"));
    redo_ = AddCommand(menu, "act_Redo", tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                       tr("Redo the change undone last"), QStringLiteral("edit-redo"));

    connect(undo_, &QAction::triggered, this, &EditCommands::undo);
    connect(redo_, &QAction::triggered, this, &EditCommands::redo);
    connect(&frame_.Services(), &EditorServices::historyChanged, this, &EditCommands::updateUndoRedo);
    connect(&frame_.Services(), &EditorServices::currentImageChanged, this, &EditCommands::updateUndoRedo);
    updateUndoRedo();
}

void EditCommands::addToToolBar(QToolBar& toolBar)
{
    toolBar.addSeparator();
    toolBar.addAction(cut_);
    toolBar.addAction(copy_);
    toolBar.addAction(paste_);
}

void EditCommands::updateSelection()
{
    Tfrm_childwin* document = frame_.ActiveDocument();
    const bool image = document != nullptr && document->CurrentImage() != nullptr;
    const bool selection = image && document->Selection().HasSelection();
    for (QAction* action : {cut_, copy_, clear_})
        action->setEnabled(selection);
    selectAll_->setEnabled(image);
    selectNone_->setEnabled(image);
}

void EditCommands::updatePaste()
{
    paste_->setEnabled(frame_.ActiveImage() != nullptr && QtSystemClipboard::HasPicture());
}

void EditCommands::updateUndoRedo()
{
    TUndoHistory& history = frame_.Services().history();
    // The history lists the active image's steps; nothing is undone for another image.
    history.ShowImageHistory(frame_.ActiveImage());
    undo_->setEnabled(history.CanUndo());
    redo_->setEnabled(history.CanRedo());
}

// The history window moves, restores the image and says why when a step cannot be read.
void EditCommands::undo() { frame_.Floating().History().Undo(); }

void EditCommands::redo() { frame_.Floating().History().Redo(); }

} // namespace ormel

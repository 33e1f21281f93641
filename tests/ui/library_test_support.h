#pragma once

#include "document/document_window.h"
#include "files/file_access.h"
#include "library/icon_library_window.h"
#include "library/library_loader.h"
#include "library/library_store.h"
#include "library/library_writer.h"
#include "main/floating_windows.h"
#include "main/main_window.h"
#include "ui_test_support.h"

#include <QInputDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <tuple>

namespace ormel::test {

// The frame with its icon library window shown, and the steps the library tests share.
class LibraryTestBase : public QObject {
protected:
    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<Tfrm_main> frame_;
    QTemporaryDir dir_;

    Tfrm_Icon_Lib& lib() const { return frame_->Floating().Library(); }
    QListWidget* list() const { return lib().findChild<QListWidget*>(QStringLiteral("lsv_Lib")); }
    QToolButton* button(const char* name) const { return lib().findChild<QToolButton*>(QLatin1String(name)); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void trigger(const char* name) { frame_->findChild<QAction*>(QLatin1String(name))->trigger(); }
    void select(int row) { list()->setCurrentRow(row); }
    void doubleClick(int row)
    {
        const QRect rect = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QString copyOf(const char* fixture, const QString& name)
    {
        const QString path = dir_.filePath(name);
        QFile::remove(path);
        return QFile::copy(DataFile(fixture), path) ? path : QString();
    }
    QStringList captions() const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts.append(list()->item(i)->text());
        return texts;
    }
    // The rename dialog answered with `name`.
    void answerRename(const QString& name, int result = QDialog::Accepted)
    {
        dialogs_->dialogHandlers.append([name, result](QDialog& dialog) {
            static_cast<QInputDialog&>(dialog).setTextValue(name);
            return result;
        });
    }
    // An icon document opened from a copy of a fixture icon, active in the frame.
    Tfrm_childwin* openIcon(const QString& name)
    {
        frame_->OpenFiles({copyOf("python-idle.ico", name)});
        return frame_->ActiveDocument();
    }
    // A new library holding "idle" (four images) and an empty "New Icon(1)", saved as `file`.
    void buildLibrary(const QString& file)
    {
        click("btn_new");
        openIcon(QStringLiteral("idle.ico"));
        trigger("act_SaveToLibrary");
        click("btn_Insert");
        select(0);
        dialogs_->answers = {QMessageBox::Yes};
        click("btn_Delete");
        dialogs_->saveAnswer = file;
        click("btn_Save");
    }
    // A dialog ended by its OK button.
    static int PressOk(QDialog& dialog)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btn_OK")), Qt::LeftButton);
        return dialog.result();
    }

    void makeFrame()
    {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        frame_ = std::make_unique<Tfrm_main>(std::move(dialogs));
        frame_->show();
    }

    void startFrame()
    {
        makeFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        lib().show();
        QVERIFY(QTest::qWaitForWindowExposed(&lib()));
    }
    void stopFrame()
    {
        dialogs_->answers = QList<QMessageBox::StandardButton>(20, QMessageBox::No);
        frame_->close();
        frame_.reset();
    }
};

} // namespace ormel::test

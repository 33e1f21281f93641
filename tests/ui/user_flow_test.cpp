#include "history/history_window.h"
#include "main/floating_windows.h"
#include "frame_fixture.h"

#include <QAbstractButton>
#include <QMdiArea>
#include <QMenu>
#include <QTableWidget>

using namespace ormel;
using namespace ormel::test;

namespace {

// A dialog handler that checks the radio buttons named and presses OK.
std::function<int(QDialog&)> Choose(QStringList radios)
{
    return [radios](QDialog& dialog) {
        for (const QString& name : radios)
            if (auto* radio = dialog.findChild<QAbstractButton*>(name))
                radio->click();
        PressButton(dialog, "btn_OK");
        return dialog.result();
    };
}

} // namespace

// What a person does in a first session, through the menus, buttons and lists: a new icon,
// images added and deleted, flips and turns undone and redone from the menu and the history
// list, a deleted image restored, saved, reopened from the Reopen menu, and quit.
class UserFlowTest : public QObject, FrameFixture {
    Q_OBJECT

private slots:
    void createEditSaveReopenQuit()
    {
        QTemporaryDir dir;
        startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));

        // File, New: the add-image dialog's proposal.
        dialogs_->dialogHandlers = {Choose({})};
        trigger("act_New");
        Tfrm_childwin* document = frame_->ActiveDocument();
        QVERIFY(document != nullptr);
        QCOMPARE(document->windowTitle(), QStringLiteral("Icon1"));

        // Two more formats; adding 16 x 16 again only offers to switch to it.
        dialogs_->dialogHandlers = {Choose({"rdb_16x16", "rdb_32bits"}), Choose({"rdb_256x256", "rdb_32bits"}),
                                  Choose({"rdb_16x16", "rdb_32bits"})};
        PressButton(*document, "btn_AddImage");
        PressButton(*document, "btn_AddImage");
        QCOMPARE(document->Document().Images.size(), std::size_t(3));
        QCOMPARE(document->windowTitle(), QStringLiteral("Icon1 *"));
        dialogs_->answers = {QMessageBox::Ok};
        PressButton(*document, "btn_AddImage");
        QCOMPARE(dialogs_->questions.last().second,
                 QStringLiteral("The image format \"16x16 : 32bits\" is alreay exists in this icon. Switch to this format?"));
        QCOMPARE(document->Document().Images.size(), std::size_t(3));
        QCOMPARE(document->CurrentImage()->Width, 16);

        // Draw something to turn: flip and rotate the 16 x 16 image, then undo from the menu
        // and from the history list.
        document->CurrentImage()->Bitmap.pixel(0, 0)[0] = 10;
        document->CurrentImage()->Mask.pixel(0, 0)[0] = 0;
        QWidget* strip = document->findChild<QWidget*>(QStringLiteral("img_strip"));
        const QImage cellsBefore = strip->grab().toImage();
        trigger("act_FlipHorizontal");
        trigger("act_Rotate90CW");
        QVERIFY(strip->grab().toImage() != cellsBefore); // the current cell shows the change
        const Raster turned = document->CurrentImage()->Bitmap;
        trigger("act_Undo");
        trigger("act_Redo");
        QVERIFY(document->CurrentImage()->Bitmap == turned);
        auto* steps = frame_->Floating().History().findChild<QTableWidget*>(QStringLiteral("lsv_history"));
        QCOMPARE(steps->rowCount(), 3); // New, Flip Horizontal, Rotate 90 CW
        QTest::mouseClick(steps->viewport(), Qt::LeftButton, {}, steps->visualRect(steps->model()->index(0, 0)).center());
        // Back to the white image "New" recorded (the mark was made outside the history).
        QCOMPARE(document->CurrentImage()->Bitmap.pixel(0, 0)[0], 255);
        QTest::mouseClick(steps->viewport(), Qt::LeftButton, {}, steps->visualRect(steps->model()->index(2, 0)).center());
        QVERIFY(document->CurrentImage()->Bitmap == turned);

        // Delete the 256 x 256 image, then restore it from the recycle bin.
        document->SelectImage(2);
        QCOMPARE(document->CurrentImage()->Width, 256);
        dialogs_->dialogHandlers = {Choose({})};
        PressButton(*document, "btn_DeleteImage");
        QCOMPARE(document->Document().Images.size(), std::size_t(2));
        auto* bin = frame_->Floating().History().findChild<QTableWidget*>(QStringLiteral("lsv_recycle"));
        QCOMPARE(bin->rowCount(), 1);
        bin->selectRow(0);
        frame_->Floating().History().findChild<QAction*>(QStringLiteral("act_Restore"))->trigger();
        QCOMPARE(bin->rowCount(), 0);
        QCOMPARE(document->Document().Images.size(), std::size_t(3));
        QCOMPARE(document->Document().Images.back().Width, 256);

        // Save (asks for a path), close, reopen from the Reopen menu.
        dialogs_->saveAnswer = dir.filePath(QStringLiteral("first"));
        trigger("act_Save");
        const QString saved = dir.filePath(QStringLiteral("first.ico"));
        QCOMPARE(document->FilePath(), saved);
        QCOMPARE(document->windowTitle(), QStringLiteral("first.ico"));
        trigger("act_Close");
        QTRY_COMPARE(frame_->Documents().size(), 0);
        QMenu* reopen = frame_->findChild<QMenu*>(QStringLiteral("mnu_Reopen"));
        QCOMPARE(reopen->actions().first()->text(), saved);
        reopen->actions().first()->trigger();
        QCOMPARE(frame_->Documents().size(), 1);
        QCOMPARE(frame_->ActiveDocument()->Document().Images.size(), std::size_t(3));
        QVERIFY(frame_->ActiveDocument()->Document().Images[1].Bitmap == turned);

        QCOMPARE(dialogs_->messages, Messages());
        QVERIFY(frame_->close());
    }
};

ORMEL_UI_TEST_MAIN(UserFlowTest)
#include "user_flow_test.moc"

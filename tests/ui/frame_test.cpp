#include "dialogs/preview_window.h"
#include "files/file_access.h"
#include "history/history_window.h"
#include "main/floating_windows.h"
#include "frame_fixture.h"


using namespace ormel;
using namespace ormel::test;

class FrameTest : public QObject, FrameFixture {
    Q_OBJECT

    QTemporaryDir dir_;

    void open(const QStringList& paths) { dialogs_->openAnswer = paths, trigger("act_Open"); }
    // A copy of a test icon under another name in the test's directory.
    QString copyOf(const char* fixture, const QString& name)
    {
        const QString path = dir_.filePath(name);
        QFile::remove(path);
        return QFile::copy(DataFile(fixture), path) ? path : QString();
    }

private slots:
    void init()
    {
        REQUIRE_DATA(DataFile("wine-shell32-rgba.ico"));
        QFile::remove(qEnvironmentVariable("ORMEL_HOME") + QStringLiteral("/ormel.cfg"));
        startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }
    void cleanup() { frame_.reset(); }

    void openingTheSameFileTwiceActivatesItsWindow()
    {
        const QString path = copyOf("wine-shell32-rgba.ico", QStringLiteral("a.ico"));
        open({path});
        QCOMPARE(dialogs_->messages, Messages());
        QCOMPARE(frame_->Documents().size(), 1);
        const QString other = copyOf("python-idle.ico", QStringLiteral("b.ico"));
        open({other});
        QCOMPARE(frame_->Documents().size(), 2);
        // The same file by another spelling is the same document.
        QDir::setCurrent(dir_.path());
        open({QStringLiteral("./a.ico")});
        QCOMPARE(frame_->Documents().size(), 2);
        QCOMPARE(frame_->ActiveDocument()->FilePath(), path);
    }

    void unreadableFilesAreReported()
    {
        const QString missing = dir_.filePath(QStringLiteral("missing.ico"));
        QFile cursor(dir_.filePath(QStringLiteral("cursor.ico")));
        QVERIFY(cursor.open(QIODevice::WriteOnly) && cursor.write(QByteArray("\0\0\2\0\1\0", 6)) == 6);
        cursor.close();
        open({missing, cursor.fileName(), dir_.filePath(QStringLiteral("notes.txt"))});
        QCOMPARE(dialogs_->messages, (Messages{{"Open Icon", "File not found."},
                                                {"Open Icon", "The file format is not available."}}));
        QCOMPARE(frame_->Documents().size(), 0);
    }

    void saveAsProposesTheNameAndWritesTheChosenKind()
    {
        open({copyOf("wine-shell32-rgba.ico", QStringLiteral("source.ico"))});
        Tfrm_childwin* document = frame_->ActiveDocument();

        dialogs_->saveAnswer = dir_.filePath(QStringLiteral("picture"));
        dialogs_->saveFilterAnswer = QStringLiteral("PNG (*.png)");
        trigger("act_SaveAs");
        QCOMPARE(dialogs_->proposedSaveName, QStringLiteral("source"));
        QVERIFY(QImage(dir_.filePath(QStringLiteral("picture.png"))).size() == QSize(16, 16));
        QCOMPARE(document->FilePath(), dir_.filePath(QStringLiteral("source.ico"))); // keeps its name

        dialogs_->saveAnswer = dir_.filePath(QStringLiteral("copy.ICO"));
        dialogs_->saveFilterAnswer = QStringLiteral("Icons (*.ico)");
        trigger("act_SaveAs");
        QCOMPARE(document->FilePath(), dir_.filePath(QStringLiteral("copy.ICO")));
        TIconDocument reread;
        QCOMPARE(TIconFileAccess().OpenIconFile(document->FilePath().toStdString(), reread), 0);
        QCOMPARE(reread.Images.size(), document->Document().Images.size());
        QCOMPARE(dialogs_->messages, Messages());
    }

    void placementAndShowingStatesSurviveARestart()
    {
        QVERIFY(frame_->Floating().History().isVisible() && !frame_->Floating().Preview().isVisible()); // the defaults
        frame_->setGeometry(60, 50, 700, 500);
        frame_->Floating().History().hide();
        frame_->Floating().Preview().show();
        frame_->Floating().Preview().move(300, 200);
        const QRect preview = frame_->Floating().Preview().frameGeometry();
        QVERIFY(frame_->close());
        startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        QCOMPARE(frame_->geometry(), QRect(60, 50, 700, 500));
        QVERIFY(!frame_->Floating().History().isVisible());
        QVERIFY(!action("act_HistoryWindow")->isChecked());
        QVERIFY(frame_->Floating().Preview().isVisible());
        QVERIFY(action("act_PreviewWindow")->isChecked());
        QCOMPARE(frame_->Floating().Preview().frameGeometry().topLeft(), preview.topLeft());
    }

    void quittingAsksAboutEveryModifiedDocument()
    {
        open({copyOf("wine-shell32-rgba.ico", QStringLiteral("quit.ico"))});
        Tfrm_childwin* document = frame_->ActiveDocument();
        trigger("act_InvertColor");
        // Cancel keeps everything open.
        dialogs_->answers = {QMessageBox::Cancel};
        QVERIFY(!frame_->close());
        QCOMPARE(dialogs_->questions,
                 (Messages{{"Save Icon", "The icon 'quit.ico' has been modified. Do you want to save it?"}}));
        // Yes with a save that fails keeps the editor running and the document modified.
        document->Document().FileDir = "/no/such/directory/";
        dialogs_->answers = {QMessageBox::Yes};
        QVERIFY(!frame_->close());
        QCOMPARE(dialogs_->messages.last().first, QStringLiteral("Save File"));
        QVERIFY(document->Document().Modified);
        QCOMPARE(frame_->Documents().size(), 1);
        // No gives the changes up and quits.
        dialogs_->answers = {QMessageBox::No};
        QVERIFY(frame_->close());
    }
};

ORMEL_UI_TEST_MAIN(FrameTest)
#include "frame_test.moc"

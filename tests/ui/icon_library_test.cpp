#include "library_test_support.h"

#include <filesystem>

using namespace ormel;
using namespace ormel::test;

// The icon library window on the fixture programs and on libraries it builds, saves and reads back.
class IconLibraryTest : public LibraryTestBase {
    Q_OBJECT

private slots:
    void init() { startFrame(); }
    void cleanup() { stopFrame(); }

    void editingAnEntryOpensItsDocument()
    {
        const QString path = DataFile("pe32-regedit.exe");
        REQUIRE_DATA(path);
        frame_->OpenFiles({path});
        doubleClick(1);
        QCOMPARE(frame_->Documents().size(), 1);
        Tfrm_childwin* document = frame_->ActiveDocument();
        // An entry of a program opens as an ordinary icon named after it.
        QCOMPARE(document->windowTitle(), QStringLiteral("Orm Icon2"));
        QCOMPARE(int(document->Document().Images.size()), lib().Library().Groups[1].Count);
        QVERIFY(!document->IsLibraryDocument());
        // Editing it again brings that window back.
        frame_->OpenFiles({copyOf("python-idle.ico", QStringLiteral("other.ico"))});
        select(1);
        click("btn_edit");
        QCOMPARE(frame_->Documents().size(), 2);
        QCOMPARE(frame_->ActiveDocument(), document);
    }

    void anIconLibraryIsBuiltSavedAndReadBack()
    {
        const QString file = dir_.filePath(QStringLiteral("mine"));
        buildLibrary(file);
        const QString saved = file + QStringLiteral(".icl");
        QVERIFY(QFile::exists(saved));
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - mine.icl"));
        QCOMPARE(frame_->ActiveDocument()->windowTitle(), QStringLiteral("idle in mine.icl library"));
        QCOMPARE(captions(), (QStringList{"idle\n(4 Formats)", "New Icon(1)\n(0 Formats)"}));

        // Renamed and saved again; read back below.
        select(1);
        answerRename(QStringLiteral("Moon with a name much longer than thirty-two"));
        click("btn_rename");
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - mine.icl *"));
        click("btn_Save");
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - mine.icl"));

        // Independent tools see two icon groups.
        const QString wrestool = QStandardPaths::findExecutable(QStringLiteral("wrestool"));
        if (!wrestool.isEmpty()) {
            QProcess process;
            process.start(wrestool, {QStringLiteral("-l"), QStringLiteral("--type=14"), saved});
            QVERIFY(process.waitForFinished());
            QCOMPARE(process.readAllStandardOutput().count("--type=14"), 2);
        }

        // Reopened through the frame: the same entries, editable, listed before any image has
        // been written out. Saved again at once, the file is the same; an entry opens whole.
        click("btn_new");
        frame_->OpenFiles({saved});
        QCOMPARE(captions(), (QStringList{"idle\n(4 Formats)", "Moon with a name much longer tha\n(0 Formats)"}));
        QVERIFY(button("btn_Save")->isEnabled());
        QVERIFY(std::filesystem::is_empty(lib().Library().TempDir));
        const QByteArray written = ReadBytes(saved);
        QVERIFY(QFile::remove(saved));
        click("btn_Save");
        QCOMPARE(ReadBytes(saved), written);
        TIconDocument idle;
        QCOMPARE(TIconFileAccess().OpenIconFile(DataFile("python-idle.ico").toStdString(), idle), 0);
        doubleClick(0);
        const TIconImageArray& opened = frame_->ActiveDocument()->Document().Images;
        QCOMPARE(opened.size(), idle.Images.size());
        for (std::size_t i = 0; i < opened.size(); ++i)
            QVERIFY(opened[i].Bitmap == idle.Images[i].Bitmap && opened[i].Mask == idle.Images[i].Mask);

        // Saved into its entry, the document's images get snapshot files; starting a new library
        // takes them away with their directory.
        const std::string snapshots = lib().Library().TempDir;
        QCOMPARE(frame_->ActiveDocument()->SaveDocument(), 0);
        QVERIFY(!std::filesystem::is_empty(snapshots));
        dialogs_->answers = {QMessageBox::No};
        click("btn_new");
        QVERIFY(!std::filesystem::exists(snapshots));
    }
};

ORMEL_UI_TEST_MAIN(IconLibraryTest)
#include "icon_library_test.moc"

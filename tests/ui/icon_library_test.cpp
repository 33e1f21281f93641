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

    void aProgramIsListedReadOnly()
    {
        // What the reader finds in the fixture programs is pinned by the core tests; here the
        // window shows it.
        const QString path = DataFile("pe32-regedit.exe");
        REQUIRE_DATA(path);
        dialogs_->openAnswer = {path};
        trigger("act_Open");
        QCOMPARE(dialogs_->messages, Messages());
        QVERIFY(lib().isVisible());
        QVERIFY(frame_->findChild<QAction*>(QStringLiteral("act_IconLibrary"))->isChecked());
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - pe32-regedit.exe"));
        QCOMPARE(lib().LibraryPath(), path);
        QCOMPARE(list()->count(), 6);
        for (int i = 0; i < 6; ++i) {
            const TGroupIcon& entry = lib().Library().Groups[std::size_t(i)];
            QCOMPARE(list()->item(i)->text(), QStringLiteral("Orm Icon%1\n(%2 Formats)").arg(i + 1).arg(entry.Count));
            QCOMPARE(entry.Count, 10);
            QCOMPARE(list()->item(i)->icon().availableSizes(), QList<QSize>{QSize(32, 32)});
        }
        for (const char* name : {"btn_Save", "btn_Insert", "btn_Delete", "btn_rename"})
            QVERIFY2(!button(name)->isEnabled(), name);
        QVERIFY(button("btn_edit")->isEnabled());
    }

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

        // New: the four commands come back, and the first entry opens the add-image dialog.
        click("btn_new");
        QCOMPARE(frame_->Documents().size(), 2); // the program's icon is not the library's
        for (const char* name : {"btn_Save", "btn_Insert", "btn_Delete", "btn_rename"})
            QVERIFY2(button(name)->isEnabled(), name);
        QCOMPARE(captions(), QStringList{"New Icon\n(0 Formats)"});
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - New Icon Lib"));
        dialogs_->dialogHandlers = {PressOk};
        doubleClick(0);
        QCOMPARE(dialogs_->dialogsRun, QStringList{"frm_add_new_image"});
        QCOMPARE(frame_->ActiveDocument()->windowTitle(), QStringLiteral("New Icon in New Icon Lib library"));
        const TIconImage& image = frame_->ActiveDocument()->Document().Images.at(0);
        QCOMPARE(std::tuple(image.Width, image.Height, image.ColorDepth), std::tuple(48, 48, int(Depth32)));
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

    void aCancelledOpenKeepsTheLibrary()
    {
        frame_->OpenFiles({DataFile("pe32-hh.exe")});
        QTimer::singleShot(0, [] { LibraryLoader::CancelCurrent(); });
        QCOMPARE(lib().OpenLibrary(DataFile("pe32-regedit.exe")), 1);
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - pe32-hh.exe"));
        QCOMPARE(list()->count(), 1);
        QCOMPARE(lib().LibraryPath(), DataFile("pe32-hh.exe"));
    }

    void theViewCommandAndTheShowingStateSurviveARestart()
    {
        QAction* command = frame_->findChild<QAction*>(QStringLiteral("act_IconLibrary"));
        lib().hide();
        QVERIFY(command->isEnabled() && !command->isChecked());
        command->trigger();
        QVERIFY(lib().isVisible() && command->isChecked());
        lib().move(320, 240);
        const QPoint place = lib().frameGeometry().topLeft();
        for (const bool showing : {true, false}) {
            QVERIFY(frame_->close());
            frame_.reset();
            makeFrame();
            command = frame_->findChild<QAction*>(QStringLiteral("act_IconLibrary"));
            QCOMPARE(command->isChecked(), showing);
            QCOMPARE(lib().isVisible(), showing);
            if (showing) {
                QVERIFY(QTest::qWaitForWindowExposed(&lib()));
                QCOMPARE(lib().frameGeometry().topLeft(), place);
                command->trigger();
            }
            QVERIFY(!lib().isVisible() && !command->isChecked());
        }
    }

};

ORMEL_UI_TEST_MAIN(IconLibraryTest)
#include "icon_library_test.moc"

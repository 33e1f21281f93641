#include "document/document_window.h"
#include "files/file_access.h"
#include "library/icon_library_window.h"
#include "library/library_loader.h"
#include "library/library_reader.h"
#include "library/library_store.h"
#include "library/library_writer.h"
#include "main/floating_windows.h"
#include "main/main_window.h"
#include "settings/app_directories.h"
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

using namespace ormel;
using namespace ormel::test;

// The icon library window on real fixture programs and on libraries it builds and saves.
class IconLibraryTest : public QObject {
    Q_OBJECT

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
    static TIconLibrary ReadBack(const QString& path, QTemporaryDir& temp)
    {
        TIconLibrary read;
        read.TempDir = temp.path().toStdString() + "/";
        ReadIconResources(read, path.toStdString());
        return read;
    }

    void makeFrame()
    {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        frame_ = std::make_unique<Tfrm_main>(std::move(dialogs));
        frame_->show();
    }

private slots:
    void init()
    {
        makeFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        lib().show();
        QVERIFY(QTest::qWaitForWindowExposed(&lib()));
    }
    void cleanup()
    {
        dialogs_->answers = QList<QMessageBox::StandardButton>(20, QMessageBox::No);
        frame_->close();
        frame_.reset();
    }

    void fixtureProgramsListEveryGroup_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("groups");
        QTest::addColumn<int>("images");
        // As wrestool lists them (tests/data/FACTS.txt).
        QTest::newRow("hh") << "pe32-hh.exe" << 1 << 10;
        QTest::newRow("regedit") << "pe32-regedit.exe" << 6 << 60;
        QTest::newRow("inetcpl") << "pe32-inetcpl.cpl" << 2 << 20;
        QTest::newRow("hh64") << "pe32plus-hh.exe" << 1 << 10;
        QTest::newRow("inetcpl64") << "pe32plus-inetcpl.cpl" << 2 << 20;
    }
    void fixtureProgramsListEveryGroup()
    {
        QFETCH(QString, file);
        QFETCH(int, groups);
        QFETCH(int, images);
        const QString path = DataFile(file.toLatin1().constData());
        REQUIRE_DATA(path);
        dialogs_->openAnswer = {path};
        trigger("act_Open");
        QCOMPARE(dialogs_->messages, Messages());
        QVERIFY(lib().isVisible());
        QVERIFY(frame_->findChild<QAction*>(QStringLiteral("act_IconLibrary"))->isChecked());
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - ") + file);
        QCOMPARE(list()->count(), groups);
        int listed = 0;
        for (const TGroupIcon& entry : lib().Library().Groups)
            listed += entry.Count;
        QCOMPARE(listed, images);

        // Every item shows what the reader found for its group, with a 32 x 32 thumbnail.
        QTemporaryDir temp;
        const TIconLibrary read = ReadBack(path, temp);
        QCOMPARE(int(read.Groups.size()), groups);
        for (int i = 0; i < groups; ++i) {
            const TGroupIcon& entry = read.Groups[std::size_t(i)];
            QCOMPARE(list()->item(i)->text(), QStringLiteral("%1\n(%2 Formats)").arg(QString::fromStdString(entry.Name)).arg(entry.Count));
            QCOMPARE(list()->item(i)->icon().availableSizes(), QList<QSize>{QSize(32, 32)});
            for (std::size_t j = 0; j < entry.Formats.size(); ++j)
                QCOMPARE(std::pair(lib().Library().Groups[std::size_t(i)].Formats[j].Width,
                                   lib().Library().Groups[std::size_t(i)].Formats[j].BitCount),
                         std::pair(entry.Formats[j].Width, entry.Formats[j].BitCount));
        }
        // A program is read-only.
        for (const char* name : {"btn_Save", "btn_Insert", "btn_Delete", "btn_rename"})
            QVERIFY2(!button(name)->isEnabled(), name);
        QVERIFY(button("btn_edit")->isEnabled());
        QCOMPARE(frame_->Floating().Library().LibraryPath(), path);
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

        // Renamed, saved again and read back.
        select(1);
        answerRename(QStringLiteral("Moon with a name much longer than thirty-two"));
        click("btn_rename");
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - mine.icl *"));
        click("btn_Save");
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - mine.icl"));
        QTemporaryDir temp;
        const TIconLibrary read = ReadBack(saved, temp);
        QCOMPARE(read.Groups.size(), std::size_t(2));
        QCOMPARE(read.Groups[0].Name, std::string("idle"));
        QCOMPARE(read.Groups[0].Count, 4);
        QCOMPARE(read.Groups[1].Name, std::string("Moon with a name much longer tha"));

        // Independent tools see two icon groups.
        const QString wrestool = QStandardPaths::findExecutable(QStringLiteral("wrestool"));
        if (!wrestool.isEmpty()) {
            QProcess process;
            process.start(wrestool, {QStringLiteral("-l"), QStringLiteral("--type=14"), saved});
            QVERIFY(process.waitForFinished());
            QCOMPARE(process.readAllStandardOutput().count("--type=14"), 2);
        }

        // Reopened through the frame: the same entries, editable.
        click("btn_new");
        frame_->OpenFiles({saved});
        QCOMPARE(captions(), (QStringList{"idle\n(4 Formats)", "Moon with a name much longer tha\n(0 Formats)"}));
        QVERIFY(button("btn_Save")->isEnabled());
    }

    void unsavedChangesAreAskedAboutOnEveryRoute_data()
    {
        QTest::addColumn<QString>("route");
        for (const char* route : {"library open", "library new", "frame open", "dropped", "reopen", "load command"})
            QTest::newRow(route) << QString::fromLatin1(route);
    }
    void unsavedChangesAreAskedAboutOnEveryRoute()
    {
        QFETCH(QString, route);
        const QString other = copyOf("pe32-hh.exe", QStringLiteral("other.exe"));
        frame_->Services().addRecentFile(other);
        click("btn_new");
        click("btn_Insert");
        select(1);
        answerRename(QStringLiteral("Star"));
        click("btn_rename");
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - New Icon Lib *"));

        const auto go = [&] {
            dialogs_->openAnswer = {other};
            if (route == QLatin1String("library open"))
                click("btn_open");
            else if (route == QLatin1String("library new"))
                click("btn_new");
            else if (route == QLatin1String("frame open"))
                trigger("act_Open");
            else if (route == QLatin1String("dropped")) {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(other)});
                frame_->OpenDroppedFiles(data);
            } else if (route == QLatin1String("reopen"))
                trigger("act_Reopen0");
            else
                trigger("act_LoadFromLibrary");
        };
        // Cancel keeps everything.
        dialogs_->answers = {QMessageBox::Cancel};
        go();
        QCOMPARE(dialogs_->questions,
                 (Messages{{"Save Library", "The library 'New Icon Lib' has been modified. Do you want to save it?"}}));
        QCOMPARE(captions(), (QStringList{"New Icon\n(0 Formats)", "Star\n(0 Formats)"}));
        QVERIFY(lib().Library().Modified);
        // No gives the changes up.
        dialogs_->answers = {QMessageBox::No};
        go();
        QVERIFY(!lib().Library().Modified);
        QVERIFY(captions() != (QStringList{"New Icon\n(0 Formats)", "Star\n(0 Formats)"}));
    }

    void aFileThatIsNoLibraryIsRefusedAndNeverOverwritten()
    {
        const QString saved = dir_.filePath(QStringLiteral("keep.icl"));
        buildLibrary(saved);
        QFile notes(dir_.filePath(QStringLiteral("notes.icl")));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("MZ, and then words") > 0);
        notes.close();
        frame_->Services().addRecentFile(notes.fileName());
        struct Case {
            QString path;
            QString message;
        };
        for (const Case& c : {Case{notes.fileName(), "' is neither a program nor an icon library."},
                              Case{dir_.filePath(QStringLiteral("gone.dll")), "Can't read the file '"}}) {
            dialogs_->messages.clear();
            frame_->OpenFiles({c.path});
            QCOMPARE(dialogs_->messages.size(), 1);
            QCOMPARE(dialogs_->messages[0].first, QStringLiteral("Open Icon Library"));
            QVERIFY2(dialogs_->messages[0].second.contains(c.message), qPrintable(dialogs_->messages[0].second));
            QCOMPARE(lib().LibraryPath(), saved);
        }
        QVERIFY(!frame_->Services().reopenList().Files().empty());
        for (const std::string& recent : frame_->Services().reopenList().Files())
            QVERIFY(QString::fromStdString(recent) != notes.fileName());
        // Saving writes the library that is open, not the refused file.
        click("btn_Save");
        QCOMPARE(ReadBytes(notes.fileName()), QByteArray("MZ, and then words"));
    }

    void documentsFollowTheirEntry()
    {
        const QString saved = dir_.filePath(QStringLiteral("fruit.icl"));
        buildLibrary(saved);
        frame_->MdiArea().closeAllSubWindows();
        frame_->OpenFiles({saved});
        doubleClick(0);
        Tfrm_childwin* document = frame_->ActiveDocument();
        QCOMPARE(document->windowTitle(), QStringLiteral("idle in fruit.icl library"));

        // A cancelled rename, or one to the same name, changes nothing; a clash is refused.
        select(0);
        answerRename(QStringLiteral("Apple"), QDialog::Rejected);
        answerRename(QStringLiteral("idle"));
        answerRename(QStringLiteral("new icon(1)"));
        for (int i = 0; i < 3; ++i)
            click("btn_rename");
        QCOMPARE(dialogs_->messages, (Messages{{"Rename icon", "The existence of the same name."}}));
        QVERIFY(!lib().Library().Modified);
        // Renamed to a name the other entry had: the document still saves into its own entry.
        answerRename(QStringLiteral("Apple"));
        click("btn_rename");
        select(1);
        answerRename(QStringLiteral("idle"));
        click("btn_rename");
        QCOMPARE(document->windowTitle(), QStringLiteral("Apple in fruit.icl library"));
        dialogs_->dialogHandlers = {PressOk};
        document->DeleteImageCommand();
        QCOMPARE(document->windowTitle(), QStringLiteral("Apple in fruit.icl library *"));
        QCOMPARE(document->SaveDocument(), 0);
        QCOMPARE(document->windowTitle(), QStringLiteral("Apple in fruit.icl library"));
        QCOMPARE(lib().Library().Groups[0].Count, 3);
        QCOMPARE(lib().Library().Groups[1].Count, 0);

        // Deleting the entry of a modified document keeps the document as an ordinary icon.
        document->SetModified(true);
        select(0);
        dialogs_->answers = {QMessageBox::Yes};
        click("btn_Delete");
        QCOMPARE(dialogs_->questions.last(),
                 (QPair<QString, QString>{"Delete icon", "Are you sure delete the icon 'Apple'?, It can not resume."}));
        QCOMPARE(frame_->Documents().size(), 1);
        QVERIFY(!document->IsLibraryDocument());
        QCOMPARE(document->windowTitle(), QStringLiteral("Apple *"));
        dialogs_->saveAnswer.clear();
        QCOMPARE(document->SaveDocument(), -1); // asks for a file, here cancelled
        QCOMPARE(lib().Library().Groups.size(), std::size_t(1));

        // Switching libraries asks about the entries' documents first, then closes them.
        dialogs_->dialogHandlers = {PressOk};
        doubleClick(0);
        QCOMPARE(frame_->Documents().size(), 2);
        Tfrm_childwin* entryDocument = frame_->ActiveDocument();
        entryDocument->SetModified(true);
        dialogs_->questions.clear();
        dialogs_->answers = {QMessageBox::Yes, QMessageBox::No};
        frame_->OpenFiles({DataFile("pe32-hh.exe")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(dialogs_->questions.size(), 2);
        QCOMPARE(dialogs_->questions[0].first, QStringLiteral("Save Icon"));
        QCOMPARE(dialogs_->questions[1].first, QStringLiteral("Save Library"));
        QCOMPARE(frame_->Documents(), QList<Tfrm_childwin*>{document});
        QCOMPARE(lib().windowTitle(), QStringLiteral("Icon Library - pe32-hh.exe"));
    }

    void savingTheLibrary()
    {
        click("btn_new");
        click("btn_Insert");
        // ".icl" is added before the question about an existing file.
        const QString existing = dir_.filePath(QStringLiteral("taken.icl"));
        QFile taken(existing);
        QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("theirs") == 6);
        taken.close();
        dialogs_->saveAnswer = dir_.filePath(QStringLiteral("taken"));
        dialogs_->answers = {QMessageBox::No};
        QCOMPARE(lib().SaveLibrary(), -1);
        QCOMPARE(dialogs_->questions.size(), 1);
        QVERIFY(dialogs_->questions[0].second.contains(QStringLiteral("taken.icl already exists")));
        QCOMPARE(ReadBytes(existing), QByteArray("theirs"));
        QCOMPARE(dialogs_->saveFilters, QStringLiteral("Icon Library(*.icl *.ICL)"));

        // A failed write is shown and the library stays unsaved.
        select(0);
        answerRename(QStringLiteral("Sun"));
        click("btn_rename");
        dialogs_->saveAnswer = dir_.filePath(QStringLiteral("no/such/dir/x.icl"));
        QCOMPARE(lib().SaveLibrary(), -1);
        QCOMPARE(dialogs_->messages.size(), 1);
        QCOMPARE(dialogs_->messages[0].first, QStringLiteral("Save Library"));
        QVERIFY(lib().Library().Modified);
        QCOMPARE(lib().LibraryPath(), QString());

        dialogs_->answers = {QMessageBox::Yes};
        dialogs_->saveAnswer = dir_.filePath(QStringLiteral("taken"));
        QCOMPARE(lib().SaveLibrary(), 0);
        QVERIFY(ReadBytes(existing).startsWith("MZ"));
        QCOMPARE(lib().LibraryPath(), existing);
        QCOMPARE(QString::fromStdString(frame_->Services().reopenList().Files().front()), existing);
    }

    void aGroupOfPicturesThatAreNoIconsIsListedAndExplained()
    {
        // A library whose "Logo" lists a picture that is stored nowhere.
        QTemporaryDir temp;
        TIconLibrary made;
        made.TempDir = temp.path().toStdString() + "/";
        made.Editable = true;
        QCOMPARE(AddToLibrary(made, "Star", {SolidImage(32, 32, Depth32, MakeColor(200, 0, 0))}), 0);
        TGroupIcon logo;
        logo.Name = "Logo";
        logo.Count = 1;
        logo.Formats.resize(1);
        logo.Formats[0].Width = 194;
        logo.Formats[0].Height = 113;
        logo.Formats[0].BitCount = 24;
        made.Groups.push_back(logo);
        const QString path = dir_.filePath(QStringLiteral("logo.icl"));
        QCOMPARE(WriteLibraryFile(made, path.toStdString()), 0);

        frame_->OpenFiles({path});
        QCOMPARE(captions(), (QStringList{"Star\n32x32 32", "Logo\n(cannot be opened)"}));
        doubleClick(1);
        QCOMPARE(frame_->Documents().size(), 0);
        QCOMPARE(dialogs_->messages,
                 (Messages{{"Open Icon", "The icon 'Logo' cannot be opened. None of its 1 pictures can be read as an icon image."}}));
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

    void closingTheEditorAsksAboutTheLibrary()
    {
        click("btn_new");
        select(0);
        answerRename(QStringLiteral("Sun"));
        click("btn_rename");
        dialogs_->answers = {QMessageBox::Cancel};
        QVERIFY(!frame_->close());
        QCOMPARE(dialogs_->questions.size(), 1);
        QCOMPARE(dialogs_->questions[0].first, QStringLiteral("Save Library"));
        QVERIFY(lib().Library().Modified);
    }
};

ORMEL_UI_TEST_MAIN(IconLibraryTest)
#include "icon_library_test.moc"

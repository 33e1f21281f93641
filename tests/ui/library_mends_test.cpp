#include "library_test_support.h"

using namespace ormel;
using namespace ormel::test;

// What the icon library window does where careless handling would lose or misplace the user's work.
class LibraryMendsTest : public LibraryTestBase {
    Q_OBJECT

private slots:
    void init() { startFrame(); }
    void cleanup() { stopFrame(); }

    void unsavedChangesAreAskedAboutOnEveryRoute_data()
    {
        QTest::addColumn<QString>("route");
        for (const char* route : {"library open", "library new", "frame open", "dropped", "reopen", "load command", "close editor"})
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
            else if (route == QLatin1String("load command"))
                trigger("act_LoadFromLibrary");
            else
                QVERIFY(!frame_->close());
        };
        // Cancel keeps everything.
        dialogs_->answers = {QMessageBox::Cancel};
        go();
        QCOMPARE(dialogs_->questions,
                 (Messages{{"Save Library", "The library 'New Icon Lib' has been modified. Do you want to save it?"}}));
        QCOMPARE(captions(), (QStringList{"New Icon\n(0 Formats)", "Star\n(0 Formats)"}));
        QVERIFY(lib().Library().Modified);
        if (route == QLatin1String("close editor"))
            return;
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
};

ORMEL_UI_TEST_MAIN(LibraryMendsTest)
#include "library_mends_test.moc"

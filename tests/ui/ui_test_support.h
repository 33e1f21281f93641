#pragma once

#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/main_window.h"
#include "settings/app_directories.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QList>
#include <QPair>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>

namespace ormel::test {

using Messages = QList<QPair<QString, QString>>; // caption, text

// Answers every dialog in place of the user and keeps what the program said.
class FakeDialogs : public DialogService {
public:
    Messages messages;  // message boxes
    Messages questions; // questions asked
    // Answers to questions, taken in order; Cancel (No without a Cancel button) when none is left.
    QList<QMessageBox::StandardButton> answers;
    QStringList openAnswer;
    QString saveAnswer;
    QString saveFilterAnswer; // the filter "chosen" in the save dialog; empty keeps the proposed one
    QString proposedSaveName;
    QColor colourAnswer;
    // Handlers for modal dialogs, taken in order: each sets controls and returns the result.
    // Without one a dialog is cancelled.
    QList<std::function<int(QDialog&)>> dialogHandlers;
    QStringList dialogsRun; // object names

    void showMessage(QWidget*, const QString& caption, const QString& text) override { messages.append({caption, text}); }
    QMessageBox::StandardButton ask(QWidget*, const QString& caption, const QString& text,
                                    QMessageBox::StandardButtons buttons) override
    {
        questions.append({caption, text});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons & QMessageBox::Cancel ? QMessageBox::Cancel : QMessageBox::No;
    }
    QStringList askOpenFiles(QWidget*, const QString&, const QString&) override { return openAnswer; }
    QString askSaveFile(QWidget*, const QString&, const QString&, const QString& proposed, const QString&,
                        QString* selectedFilter) override
    {
        proposedSaveName = proposed;
        if (selectedFilter != nullptr && !saveFilterAnswer.isEmpty())
            *selectedFilter = saveFilterAnswer;
        return saveAnswer;
    }
    QColor askColour(QWidget*, const QColor&) override { return colourAnswer; }
    bool openUrl(const QUrl&) override { return true; }
    int runDialog(QDialog& dialog) override
    {
        dialogsRun.append(dialog.objectName());
        if (dialogHandlers.isEmpty())
            return QDialog::Rejected;
        return dialogHandlers.takeFirst()(dialog);
    }
};

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString DataFile(const char* name) { return QStringLiteral(ORMEL_FIXTURES_DIR "/") + QLatin1String(name); }

// Editor services whose dialogs a FakeDialogs answers; `dialogs` is set to point at it.
inline std::unique_ptr<EditorServices> MakeServices(FakeDialogs*& dialogs)
{
    auto owned = std::make_unique<FakeDialogs>();
    dialogs = owned.get();
    return std::make_unique<EditorServices>(std::move(owned),
                                            LocateAppDirectories(QCoreApplication::applicationDirPath().toStdString()));
}

// A frame (not shown yet) whose dialogs a FakeDialogs answers; `dialogs` is set to point at it.
inline std::unique_ptr<Tfrm_main> MakeFrame(FakeDialogs*& dialogs)
{
    auto owned = std::make_unique<FakeDialogs>();
    dialogs = owned.get();
    return std::make_unique<Tfrm_main>(std::move(owned));
}

// An opaque image of one colour.
inline TIconImage SolidImage(int width, int height, int depth, TColor colour)
{
    TIconImage image;
    NewIconImage(image, width, height, -1, depth);
    image.Bitmap.fill(std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour));
    image.Mask.fill(0, 0, 0);
    return image;
}

} // namespace ormel::test

// Fails the test, naming the file, when a test data file is missing.
#define REQUIRE_DATA(path) QVERIFY2(QFile::exists(path), qPrintable(QStringLiteral("missing test data file: ") + (path)))

// A test program whose settings and work files live in a fresh directory (ORMEL_HOME).
#define ORMEL_UI_TEST_MAIN(TestClass)                                                                      \
    int main(int argc, char** argv)                                                                         \
    {                                                                                                       \
        QTemporaryDir home;                                                                                 \
        qputenv("ORMEL_HOME", home.path().toLocal8Bit());                                                   \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                            \
        QApplication app(argc, argv);                                                                       \
        TestClass test;                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                             \
    }

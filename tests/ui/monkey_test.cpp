#include "document/document_window.h"
#include "library/icon_library_window.h"
#include "main/floating_windows.h"
#include "main/main_window.h"
#include "tools/tool_palette.h"
#include "ui_test_support.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QListWidget>
#include <QMenu>
#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>
#include <QRandomGenerator>
#include <QSpinBox>

#include <memory>

using namespace ormel;
using namespace ormel::test;

// Thousands of random commands, clicks and keys on two open documents: nothing may crash,
// and (in the sanitizer build) nothing may touch freed or foreign memory or leak.
class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomUseNeverBreaksTheEditor()
    {
        // The monkey saves: it works on copies, never on the test data.
        QTemporaryDir dir;
        const QString icons[] = {dir.filePath(QStringLiteral("a.ico")), dir.filePath(QStringLiteral("b.ico"))};
        const char* sources[] = {"wine-shell32-rgba.ico", "python-idle.ico"};
        for (int i = 0; i < 2; ++i) {
            REQUIRE_DATA(DataFile(sources[i]));
            QVERIFY(QFile::copy(DataFile(sources[i]), icons[i]));
        }
        // Libraries too: a program (read-only) and an icon library it may change and save.
        const QString libraries[] = {dir.filePath(QStringLiteral("p.exe")), dir.filePath(QStringLiteral("l.icl"))};
        REQUIRE_DATA(DataFile("pe32-regedit.exe"));
        QVERIFY(QFile::copy(DataFile("pe32-regedit.exe"), libraries[0]));
        // A photograph for "Photo to Icon", which the open dialog may also hand to the icon commands.
        const QString photo = DataFile("photo-board.jpg");
        REQUIRE_DATA(photo);
        auto dialogs = std::make_unique<FakeDialogs>();
        FakeDialogs& fake = *dialogs;
        auto frame = std::make_unique<Tfrm_main>(std::move(dialogs));
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));

        // ORMEL_MONKEY_SEED explores other sequences; the test command uses the fixed one.
        const quint32 seed = quint32(qEnvironmentVariableIntValue("ORMEL_MONKEY_SEED"));
        QRandomGenerator random(seed != 0 ? seed : 20261207);
        const QStringList excluded{QStringLiteral("act_Exit")};
        const int steps = qEnvironmentVariableIntValue("ORMEL_MONKEY_STEPS") > 0 ? qEnvironmentVariableIntValue("ORMEL_MONKEY_STEPS") : 2000;
        for (int step = 0; step < steps; ++step) {
            // Whatever is asked gets a random answer; saves go to the test's directory.
            fake.answers = {QMessageBox::StandardButton(
                QList<int>{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok}[random.bounded(4)])};
            fake.saveAnswer = dir.filePath(QStringLiteral("m%1").arg(random.bounded(5)));
            const int opened = random.bounded(8);
            fake.openAnswer = {opened < 2 ? libraries[random.bounded(2)] : opened == 2 ? photo : icons[random.bounded(2)]};
            if (random.bounded(3) == 0)
                fake.saveAnswer = libraries[1];
            fake.messages.clear();
            fake.colourAnswer = random.bounded(2) ? QColor::fromRgb(random.generate()) : QColor();
            // Any dialog that opens gets its sliders, lists, angle dials and buttons moved at
            // random, then OK, Cancel or its close box.
            fake.dialogHandlers = {[&random](QDialog& dialog) {
                for (QSlider* slider : dialog.findChildren<QSlider*>())
                    if (random.bounded(2))
                        slider->setValue(slider->minimum() + random.bounded(slider->maximum() - slider->minimum() + 1));
                for (QComboBox* list : dialog.findChildren<QComboBox*>())
                    if (random.bounded(2) && list->count() > 0)
                        list->setCurrentIndex(random.bounded(list->count()));
                if (QWidget* dial = dialog.findChild<QWidget*>(QStringLiteral("ang_angle")))
                    QTest::mouseClick(dial, Qt::LeftButton, {}, QPoint(random.bounded(dial->width()), random.bounded(dial->height())));
                for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
                    if (random.bounded(4) == 0 && button->objectName() != QLatin1String("btn_OK") &&
                        button->objectName() != QLatin1String("btn_Cancel"))
                        button->click();
                QCoreApplication::processEvents();
                switch (random.bounded(3)) {
                case 0: dialog.accept(); break;
                case 1: dialog.reject(); break;
                default: dialog.close(); break;
                }
                return dialog.result();
            }};
            fake.questions.clear();

            if (frame->Documents().size() < 2 || random.bounded(40) == 0)
                frame->OpenFiles({icons[random.bounded(2)]});

            switch (random.bounded(6)) {
            case 0: { // a command from the menus
                QList<QAction*> actions;
                for (QAction* action : frame->findChildren<QAction*>())
                    if (action->isEnabled() && action->objectName().startsWith(QLatin1String("act_")) &&
                        !excluded.contains(action->objectName()) && !action->menu())
                        actions.append(action);
                if (!actions.isEmpty())
                    actions[random.bounded(int(actions.size()))]->trigger();
                break;
            }
            case 1: { // a click or a drag somewhere in the active document window
                Tfrm_childwin* document = frame->ActiveDocument();
                if (document == nullptr)
                    break;
                QList<QWidget*> widgets = document->findChildren<QWidget*>();
                widgets.append(document);
                QWidget* target = widgets[random.bounded(int(widgets.size()))];
                if (!target->isVisible())
                    break;
                const QPoint at(random.bounded(std::max(1, target->width())), random.bounded(std::max(1, target->height())));
                if (random.bounded(2) == 0) {
                    QTest::mouseClick(target, Qt::LeftButton, {}, at);
                } else {
                    QTest::mousePress(target, Qt::LeftButton, {}, at);
                    QTest::mouseMove(target, at + QPoint(random.bounded(40) - 20, random.bounded(40) - 20));
                    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
                }
                break;
            }
            case 2: { // a key on the active document
                if (Tfrm_childwin* document = frame->ActiveDocument())
                    QTest::keyClick(document, random.bounded(2) ? Qt::Key_Left : Qt::Key_Right);
                break;
            }
            case 3: { // another window becomes active, or one is resized
                const QList<QMdiSubWindow*> subs = frame->MdiArea().subWindowList();
                if (subs.isEmpty())
                    break;
                QMdiSubWindow* sub = subs[random.bounded(int(subs.size()))];
                if (random.bounded(3) == 0)
                    sub->resize(200 + random.bounded(900), 200 + random.bounded(700));
                else
                    frame->MdiArea().setActiveSubWindow(sub);
                break;
            }
            case 4: { // a tool, or a tool setting
                QList<QAbstractButton*> buttons;
                for (QAbstractButton* button : frame->Floating().Tools().findChildren<QAbstractButton*>())
                    if (button->isEnabled() && button->isVisible())
                        buttons.append(button);
                const QList<QSpinBox*> spins = frame->Floating().Tools().findChildren<QSpinBox*>();
                if (random.bounded(2) == 0 && !buttons.isEmpty()) {
                    QTest::mouseClick(buttons[random.bounded(int(buttons.size()))], Qt::LeftButton);
                } else if (!spins.isEmpty()) {
                    QSpinBox* spin = spins[random.bounded(int(spins.size()))];
                    spin->setValue(spin->minimum() + random.bounded(spin->maximum() - spin->minimum() + 1));
                }
                break;
            }
            case 5: { // an entry of the library window is selected, or double-clicked
                auto* list = frame->Floating().Library().findChild<QListWidget*>(QStringLiteral("lsv_Lib"));
                if (list->count() == 0)
                    break;
                list->setCurrentRow(random.bounded(list->count()));
                if (random.bounded(3) == 0 && list->isVisible())
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                                       list->visualItemRect(list->currentItem()).center());
                break;
            }
            }
            if (step % 50 == 0)
                QTest::qWait(1); // let timers (strip gliding, deferred messages) run
        }
        // The monkey reached the dialogs, not only the menus.
        QVERIFY2(fake.dialogsRun.size() > 50, qPrintable(fake.dialogsRun.join(QLatin1Char(' '))));
        // Every document's changes are given up, and the editor quits.
        fake.answers.clear();
        for (int i = 0; i < 200; ++i)
            fake.answers.append(QMessageBox::No);
        const bool closed = frame->close();
        QVERIFY2(closed, qPrintable(QStringLiteral("%1 documents; asked: %2").arg(frame->Documents().size()).arg(fake.questions.size())));
    }
};

ORMEL_UI_TEST_MAIN(MonkeyTest)
#include "monkey_test.moc"

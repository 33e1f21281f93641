#include "effects/filter_table.h"
#include "effects/free_rotation.h"
#include "effects/image_effects.h"
#include "effects/shadow.h"
#include "effects/stroke.h"
#include "effects/zoom.h"
#include "effect_test_support.h"
#include "frame_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>

#include <vector>

using namespace ormel;
using namespace ormel::test;

namespace {

using Values = QList<int>;

// How a control of a dialog is driven: a track bar with its spin box (typed into), a spin box
// alone, the editable zoom list (typed into, with "%"), a drop-down list (stepped with the
// keyboard) or a check box (1 checked).
enum class Drive { Pair, Spin, ZoomText, List, Check };

struct Control {
    Drive drive;
    const char* name; // the spin box, list or check box
    int initial;
    int setting; // the value the test moves it to
};

// One effect dialog: its command, caption, controls, what it computes for their values, the
// name of its step and whether it shows its effect as soon as it opens.
struct DialogKind {
    const char* action;
    const char* caption;
    std::vector<Control> controls;
    void (*kernel)(const TEffectBackup&, TIconImage&, const Values&);
    QString (*step)(const Values&);
    bool appliesWhenShown = false;
};

QString Fixed(const Values&) { return {}; }

const std::vector<DialogKind>& Kinds()
{
    using D = Drive;
    static const std::vector<DialogKind> kinds{
        {"act_BrightnessContrast", "Brightness / Contrast",
         {{D::Pair, "Spn_Brightness", 0, 60},
          {D::Pair, "Spn_Contrast", 0, -45}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplyBrightnessContrast(b, l, v[0], v[1]); },
         Fixed},
        {"act_Saturation", "Saturation", {{D::Pair, "spn_Saturation", 0, 60}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplySaturation(b, l, v[0]); }, Fixed},
        {"act_ColorBalance", "Color Balance",
         {{D::Pair, "spn_R", 0, 60},
          {D::Pair, "spn_G", 0, -45},
          {D::Pair, "spn_B", 0, 30}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplyColorBalance(b, l, v[0], v[1], v[2]); },
         Fixed},
        {"act_Blur", "Blur", {{D::Pair, "spn_Blur", 1, 30}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplyBlur(b, l, v[0]); }, Fixed},
        {"act_Sharpen", "Sharpen", {{D::Pair, "spn_Sharpen", 0, 40}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplySharpen(b, l, v[0]); }, Fixed},
        {"act_Filters", "Filter",
         {{D::List, "cbb_filters", 0, 10},
          {D::Check, "chk_R", 1, 1},
          {D::Check, "chk_G", 1, 0},
          {D::Check, "chk_B", 1, 1}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) {
             ApplyFilter(b, l, BuiltInFilters()[std::size_t(v[0])], v[1] != 0, v[2] != 0, v[3] != 0);
         },
         [](const Values& v) { return QStringLiteral("Filter: ") + QLatin1String(BuiltInFilters()[std::size_t(v[0])].Name); }},
        {"act_RotateArbitrary", "Rotate Arbitrary", {{D::Spin, "spn_Angle", 0, 30}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplyFreeRotation(b, l, v[0]); },
         [](const Values&) { return QStringLiteral("Rotate"); }},
        {"act_Zoom", "Zoom", {{D::ZoomText, "cbb_zoom", 100, 50}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplyZoom(b, l, v[0]); }, Fixed},
        {"act_Stroke", "Stroke",
         {{D::Pair, "spn_Size", 1, 3}, {D::Pair, "spn_Opacity", 255, 128}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) {
             ApplyStroke(b, l, TStrokeSettings{v[0], b.Indexed() ? 255 : v[1], StrokeOuter, 0});
         },
         Fixed, true},
        {"act_Shadow", "Shadow",
         {{D::Pair, "spn_offset", 5, 9}, {D::Pair, "spn_Opacity", 255, 100}},
         [](const TEffectBackup& b, TIconImage& l, const Values& v) {
             ApplyShadow(b, l, TShadowSettings{40, b.Indexed() ? 255 : v[1], 135, v[0], 0});
         },
         Fixed, true},
    };
    return kinds;
}

Values Initial(const DialogKind& kind)
{
    Values values;
    for (const Control& control : kind.controls)
        values.append(control.initial);
    return values;
}

// Moves a control to `value` through the keyboard; a disabled control stays as it is.
void Set(QDialog& dialog, const Control& control, int value)
{
    const QString name = QLatin1String(control.name);
    switch (control.drive) {
    case Drive::Pair:
    case Drive::Spin:
        TypeNumber(dialog, name, value);
        break;
    case Drive::ZoomText: {
        QLineEdit* edit = dialog.findChild<QComboBox*>(name)->lineEdit();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::number(value) + QLatin1Char('%'));
        break;
    }
    case Drive::List: {
        auto* list = dialog.findChild<QComboBox*>(name);
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < value; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        break;
    }
    case Drive::Check: {
        auto* box = dialog.findChild<QCheckBox*>(name);
        if (box->isChecked() != (value != 0))
            QTest::keyClick(box, Qt::Key_Space);
        break;
    }
    }
}

enum Ending { Cancel, Ok, OkPreviewOff, OkUntouched };

} // namespace

class EffectDialogsTest : public QObject, FrameFixture {
    Q_OBJECT

    const THistoryImageItem& history() { return *frame_->Services().history().CurrentItem(); }

private slots:
    void init() { startFrame(); }
    void cleanup() { frame_.reset(); }

    // Every dialog with every way of ending it on 16 x 16 images at 4 and 32 bits; OK on a
    // 1-bit and a 256 x 256 image. The effects themselves at every depth are pinned in the core.
    void controlsDriveTheLiveImage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("ending");
        const char* endings[] = {"Cancel", "OK", "OK preview off", "OK untouched"};
        const struct {
            int depth, side;
            bool everyEnding;
        } images[] = {{Depth4, 16, true}, {Depth32, 16, true}, {Depth1, 16, false}, {Depth24, 256, false}};
        for (int kind = 0; kind < int(Kinds().size()); ++kind)
            for (const auto& image : images)
                for (int ending = Cancel; ending <= OkUntouched; ++ending)
                    if (image.everyEnding || ending == Ok)
                        QTest::addRow("%s %d-bit %dpx %s", Kinds()[std::size_t(kind)].caption,
                                      DepthToBits(image.depth), image.side, endings[ending])
                            << kind << image.depth << image.side << ending;
    }
    void controlsDriveTheLiveImage()
    {
        QFETCH(int, kind);
        QFETCH(int, depth);
        QFETCH(int, side);
        QFETCH(int, ending);
        const DialogKind& dialogKind = Kinds()[std::size_t(kind)];
        const auto expected = [&](const TIconImage& original, const Values& values) {
            return EffectOf(original, [&](const TEffectBackup& b, TIconImage& l) { dialogKind.kernel(b, l, values); });
        };
        QVERIFY(!action(dialogKind.action)->isEnabled());
        Tfrm_childwin* document = openImages({EffectTestImage(depth, side)});
        QVERIFY(action(dialogKind.action)->isEnabled());
        const TIconImage original = *document->CurrentImage();
        const std::size_t steps = history().Steps.size();
        const Values initial = Initial(dialogKind);
        Values values = initial;

        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.show();
            const auto showing = [&](const TIconImage& image) { return SameImage(*document->CurrentImage(), image); };
            auto* preview = dialog.findChild<QCheckBox*>(QStringLiteral("chk_preview"));
            check(preview->isChecked(), "preview starts checked");
            const TIconImage shown = dialogKind.appliesWhenShown ? expected(original, initial) : original;
            check(showing(shown), "the image as the dialog opens");
            if (ending == OkPreviewOff)
                QTest::keyClick(preview, Qt::Key_Space);
            if (ending != OkUntouched) {
                for (qsizetype i = 0; i < values.size(); ++i)
                    Set(dialog, dialogKind.controls[std::size_t(i)], values[i] = dialogKind.controls[std::size_t(i)].setting);
                QCoreApplication::processEvents();
                check(showing(preview->isChecked() ? expected(original, values) : original), "live image");
                if (preview->isChecked()) {
                    QTest::keyClick(preview, Qt::Key_Space);
                    check(showing(original), "preview off shows the unedited image");
                    QTest::keyClick(preview, Qt::Key_Space);
                    check(showing(expected(original, values)), "preview on again");
                }
            }
            if (ending < Ok) {
                for (qsizetype i = 0; i < values.size(); ++i)
                    Set(dialog, dialogKind.controls[std::size_t(i)], initial[i]);
                QCoreApplication::processEvents();
                check(showing(expected(original, initial)), "back at the start");
            }
            PressButton(dialog, ending == Cancel ? "btn_Cancel" : "btn_OK");
            return dialog.result();
        };
        action(dialogKind.action)->trigger();
        QVERIFY(dialogs_->dialogHandlers.isEmpty());
        VERIFY_NO_PROBLEMS();
        const TIconImage& result = *document->CurrentImage();
        if (ending < Ok) {
            QVERIFY(SameImage(result, original));
            QCOMPARE(history().Steps.size(), steps);
            QVERIFY(!document->Document().Modified);
            return;
        }
        const bool unchanged = ending == OkUntouched && !dialogKind.appliesWhenShown;
        QVERIFY(SameImage(result, unchanged ? original : expected(original, values)));
        QCOMPARE(result.Palette.palNumEntries, original.Palette.palNumEntries);
        QCOMPARE(history().Steps.size(), steps + 1);
        const QString step = dialogKind.step(values);
        QCOMPARE(QString::fromStdString(history().Steps.back().Caption),
                 step.isEmpty() ? QLatin1String(dialogKind.caption) : step);
        QVERIFY(document->Document().Modified);
    }

    // The dialog is modal, but its timer and the document still live: a document closed or an
    // image switched meanwhile is never written to or recorded.
    void imageGoneWhileTheDialogIsOpen_data()
    {
        QTest::addColumn<bool>("closeDocument");
        QTest::newRow("document closed") << true;
        QTest::newRow("other image selected") << false;
    }
    void imageGoneWhileTheDialogIsOpen()
    {
        QFETCH(bool, closeDocument);
        QPointer<Tfrm_childwin> document = openImages({EffectTestImage(Depth32), EffectTestImage(Depth8)});
        const TIconImageArray images = document->Document().Images;
        const std::size_t steps = history().Steps.size();

        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.show();
            TypeNumber(dialog, QStringLiteral("spn_Saturation"), 50);
            QCoreApplication::processEvents();
            if (closeDocument) {
                frame_->MdiArea().closeAllSubWindows();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                document->SelectImage(1);
            }
            TypeNumber(dialog, QStringLiteral("spn_Saturation"), -90);
            QCoreApplication::processEvents();
            PressButton(dialog, "btn_OK");
            return dialog.result();
        };
        action("act_Saturation")->trigger();
        QVERIFY(dialogs_->dialogHandlers.isEmpty());
        QCOMPARE(document.isNull(), closeDocument);
        if (closeDocument)
            return;
        QVERIFY(SameImage(document->Document().Images[0], images[0]) &&
                SameImage(document->Document().Images[1], images[1]));
        document->SelectImage(0);
        QCOMPARE(history().Steps.size(), steps);
    }
};

ORMEL_UI_TEST_MAIN(EffectDialogsTest)
#include "effect_dialogs_test.moc"

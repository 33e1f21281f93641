#include "effects/image_effects.h"
#include "effects/shadow.h"
#include "effects/stroke.h"
#include "effect_test_support.h"
#include "frame_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>

#include <functional>

using namespace ormel;
using namespace ormel::test;

// The controls of the effect dialogs that are more than a number: the colour choices of
// stroke and shadow.
class EffectDialogControlsTest : public QObject, FrameFixture {
    Q_OBJECT

    // Runs the command's dialog through `drive`, then OK.
    void run(const char* action, const std::function<void(QDialog&)>& drive)
    {
        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.show();
            drive(dialog);
            QCoreApplication::processEvents();
            PressButton(dialog, "btn_OK");
            return dialog.result();
        };
        trigger(action);
    }
    bool showing(Tfrm_childwin* document, const TIconImage& original,
                 const std::function<void(const TEffectBackup&, TIconImage&)>& kernel)
    {
        return SameImage(*document->CurrentImage(), EffectOf(original, kernel));
    }

private slots:
    void init() { startFrame(); }
    void cleanup() { frame_.reset(); }

    // True-colour images choose the colour in the colour dialog (a cancelled dialog keeps it);
    // indexed ones pick a palette entry from the list, their opacity fixed.
    void strokeAndShadowColours_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("depth");
        for (const char* action : {"act_Stroke", "act_Shadow"})
            for (int depth : {Depth4, Depth32})
                QTest::addRow("%s %d-bit", action, DepthToBits(depth)) << QString::fromLatin1(action) << depth;
    }
    void strokeAndShadowColours()
    {
        QFETCH(QString, action);
        QFETCH(int, depth);
        const bool stroke = action == QLatin1String("act_Stroke");
        const bool indexed = IsIndexedDepth(depth);
        const TIconImage original = EffectTestImage(depth);
        Tfrm_childwin* document = openImages({original});
        TColor chosen = MakeColor(200, 30, 90);
        const auto effect = [&](TColor colour) {
            return [&, colour](const TEffectBackup& b, TIconImage& l) {
                if (stroke)
                    ApplyStroke(b, l, TStrokeSettings{1, 255, StrokeOuter, colour});
                else
                    ApplyShadow(b, l, TShadowSettings{40, 255, 135, 5, colour});
            };
        };
        run(action.toLatin1().constData(), [&](QDialog& dialog) {
            auto* swatch = dialog.findChild<QPushButton*>(QStringLiteral("img_Color"));
            auto* list = dialog.findChild<QComboBox*>(QStringLiteral("clrbx_color"));
            const bool listed = stroke && indexed;
            check(dialog.findChild<QSpinBox*>(QStringLiteral("spn_Opacity"))->isEnabled() != indexed &&
                      dialog.findChild<QSlider*>(QStringLiteral("trc_Opacity"))->isEnabled() != indexed,
                  "opacity enabled for true colour only");
            if (listed) {
                check(list->count() == original.Palette.palNumEntries, "one item per palette entry");
                QTest::keyClick(list, Qt::Key_Home);
                QTest::keyClick(list, Qt::Key_Down);
                const TPaletteEntry& second = original.Palette.palPalEntry[1];
                chosen = MakeColor(second.peRed, second.peGreen, second.peBlue);
                QCoreApplication::processEvents();
                check(showing(document, original, effect(chosen)), "the second entry's colour");
                return;
            }
            check(showing(document, original, effect(MakeColor(0, 0, 0))), "black when shown");
            dialogs_->colourAnswer = QColor(); // the colour dialog cancelled
            QTest::mouseClick(swatch, Qt::LeftButton);
            QCoreApplication::processEvents();
            check(showing(document, original, effect(MakeColor(0, 0, 0))), "still black");
            dialogs_->colourAnswer = QColor(200, 30, 90);
            QTest::mouseClick(swatch, Qt::LeftButton);
            QCoreApplication::processEvents();
            check(showing(document, original, effect(chosen)), "the chosen colour");
        });
        VERIFY_NO_PROBLEMS();
        QVERIFY(SameImage(*document->CurrentImage(), EffectOf(original, effect(chosen))));
    }
};

ORMEL_UI_TEST_MAIN(EffectDialogControlsTest)
#include "effect_dialog_controls_test.moc"

#include "effects/image_effects.h"
#include "effects/shadow.h"
#include "effects/stroke.h"
#include "effects/zoom.h"
#include "effect_test_support.h"
#include "frame_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <functional>

using namespace ormel;
using namespace ormel::test;

// The controls of the effect dialogs that are more than a number: the colour choices of
// stroke and shadow and the zoom box.
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
            check(swatch->isVisible() != listed && (list != nullptr) == stroke &&
                      (list == nullptr || list->isVisible() == listed),
                  "swatch or list");
            check(dialog.findChild<QSpinBox*>(QStringLiteral("spn_Opacity"))->isEnabled() != indexed &&
                      dialog.findChild<QSlider*>(QStringLiteral("trc_Opacity"))->isEnabled() != indexed,
                  "opacity enabled for true colour only");
            if (listed) {
                const int entries = original.Palette.palNumEntries;
                check(list->count() == entries && list->itemText(0) == QLatin1String("Color 1") &&
                          list->itemText(entries - 1) == QStringLiteral("Color %1").arg(entries),
                      "one item per palette entry");
                const auto darkness = [&](int i) {
                    const TPaletteEntry& e = original.Palette.palPalEntry[std::size_t(i)];
                    return e.peRed * e.peRed + e.peGreen * e.peGreen + e.peBlue * e.peBlue;
                };
                for (int i = 0; i < entries; ++i)
                    check(darkness(list->currentIndex()) <= darkness(i), "the entry nearest to black selected");
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

    // The zoom box takes whole numbers from 10 to 259, with or without "%", as they are typed;
    // anything else leaves the last percentage taken (typing "300" passes through 30).
    void zoomTakesOnlyPercentagesInRange()
    {
        const TIconImage original = EffectTestImage(Depth32, 20);
        Tfrm_childwin* document = openImages({original});
        const auto zoomed = [](int percent) {
            return [percent](const TEffectBackup& b, TIconImage& l) { ApplyZoom(b, l, percent); };
        };
        run("act_Zoom", [&](QDialog& dialog) {
            QLineEdit* edit = dialog.findChild<QComboBox*>(QStringLiteral("cbb_zoom"))->lineEdit();
            for (const auto& [typed, percent] : {std::pair{"150", 150}, {"300%", 30}, {"5", 30}, {"40%", 40},
                                                 {"abc", 40}, {"259", 259}, {"10%", 10}}) {
                QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(edit, QLatin1String(typed));
                QCoreApplication::processEvents();
                check(showing(document, original, zoomed(percent)), QStringLiteral("after ") + QLatin1String(typed));
            }
            auto* list = dialog.findChild<QComboBox*>(QStringLiteral("cbb_zoom"));
            QTest::keyClick(list, Qt::Key_Up); // from "100%" to the item above it
            QCoreApplication::processEvents();
            check(showing(document, original, zoomed(120)), "the item above 100%");
        });
        VERIFY_NO_PROBLEMS();
        QVERIFY(showing(document, original, zoomed(120)));
    }
};

ORMEL_UI_TEST_MAIN(EffectDialogControlsTest)
#include "effect_dialog_controls_test.moc"

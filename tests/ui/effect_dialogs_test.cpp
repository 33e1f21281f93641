#include "document/document_window.h"
#include "effects/image_effects.h"
#include "main/main_window.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <array>
#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

using Values = QList<int>;

// One tone dialog: its command, caption, control pairs (in order), range and kernel.
struct DialogKind {
    const char* action;
    const char* caption;
    QStringList tracks;
    QStringList spins;
    int limit; // the range is -limit to limit
    void (*kernel)(const TEffectBackup&, TIconImage&, const Values&);
};

const std::array<DialogKind, 3>& Kinds()
{
    static const std::array<DialogKind, 3> kinds{{
        {"act_BrightnessContrast", "Brightness / Contrast", {"Trc_Brightness", "Trc_Contrast"},
         {"Spn_Brightness", "Spn_Contrast"}, 255,
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplyBrightnessContrast(b, l, v[0], v[1]); }},
        {"act_Saturation", "Saturation", {"trc_Saturation"}, {"spn_Saturation"}, 127,
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplySaturation(b, l, v[0]); }},
        {"act_ColorBalance", "Color Balance", {"trc_R", "trc_G", "trc_B"}, {"spn_R", "spn_G", "spn_B"}, 255,
         [](const TEffectBackup& b, TIconImage& l, const Values& v) { ApplyColorBalance(b, l, v[0], v[1], v[2]); }},
    }};
    return kinds;
}

// A 16 x 16 image of many colours (or palette indices) with a transparent corner.
TIconImage TestImage(int depth)
{
    TIconImage image;
    NewIconImage(image, 16, 16, -1, depth);
    const int entries = PaletteSizeForDepth(depth);
    image.Mask.fill(0, 0, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            if (entries > 0)
                p[0] = p[1] = 0, p[2] = std::uint8_t((x + 16 * y) % entries);
            else
                p[0] = std::uint8_t(x * 16), p[1] = std::uint8_t(y * 16), p[2] = std::uint8_t(x * y);
            image.Mask.pixel(x, y)[0] = x < 3 && y < 3 ? 255 : 0;
        }
    return image;
}

// What the kernel makes of `original` with the values.
TIconImage Expected(const TIconImage& original, const DialogKind& kind, const Values& values)
{
    TEffectBackup backup;
    backup.Take(original);
    TIconImage live;
    CopyIconImage(original, live);
    kind.kernel(backup, live, values);
    return live;
}

bool Same(const TIconImage& a, const TIconImage& b)
{
    return a.ColorDepth == b.ColorDepth && a.Bitmap == b.Bitmap && a.Mask == b.Mask && a.Palette == b.Palette;
}

// Types a number into a spin box as a user does: select all, then the characters one by one.
void Type(QDialog& dialog, const QString& spin, int value)
{
    auto* box = dialog.findChild<QSpinBox*>(spin);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(value));
}

void Press(QDialog& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

enum Ending { Cancel, Escape, CloseBox, Ok, OkPreviewOff, OkUntouched };

} // namespace

class EffectDialogsTest : public QObject {
    Q_OBJECT

    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<Tfrm_main> frame_;
    QStringList problems_; // what a dialog handler found wrong

    void check(bool ok, const QString& what)
    {
        if (!ok)
            problems_ << what;
    }
    Tfrm_childwin* openImages(const QList<int>& depths)
    {
        TIconDocument document;
        for (int depth : depths)
            document.AddImage(TestImage(depth));
        document.CurrentIndex = 0;
        return frame_->AddDocumentWindow(std::move(document));
    }
    const THistoryImageItem& history() { return *frame_->Services().history().CurrentItem(); }
    QAction* action(const char* name) { return frame_->findChild<QAction*>(QLatin1String(name)); }

private slots:
    void init()
    {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        frame_ = std::make_unique<Tfrm_main>(std::move(dialogs));
        frame_->show();
        problems_.clear();
    }
    void cleanup() { frame_.reset(); }

    void controlsDriveTheLiveImage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("ending");
        const char* endings[] = {"Cancel", "Esc", "close box", "OK", "OK preview off", "OK untouched"};
        for (int kind = 0; kind < 3; ++kind)
            for (int depth : {Depth4, Depth8, Depth32})
                for (int ending = Cancel; ending <= OkUntouched; ++ending)
                    QTest::addRow("%s %d-bit %s", Kinds()[kind].caption, DepthToBits(depth), endings[ending])
                        << kind << depth << ending;
    }
    void controlsDriveTheLiveImage()
    {
        QFETCH(int, kind);
        QFETCH(int, depth);
        QFETCH(int, ending);
        const DialogKind& dialogKind = Kinds()[kind];
        const int pairs = dialogKind.spins.size();
        QVERIFY(!action(dialogKind.action)->isEnabled());
        Tfrm_childwin* document = openImages({depth});
        QVERIFY(action(dialogKind.action)->isEnabled());
        const TIconImage original = *document->CurrentImage();
        const std::size_t steps = history().Steps.size();
        Values values(pairs, 0);

        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.show();
            const auto showing = [&](const TIconImage& expected) { return Same(*document->CurrentImage(), expected); };
            check(dialog.windowTitle() == QLatin1String(dialogKind.caption), "caption");
            auto* preview = dialog.findChild<QCheckBox*>(QStringLiteral("chk_preview"));
            check(preview->isChecked(), "preview starts checked");
            for (int i = 0; i < pairs; ++i) {
                const auto* spin = dialog.findChild<QSpinBox*>(dialogKind.spins[i]);
                const auto* track = dialog.findChild<QSlider*>(dialogKind.tracks[i]);
                check(spin->minimum() == -dialogKind.limit && spin->maximum() == dialogKind.limit &&
                          track->minimum() == -dialogKind.limit && track->maximum() == dialogKind.limit &&
                          spin->value() == 0 && track->value() == 0,
                      "range and start of " + dialogKind.spins[i]);
            }
            if (ending == OkPreviewOff)
                QTest::keyClick(preview, Qt::Key_Space);
            if (ending != OkUntouched) {
                const Values settings{60, -45, 30};
                for (int i = 0; i < pairs; ++i)
                    Type(dialog, dialogKind.spins[i], values[i] = settings[i]);
                auto* track = dialog.findChild<QSlider*>(dialogKind.tracks[0]);
                check(track->value() == settings[0], "track follows its spin box");
                QTest::keyClick(track, Qt::Key_PageUp);
                values[0] = track->value();
                const int spun = dialog.findChild<QSpinBox*>(dialogKind.spins[0])->value();
                check(values[0] != settings[0] && spun == values[0], "spin box follows its track");
                QCoreApplication::processEvents();
                check(showing(preview->isChecked() ? Expected(original, dialogKind, values) : original), "live image");
                if (preview->isChecked()) {
                    QTest::keyClick(preview, Qt::Key_Space);
                    check(showing(original), "preview off shows the unedited image");
                    QTest::keyClick(preview, Qt::Key_Space);
                    check(showing(Expected(original, dialogKind, values)), "preview on again");
                }
            }
            if (ending < Ok) {
                for (int i = 0; i < pairs; ++i)
                    Type(dialog, dialogKind.spins[i], 0);
                QCoreApplication::processEvents();
                check(showing(Expected(original, dialogKind, Values(pairs, 0))), "back at zero");
            }
            if (ending == Escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else if (ending == CloseBox)
                dialog.close();
            else
                Press(dialog, ending == Cancel ? "btn_Cancel" : "btn_OK");
            return dialog.result();
        };
        action(dialogKind.action)->trigger();
        QVERIFY(dialogs_->dialogHandlers.isEmpty());
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QStringLiteral(", "))));
        const TIconImage& result = *document->CurrentImage();
        if (ending < Ok) {
            QVERIFY(Same(result, original));
            QCOMPARE(history().Steps.size(), steps);
            QVERIFY(!document->Document().Modified);
            return;
        }
        QVERIFY(Same(result, ending == OkUntouched ? original : Expected(original, dialogKind, values)));
        QCOMPARE(result.Palette.palNumEntries, original.Palette.palNumEntries);
        QCOMPARE(history().Steps.size(), steps + 1);
        QCOMPARE(QString::fromStdString(history().Steps.back().Caption), QLatin1String(dialogKind.caption));
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
        QPointer<Tfrm_childwin> document = openImages({Depth32, Depth8});
        const TIconImageArray images = document->Document().Images;
        const std::size_t steps = history().Steps.size();

        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.show();
            Type(dialog, QStringLiteral("spn_Saturation"), 50);
            QCoreApplication::processEvents();
            if (closeDocument) {
                frame_->MdiArea().closeAllSubWindows();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                document->SelectImage(1);
            }
            Type(dialog, QStringLiteral("spn_Saturation"), -90);
            QCoreApplication::processEvents();
            Press(dialog, "btn_OK");
            return dialog.result();
        };
        action("act_Saturation")->trigger();
        QVERIFY(dialogs_->dialogHandlers.isEmpty());
        QCOMPARE(document.isNull(), closeDocument);
        if (closeDocument)
            return;
        QVERIFY(Same(document->Document().Images[0], images[0]) && Same(document->Document().Images[1], images[1]));
        document->SelectImage(0);
        QCOMPARE(history().Steps.size(), steps);
    }
};

ORMEL_UI_TEST_MAIN(EffectDialogsTest)
#include "effect_dialogs_test.moc"

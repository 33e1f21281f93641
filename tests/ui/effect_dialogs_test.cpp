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

// One tone dialog: its command, caption, control pairs (in order) and the kernel it drives.
struct DialogKind {
    const char* action;
    const char* name;
    const char* caption;
    QStringList tracks;
    QStringList spins;
    int minimum;
    int maximum;
    void (*kernel)(const TEffectBackup&, TIconImage&, const Values&);
};

const std::array<DialogKind, 3>& Kinds()
{
    static const std::array<DialogKind, 3> kinds{{
        {"act_BrightnessContrast", "frm_Brightness_Contrast", "Brightness / Contrast",
         {"Trc_Brightness", "Trc_Contrast"}, {"Spn_Brightness", "Spn_Contrast"}, -255, 255,
         [](const TEffectBackup& b, TIconImage& live, const Values& v) { ApplyBrightnessContrast(b, live, v[0], v[1]); }},
        {"act_Saturation", "frm_Saturation", "Saturation", {"trc_Saturation"}, {"spn_Saturation"}, -127, 127,
         [](const TEffectBackup& b, TIconImage& live, const Values& v) { ApplySaturation(b, live, v[0]); }},
        {"act_ColorBalance", "frm_Color_Balance", "Color Balance", {"trc_R", "trc_G", "trc_B"},
         {"spn_R", "spn_G", "spn_B"}, -255, 255,
         [](const TEffectBackup& b, TIconImage& live, const Values& v) { ApplyColorBalance(b, live, v[0], v[1], v[2]); }},
    }};
    return kinds;
}

const DialogKind& Kind(const QString& action)
{
    for (const DialogKind& kind : Kinds())
        if (action == QLatin1String(kind.action))
            return kind;
    return Kinds()[0];
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
            if (entries > 0) {
                p[0] = p[1] = 0;
                p[2] = std::uint8_t((x + 16 * y) % entries);
            } else {
                p[0] = std::uint8_t(x * 16), p[1] = std::uint8_t(y * 16), p[2] = std::uint8_t(x * y);
            }
            if (x < 3 && y < 3)
                image.Mask.pixel(x, y)[0] = 255;
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

// Types a number into a spin box as a user would: select all, then the digits one by one.
void Type(QSpinBox& spin, int value)
{
    QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&spin, QString::number(value));
}

const char* DepthName(int depth)
{
    switch (depth) {
    case Depth4: return "4-bit";
    case Depth8: return "8-bit";
    case Depth24: return "24-bit";
    default: return "32-bit";
    }
}

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
    std::size_t stepCount() { return frame_->Services().history().CurrentItem()->Steps.size(); }
    QString lastCaption() { return QString::fromStdString(frame_->Services().history().CurrentItem()->Steps.back().Caption); }
    void run(const char* action) { frame_->findChild<QAction*>(QLatin1String(action))->trigger(); }

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

    void commandsNeedAnImage()
    {
        for (const DialogKind& kind : Kinds())
            QVERIFY(!frame_->findChild<QAction*>(QLatin1String(kind.action))->isEnabled());
        openImages({Depth32});
        for (const DialogKind& kind : Kinds())
            QVERIFY(frame_->findChild<QAction*>(QLatin1String(kind.action))->isEnabled());
    }

    void controlsFollowTheKernelAndCancelRestores_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("closing"); // 0 Cancel button, 1 Esc, 2 close box
        int row = 0;
        for (const DialogKind& kind : Kinds())
            for (int depth : {Depth4, Depth8, Depth24, Depth32}) {
                const int closing = row++ % 3;
                const char* how[] = {"Cancel", "Esc", "close box"};
                QTest::addRow("%s %s %s", kind.caption, DepthName(depth), how[closing])
                    << QString::fromLatin1(kind.action) << depth << closing;
            }
    }
    void controlsFollowTheKernelAndCancelRestores()
    {
        QFETCH(QString, action);
        QFETCH(int, depth);
        QFETCH(int, closing);
        const DialogKind& kind = Kind(action);
        Tfrm_childwin* document = openImages({depth});
        const TIconImage original = *document->CurrentImage();
        const std::size_t steps = stepCount();

        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.show();
            const auto live = [&] { return *document->CurrentImage(); };
            check(dialog.windowTitle() == QLatin1String(kind.caption), "caption");
            check(dialog.findChild<QCheckBox*>(QStringLiteral("chk_preview"))->isChecked(), "preview starts checked");
            Values values(kind.spins.size(), 0);
            const Values settings{60, -45, 30};
            for (int i = 0; i < kind.spins.size(); ++i) {
                auto* spin = dialog.findChild<QSpinBox*>(kind.spins[i]);
                auto* track = dialog.findChild<QSlider*>(kind.tracks[i]);
                check(spin->minimum() == kind.minimum && spin->maximum() == kind.maximum && spin->value() == 0 &&
                          track->minimum() == kind.minimum && track->maximum() == kind.maximum && track->value() == 0,
                      "range and start of " + kind.spins[i]);
                Type(*spin, settings[i]);
                values[i] = settings[i];
                check(track->value() == settings[i], "track follows " + kind.spins[i]);
            }
            QCoreApplication::processEvents();
            check(Same(live(), Expected(original, kind, values)), "typed settings");
            auto* preview = dialog.findChild<QCheckBox*>(QStringLiteral("chk_preview"));
            QTest::keyClick(preview, Qt::Key_Space);
            check(Same(live(), original), "preview off shows the unedited image");
            QTest::keyClick(preview, Qt::Key_Space);
            check(Same(live(), Expected(original, kind, values)), "preview on again");

            auto* track = dialog.findChild<QSlider*>(kind.tracks[0]);
            QTest::keyClick(track, Qt::Key_PageUp);
            values[0] = track->value();
            check(values[0] != settings[0], "track moved by the keyboard");
            check(dialog.findChild<QSpinBox*>(kind.spins[0])->value() == values[0], "spin follows the track");
            QCoreApplication::processEvents();
            check(Same(live(), Expected(original, kind, values)), "track setting");

            for (int i = 0; i < kind.spins.size(); ++i)
                Type(*dialog.findChild<QSpinBox*>(kind.spins[i]), 0);
            QCoreApplication::processEvents();
            check(Same(live(), Expected(original, kind, Values(kind.spins.size(), 0))), "back at zero");

            if (closing == 0)
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btn_Cancel")), Qt::LeftButton);
            else if (closing == 1)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
            return dialog.result();
        };
        run(kind.action);
        QCOMPARE(dialogs_->dialogsRun, QStringList{QLatin1String(kind.name)});
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QStringLiteral(", "))));
        QVERIFY(dialogs_->dialogHandlers.isEmpty());
        QVERIFY(Same(*document->CurrentImage(), original));
        QCOMPARE(stepCount(), steps);
        QVERIFY(!document->Document().Modified);
    }

    void okKeepsTheSettingsAsOneStep_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<int>("value"); // of the first control; 0 leaves the dialog untouched
        for (const DialogKind& kind : Kinds()) {
            for (int depth : {Depth4, Depth8, Depth32})
                for (bool preview : {true, false})
                    QTest::addRow("%s %s preview %s", kind.caption, DepthName(depth), preview ? "on" : "off")
                        << QString::fromLatin1(kind.action) << depth << preview << 70;
            QTest::addRow("%s untouched", kind.caption) << QString::fromLatin1(kind.action) << int(Depth8) << true << 0;
        }
    }
    void okKeepsTheSettingsAsOneStep()
    {
        QFETCH(QString, action);
        QFETCH(int, depth);
        QFETCH(bool, preview);
        QFETCH(int, value);
        const DialogKind& kind = Kind(action);
        Tfrm_childwin* document = openImages({depth});
        const TIconImage original = *document->CurrentImage();
        const std::size_t steps = stepCount();

        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.show();
            auto* previewBox = dialog.findChild<QCheckBox*>(QStringLiteral("chk_preview"));
            if (!preview)
                QTest::keyClick(previewBox, Qt::Key_Space);
            check(previewBox->isChecked() == preview, "preview box");
            if (value != 0)
                Type(*dialog.findChild<QSpinBox*>(kind.spins[0]), value);
            QCoreApplication::processEvents();
            if (!preview)
                check(Same(*document->CurrentImage(), original), "no preview: image untouched");
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btn_OK")), Qt::LeftButton);
            return dialog.result();
        };
        run(kind.action);
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QStringLiteral(", "))));
        Values values(kind.spins.size(), 0);
        values[0] = value;
        const TIconImage& result = *document->CurrentImage();
        QVERIFY(Same(result, value != 0 ? Expected(original, kind, values) : original));
        QCOMPARE(result.Palette.palNumEntries, original.Palette.palNumEntries);
        QCOMPARE(stepCount(), steps + 1);
        QCOMPARE(lastCaption(), QLatin1String(kind.caption));
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
        const TIconImage first = document->Document().Images[0];
        const TIconImage second = document->Document().Images[1];
        const std::size_t steps = stepCount();

        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.show();
            Type(*dialog.findChild<QSpinBox*>(QStringLiteral("spn_Saturation")), 50);
            QCoreApplication::processEvents();
            if (closeDocument) {
                frame_->MdiArea().closeAllSubWindows();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                document->SelectImage(1);
            }
            Type(*dialog.findChild<QSpinBox*>(QStringLiteral("spn_Saturation")), -90);
            QCoreApplication::processEvents();
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btn_OK")), Qt::LeftButton);
            return dialog.result();
        };
        run("act_Saturation");
        QVERIFY(dialogs_->dialogHandlers.isEmpty());
        if (closeDocument) {
            QVERIFY(document.isNull());
            return;
        }
        QVERIFY(Same(document->Document().Images[0], first));
        QVERIFY(Same(document->Document().Images[1], second));
        document->SelectImage(0);
        QCOMPARE(stepCount(), steps);
    }
};

ORMEL_UI_TEST_MAIN(EffectDialogsTest)
#include "effect_dialogs_test.moc"

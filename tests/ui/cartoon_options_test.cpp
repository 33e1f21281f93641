#include "creators/cartoon_option_dialog.h"
#include "creators/cartoon_settings.h"
#include "effect_test_support.h"
#include "frame_fixture.h"

#include <QCheckBox>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

const char kCannotOpen[] = "The configuration file cartoon3.set cann't be opened.";
const TRect kCropRect{0, 32, 256, 224}; // the picture letter-boxed into the crop

// Clicks the tab of the options page: 0 line drawing, 1 colouring.
void ShowPage(QDialog& dialog, int page)
{
    QTabBar* bar = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

void Click(QDialog& dialog, const char* check)
{
    QTest::keyClick(dialog.findChild<QCheckBox*>(QLatin1String(check)), Qt::Key_Space);
}

int SpinValue(QWidget& dialog, const char* name) { return dialog.findChild<QSpinBox*>(QLatin1String(name))->value(); }

} // namespace

class CartoonOptionsTest : public QObject {
    Q_OBJECT

private:
    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<EditorServices> services_;
    Raster crop_;

    QString settingsFile() const
    {
        return QString::fromStdString(services_->directories().ConfigDir) + QStringLiteral("/cartoon3.set");
    }
    void writeSettings(const QByteArray& bytes)
    {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void shipSettings() { writeSettings(ReadBytes(QStringLiteral(ORMEL_DATA_DIR "/cartoon3.set"))); }

private slots:
    void initTestCase()
    {
        services_ = MakeServices(dialogs_);
        crop_ = Raster(256, 256);
        crop_.fill(255, 255, 255);
    }

    void init()
    {
        dialogs_->messages.clear();
        dialogs_->dialogHandlers.clear();
        QFile::remove(settingsFile());
    }

    // A file that cannot give the block is reported once, on first use, and the shipped options
    // take its place; a whole block has its values held to the controls' ranges.
    void unreadableFileGivesTheMessageOnceAndTheShippedOptions_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("detail");
        QTest::addColumn<int>("saturation");
        QByteArray outOfRange(133, '\0');
        outOfRange[24] = char(0x88), outOfRange[25] = char(0x13); // detail 5000
        outOfRange[69] = char(0x19), outOfRange[70] = char(0xFC), outOfRange[71] = char(0xFF),
        outOfRange[72] = char(0xFF); // saturation -999
        QTest::newRow("missing") << QByteArray() << true << 115 << 24;
        QTest::newRow("out of range") << outOfRange << false << 1024 << -127;
    }
    void unreadableFileGivesTheMessageOnceAndTheShippedOptions()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, refused);
        QFETCH(int, detail);
        QFETCH(int, saturation);
        if (!file.isEmpty())
            writeSettings(file);
        Tfrm_CartoonOption dialog(*services_);
        QVERIFY(dialogs_->messages.isEmpty()); // nothing is read before the options are used

        dialog.Renderer();
        dialogs_->dialogHandlers << [](QDialog& d) { return d.accept(), d.result(); };
        QVERIFY(dialog.Execute({BlankImage(32, 32, Depth32)}, 0, crop_, kCropRect));
        dialog.Renderer();
        const Messages expected = refused ? Messages{{QStringLiteral("More Cartoon Options"), QLatin1String(kCannotOpen)}}
                                          : Messages{};
        QCOMPARE(dialogs_->messages, expected);
        QCOMPARE(SpinValue(dialog, "Spn_Detail"), detail);
        QCOMPARE(SpinValue(dialog, "Spn_Saturation"), saturation);
        QCOMPARE(dialog.Renderer().Controls.Detail, detail);
        if (refused) {
            const auto shipped = SerializeCartoonSettings(ShippedCartoonSettings());
            QCOMPARE(ReadBytes(settingsFile()), QByteArray(reinterpret_cast<const char*>(shipped.data()), 133));
        }
    }

    // OK writes the options and the next dialog reads them; Cancel puts back what was there and
    // writes nothing.
    void okWritesTheOptionsAndCancelKeepsTheOld()
    {
        shipSettings();
        CartoonControls kept;
        {
            Tfrm_CartoonOption first(*services_);
            dialogs_->dialogHandlers << [](QDialog& d) {
                d.show();
                TypeNumber(d, QStringLiteral("Spn_Detail"), 300);
                Click(d, "Chk_Remain");
                TypeNumber(d, QStringLiteral("Spn_Darkness2"), 200);
                ShowPage(d, 1);
                Click(d, "Chk_DrawColor");
                TypeNumber(d, QStringLiteral("Spn_Brightness"), -40);
                TypeNumber(d, QStringLiteral("Spn_Blue"), 17);
                PressButton(d, "btn_OK");
                return d.result();
            };
            QVERIFY(first.Execute({BlankImage(32, 32, Depth32)}, 0, crop_, kCropRect));
            kept = first.Renderer().Controls;
        }
        QCOMPARE(kept.Detail, 300);
        QCOMPARE(kept.Brightness, -40);
        QCOMPARE(kept.Blue, 17);
        QVERIFY(kept.RemainDark);
        QCOMPARE(kept.DarkStrength, 200);
        CartoonSettings expected = ShippedCartoonSettings();
        StoreControls(kept, expected);
        const auto block = SerializeCartoonSettings(expected);
        const QByteArray written(reinterpret_cast<const char*>(block.data()), 133);
        QCOMPARE(ReadBytes(settingsFile()), written);

        Tfrm_CartoonOption second(*services_);
        QCOMPARE(second.Renderer().Controls.Detail, 300);
        QCOMPARE(SpinValue(second, "Spn_Darkness2"), 200);
        QVERIFY(second.findChild<QCheckBox*>(QStringLiteral("Chk_Remain"))->isChecked());
        dialogs_->dialogHandlers << [](QDialog& d) {
            d.show();
            TypeNumber(d, QStringLiteral("Spn_Detail"), 900);
            Click(d, "Chk_Remain");
            QCoreApplication::processEvents();
            PressButton(d, "btn_Cancel");
            return d.result();
        };
        QVERIFY(!second.Execute({BlankImage(32, 32, Depth32)}, 0, crop_, kCropRect));
        QCOMPARE(second.Renderer().Controls.Detail, 300);
        QVERIFY(second.Renderer().Controls.RemainDark);
        QCOMPARE(SpinValue(second, "Spn_Detail"), 300);
        QCOMPARE(ReadBytes(settingsFile()), written);
        QVERIFY(dialogs_->messages.isEmpty());
    }
};

ORMEL_UI_TEST_MAIN(CartoonOptionsTest)
#include "cartoon_options_test.moc"

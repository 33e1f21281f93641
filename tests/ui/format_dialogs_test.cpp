#include "dialogs/add_new_image_dialog.h"
#include "document/image_strip.h"
#include "raster/paint.h"
#include "frame_fixture.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

template <typename T>
T* child(QWidget& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    if (found == nullptr)
        qWarning("no control %s", qPrintable(name));
    return found;
}

// Radio buttons and check boxes react only on their indicator and text, not the whole width
// the layout gives them.
void clickIndicator(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

} // namespace

class FormatDialogsTest : public QObject {
    Q_OBJECT

    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<EditorServices> services_;

private slots:
    void init() { services_ = MakeServices(dialogs_); }
    void cleanup() { services_.reset(); }

    // The strip holds every image, however many: the 60th is shown, picked and derived from.
    void addDialogDerivesFromTheSixtiethImage()
    {
        TIconImageArray images(59, SolidImage(16, 16, Depth32, MakeColor(0, 0, 255)));
        images.push_back(SolidImage(48, 48, Depth32, MakeColor(200, 30, 40)));
        Tfrm_add_new_image dialog(*services_);
        dialog.Prepare(&images, 0);
        auto* strip = child<ImageStrip>(dialog, "img_BaseImages");
        QCOMPARE(strip->width(), 60 * 80);

        int afterScrollButton = -1;
        int afterPick = -1;
        int scrollEnd = -1;
        dialogs_->dialogHandlers.append([&](QDialog& d) {
            d.show();
            QScrollBar* scroll = child<QScrollArea>(d, "pan_BaseImages")->horizontalScrollBar();
            QTest::mouseClick(child<QToolButton>(d, "btn_ScrollRight"), Qt::LeftButton);
            afterScrollButton = scroll->value();
            clickIndicator(child<QCheckBox>(d, "chk_BaseImage"));
            QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(59 * 80 + 40, 40));
            afterPick = scroll->value();
            scrollEnd = scroll->maximum();
            clickIndicator(child<QRadioButton>(d, "rdb_24x24"));
            clickIndicator(child<QRadioButton>(d, "rdb_32bits"));
            PressButton(d, "btn_OK");
            return d.result();
        });
        QCOMPARE(dialogs_->runDialog(dialog), int(QDialog::Accepted));
        QCOMPARE(afterScrollButton, 5);
        QCOMPARE(afterPick, scrollEnd);

        const TIconImage record = dialog.TakeNewImage();
        QCOMPARE(record.Bitmap.width(), 24);
        QCOMPARE(PackPixel(record.Bitmap.pixel(11, 13)), MakeColor(200, 30, 40));
        QCOMPARE(int(record.Mask.pixel(23, 23)[0]), 0);
        // The document's images are let go when the dialog closes.
        QCOMPARE(strip->cellCount(), 0);
    }
};

ORMEL_UI_TEST_MAIN(FormatDialogsTest)
#include "format_dialogs_test.moc"

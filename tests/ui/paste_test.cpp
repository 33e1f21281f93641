#include "raster/paint.h"
#include "frame_fixture.h"

#include <QClipboard>
#include <QMimeData>
#include <QPushButton>

#include <cstdlib>

using namespace ormel;
using namespace ormel::test;

namespace {

// A 4 x 4 picture of distinct colours, some of them half or fully transparent.
TIconImage Source()
{
    TIconImage image;
    NewIconImage(image, 4, 4, -1, Depth32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            p[0] = std::uint8_t(40 * x), p[1] = std::uint8_t(50 * y), p[2] = 200;
            image.Mask.pixel(x, y)[0] = std::uint8_t(x == 1 ? 128 : 0);
        }
    return image;
}

// A 16 x 16 image, transparent or of opaque palette index 0.
TIconImage Target(int depth)
{
    TIconImage image;
    NewIconImage(image, 16, 16, -1, depth);
    image.Bitmap.fill(0, 0, 0);
    image.Mask.fill(IsIndexedDepth(depth) ? 0 : 255, 0, 0);
    return image;
}

} // namespace

class PasteTest : public QObject, FrameFixture {
    Q_OBJECT

    Tfrm_childwin* open(TIconImage image) { return openImages({std::move(image)}); }
    QString lastStep() { return QString::fromStdString(frame_->Services().history().CurrentItem()->Steps.back().Caption); }
    std::size_t steps() { return frame_->Services().history().CurrentItem()->Steps.size(); }
    // Answers the paste dialog: presses a button of it, checks it, then OK or Cancel.
    void answer(const char* button, bool ok, std::function<void(QDialog&)> inspect = {})
    {
        dialogs_->dialogHandlers << [=](QDialog& dialog) {
            dialog.show();
            if (button != nullptr)
                QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
            if (inspect)
                inspect(dialog);
            return ok ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
    }

private slots:
    void init()
    {
        startFrame();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { frame_.reset(); }

    void ourPictureComesBackWithItsTransparency()
    {
        // Copied from one icon and pasted at its own size into the corner of another.
        open(Source());
        QVERIFY(!action("act_Paste")->isEnabled());
        action("act_SelectAll")->trigger();
        action("act_Copy")->trigger();
        Tfrm_childwin* target = open(Target(Depth32));
        QVERIFY(action("act_Paste")->isEnabled());
        const std::size_t before = steps();
        answer("btn_ActualSize", true);
        action("act_Paste")->trigger();
        QCOMPARE(lastStep(), QStringLiteral("Paste"));
        QCOMPARE(steps(), before + 1);
        const TIconImage source = Source();
        const TIconImage& pasted = *target->CurrentImage();
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                QCOMPARE(std::abs(pasted.Mask.pixel(x, y)[0] - source.Mask.pixel(x, y)[0]) <= 1, true);
                for (int k = 0; k < 3; ++k)
                    QCOMPARE(pasted.Bitmap.pixel(x, y)[k], source.Bitmap.pixel(x, y)[k]);
            }
        QCOMPARE(pasted.Mask.pixel(8, 8)[0], 255);

        // Cancel changes nothing.
        const TIconImage kept = pasted;
        answer("btn_FitWidth", false);
        action("act_Paste")->trigger();
        QCOMPARE(steps(), before + 1);
        QVERIFY(target->CurrentImage()->Bitmap == kept.Bitmap && target->CurrentImage()->Mask == kept.Mask);
    }

    void otherProgramsPicturesAndIndexedTargets()
    {
        // A picture with alpha from another program keeps it; fit to the width it covers the
        // whole 16 x 16 image.
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(QColor(255, 0, 0, 255));
        picture.setPixelColor(0, 0, QColor(255, 0, 0, 0));
        QGuiApplication::clipboard()->setImage(picture);
        Tfrm_childwin* target = open(Target(Depth32));
        QVERIFY(action("act_Paste")->isEnabled());
        answer("btn_FitWidth", true);
        action("act_Paste")->trigger();
        QCOMPARE(target->CurrentImage()->Mask.pixel(0, 0)[0], 255);
        QCOMPARE(target->CurrentImage()->Mask.pixel(9, 9)[0], 0);
        QCOMPARE(PackPixel(target->CurrentImage()->Bitmap.pixel(9, 9)), MakeColor(255, 0, 0));

        // An 8-bit image takes the first reduction and stays 8-bit.
        Tfrm_childwin* indexed = open(Target(Depth8));
        answer("btn_FitWidth", true);
        action("act_Paste")->trigger();
        const TIconImage& result = *indexed->CurrentImage();
        QCOMPARE(result.ColorDepth, int(Depth8));
        QCOMPARE(PaletteColor(result.Bitmap.pixel(9, 9)[2], result.Palette), MakeColor(255, 0, 0));

        // With nothing on the clipboard Paste waits.
        QGuiApplication::clipboard()->clear();
        QVERIFY(!action("act_Paste")->isEnabled());
    }
};

ORMEL_UI_TEST_MAIN(PasteTest)
#include "paste_test.moc"

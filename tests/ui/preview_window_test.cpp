#include "dialogs/preview_window.h"
#include "dialogs/strip_colour_bar.h"
#include "document/document_window.h"
#include "ui_test_support.h"

#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

// A 16 x 16 opaque red image whose top-left pixel is fully transparent.
TIconImage RedWithHole()
{
    TIconImage image = SolidImage(16, 16, Depth32, MakeColor(255, 0, 0));
    image.Mask.pixel(0, 0)[0] = 255;
    return image;
}

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT

    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<EditorServices> services_;

    QImage picture(Tfrm_preview& preview)
    {
        return preview.findChild<QWidget*>(QStringLiteral("img_preview"))->grab().toImage();
    }

private slots:
    void init() { services_ = MakeServices(dialogs_); }
    void cleanup() { services_.reset(); }

    // The image sits at its real size in the middle, over the strip colour where transparent;
    // once its document is gone the picture is plain white.
    void drawsTheImageCentredAndSurvivesItsDocument()
    {
        Tfrm_preview preview(*services_);
        preview.show();

        TIconDocument document;
        document.AddImage(RedWithHole());
        auto* window = new Tfrm_childwin(std::move(document), *services_);
        preview.ShowPreview(window, 0);
        // Composed colours: (c x (255 - t) + background x t) div 256.
        const QColor red(254, 0, 0);
        QImage shown = picture(preview);
        QCOMPARE(shown.pixelColor(120, 120), QColor(254, 254, 254));
        QCOMPARE(shown.pixelColor(121, 120), red);
        QCOMPARE(shown.pixelColor(135, 135), red);
        QCOMPARE(shown.pixelColor(136, 135), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(119, 119), QColor(Qt::white));

        services_->setStripBackColor(MakeColor(0, 0, 0));
        shown = picture(preview);
        QCOMPARE(shown.pixelColor(120, 120), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(119, 120), QColor(Qt::white));

        preview.ShowPreview(window, 1);
        QCOMPARE(picture(preview).pixelColor(121, 120), QColor(Qt::white));
        preview.ShowPreview(window, 0);
        delete window;
        shown = picture(preview);
        QCOMPARE(shown.pixelColor(121, 120), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(120, 120), QColor(Qt::white));
    }
};

ORMEL_UI_TEST_MAIN(PreviewWindowTest)
#include "preview_window_test.moc"

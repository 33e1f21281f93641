#include "document/canvas_view.h"
#include "frame_fixture.h"

#include <memory>

using namespace ormel;
using namespace ormel::test;

// At a device pixel ratio of 2 the canvas is drawn at device pixels without smoothing: every
// canvas pixel becomes an exact 2 x 2 block of the same colour.
class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void canvasStaysSharpAtTwiceTheDensity()
    {
        auto frame = std::make_unique<Tfrm_main>(std::make_unique<FakeDialogs>());
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QCOMPARE(frame->devicePixelRatio(), 2.0);
        TIconDocument data;
        data.AddImage(PatternedImage(16, 16, Depth32));
        data.FileName = "dense";
        Tfrm_childwin* document = frame->AddDocumentWindow(std::move(data));
        CanvasView& canvas = document->Canvas();
        const QRect area = canvas.canvasRect();
        const QImage shown = canvas.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage composed = canvas.canvasPicture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), composed.size() * 2);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != composed.pixel(x / 2, y / 2))
                    QFAIL(qPrintable(QStringLiteral("device pixel %1,%2 is not its canvas pixel").arg(x).arg(y)));
        document->SetModified(false);
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("ORMEL_HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "hidpi_test.moc"

#include "document/canvas_view.h"
#include "raster/canvas_compose.h"
#include "frame_fixture.h"

#include <QPushButton>

using namespace ormel;
using namespace ormel::test;

class DocumentWindowTest : public QObject, FrameFixture {
    Q_OBJECT

    Tfrm_childwin* openDocument(std::vector<TIconImage> images, const char* name = "Icon1")
    {
        Tfrm_childwin* window = openImages(std::move(images), name);
        QTest::qWait(1);
        return window;
    }
    template <typename T>
    static T* child(QWidget* parent, const char* name)
    {
        return parent->findChild<T*>(QLatin1String(name));
    }

private slots:
    void init()
    {
        startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }
    void cleanup() { frame_.reset(); }

    void canvasShowsEveryPixelOverTheCheckerboard()
    {
        for (const int depth : {Depth4, Depth32}) {
            Tfrm_childwin* window = openDocument({PatternedImage(23, 17, depth)});
            const TIconImage& image = *window->CurrentImage();
            for (const bool grid : {true, false}) {
                if (window->ShowGrid() != grid)
                    QTest::mouseClick(child<QPushButton>(window, "btn_Grid"), Qt::LeftButton);
                QCOMPARE(window->ShowGrid(), grid);
                const QRect area = window->Canvas().canvasRect();
                const QImage shown = window->Canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
                // The composition itself is pinned in the core; here it must show up in place.
                Raster expected(area.width(), area.height());
                ComposeCanvas(image, window->Zoom(), grid, TRect{0, 0, area.width(), area.height()}, expected);
                for (int y = 0; y < area.height(); ++y)
                    for (int x = 0; x < area.width(); ++x) {
                        const QRgb got = shown.pixel(area.left() + x, area.top() + y);
                        const std::uint8_t* p = expected.pixel(x, y);
                        const QRgb want = qRgb(p[2], p[1], p[0]);
                        if (got != want)
                            QFAIL(qPrintable(QStringLiteral("depth %1 grid %2 pixel %3,%4: #%5 not #%6")
                                                 .arg(depth).arg(grid).arg(x).arg(y).arg(got, 0, 16).arg(want, 0, 16)));
                    }
            }
        }
    }

    void theLastImageCannotBeDeleted()
    {
        Tfrm_childwin* window = openDocument({PatternedImage(16, 16, Depth32)});
        QTest::mouseClick(child<QPushButton>(window, "btn_DeleteImage"), Qt::LeftButton);
        QCOMPARE(dialogs_->messages, (Messages{{"Error", "At least one icon image should be reserved."}}));
        QCOMPARE(window->Document().Images.size(), std::size_t(1));
        QVERIFY(dialogs_->dialogsRun.isEmpty());
    }
};

ORMEL_UI_TEST_MAIN(DocumentWindowTest)
#include "document_window_test.moc"

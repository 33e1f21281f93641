#include "document/canvas_view.h"
#include "document/image_strip.h"
#include "document/strip_panel.h"
#include "raster/canvas_compose.h"
#include "frame_fixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
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

    void gridIsRefusedBelowThreePixelsPerImagePixel()
    {
        Tfrm_childwin* probe = openDocument({PatternedImage(16, 16, Depth32)});
        const QSize area = probe->Canvas().size();
        const int side = std::min(area.width() - 10, area.height() - 10) / 2; // zoom 2
        Tfrm_childwin* window = openDocument({PatternedImage(side, side, Depth32)});
        QCOMPARE(window->Zoom(), 2);
        QTest::mouseClick(child<QPushButton>(window, "btn_Grid"), Qt::LeftButton);
        QCOMPARE(dialogs_->messages, (Messages{{"Show Grid", "Grid size less than 3 pixels, can not show grid."}}));
        QVERIFY(window->ShowGrid());
    }

    void stripHasACellForEveryImageAndGlidesToTheCurrentOne()
    {
        std::vector<TIconImage> images;
        for (int i = 0; i < 60; ++i)
            images.push_back(PatternedImage(16 + i % 3, 16, i % 2 ? Depth8 : Depth32));
        Tfrm_childwin* window = openDocument(std::move(images));
        auto* strip = child<ImageStrip>(window, "img_strip");
        auto* panel = window->findChild<StripPanel*>();
        QCOMPARE(strip->width(), 60 * 80);
        const int visible = panel->visibleWidth();

        // The target puts the cell's left edge in the middle, within the strip's ends.
        QCOMPARE(StripPanel::ScrollTarget(visible, 60, 0), 0);
        QCOMPARE(StripPanel::ScrollTarget(visible, 60, 30), visible / 2 - 2400);
        QCOMPARE(StripPanel::ScrollTarget(visible, 60, 59), visible - 4800);
        QCOMPARE(StripPanel::ScrollTarget(400, 3, 2), 0);

        // Gliding to the last cell ends exactly on the target; the 56th cell is then in view
        // and a click on it selects it; the current frame is red.
        window->SelectImage(59);
        QTRY_VERIFY_WITH_TIMEOUT(!panel->gliding(), 10000);
        QCOMPARE(panel->stripLeft(), StripPanel::ScrollTarget(visible, 60, 59));
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(55 * 80 + 40, 40));
        QCOMPARE(window->CurrentIndex(), 55);
        const QImage cells = strip->grab(QRect(54 * 80, 0, 160, 100)).toImage();
        QCOMPARE(cells.pixel(80 + 5, 40) | 0xFF000000u, qRgb(255, 0, 0));
        QCOMPARE(cells.pixel(5, 40) | 0xFF000000u, qRgb(0, 0, 128));

        // Right on the last image does nothing; Left goes back one.
        window->SelectImage(59);
        QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(window->CurrentIndex(), 59);
        QTest::keyClick(window, Qt::Key_Left);
        QCOMPARE(window->CurrentIndex(), 58);
    }

    void tooSmallIsSaidOnceUntilTheImageFitsAgain()
    {
        Tfrm_childwin* window = openDocument({PatternedImage(256, 256, Depth32)});
        QMdiSubWindow* sub = frame_->MdiArea().currentSubWindow();
        sub->setMinimumSize(100, 100);
        // A 256 x 256 image needs a canvas area of 266 pixels.
        for (const int width : {300, 280, 250})
            sub->resize(width, 553);
        QTRY_COMPARE(dialogs_->messages.size(), 1);
        QCOMPARE(dialogs_->messages[0], (QPair<QString, QString>("Error", "The window is too small, make it bigger.")));
        QCOMPARE(window->Zoom(), 1);
        sub->resize(240, 553);
        QTest::qWait(400);
        QCOMPARE(dialogs_->messages.size(), 1);
        sub->resize(475, 553);
        QTest::qWait(400);
        sub->resize(240, 553);
        QTRY_COMPARE(dialogs_->messages.size(), 2);
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

#include "document/canvas_view.h"
#include "document/document_window.h"
#include "main/main_window.h"
#include "raster/paint.h"
#include "tools/bucket_tool.h"
#include "tools/freehand_stroke.h"
#include "tools/shape_tool.h"
#include "tools/tool_palette.h"
#include "tool_test_support.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>

#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

// A 16 x 16 image: a left half of one colour (palette index 1), a right half of another
// (index 2), with a transparent top-left corner.
TIconImage TwoHalves(int depth)
{
    TIconImage image;
    NewIconImage(image, 16, 16, -1, depth);
    image.Mask.fill(0, 0, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            if (IsIndexedDepth(depth))
                p[0] = p[1] = 0, p[2] = x < 8 ? 1 : 2;
            else
                p[0] = x < 8 ? 40 : 220, p[1] = 90, p[2] = x < 8 ? 10 : 180;
            image.Mask.pixel(x, y)[0] = x < 2 && y < 2 ? 255 : 0;
        }
    return image;
}

bool Same(const TIconImage& a, const TIconImage& b) { return a.Bitmap == b.Bitmap && a.Mask == b.Mask; }

// The image pixels the drags go through.
const QList<QPoint> kPath{{2, 3}, {5, 4}, {9, 9}, {12, 6}};

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT

    FakeDialogs* dialogs_ = nullptr;
    FakeColours colours_;
    std::unique_ptr<Tfrm_main> frame_;

    Tfrm_tools_panel& palette() { return *frame_->findChild<Tfrm_tools_panel*>(); }
    template <typename T> T* control(const char* name) { return palette().findChild<T*>(QLatin1String(name)); }
    void chooseTool(const char* button) { QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton); }
    void type(const char* spin, int value)
    {
        QSpinBox* box = control<QSpinBox>(spin);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::number(value));
    }
    Tfrm_childwin* open(int depth, int images = 1)
    {
        TIconDocument document;
        for (int i = 0; i < images; ++i)
            document.AddImage(TwoHalves(depth));
        document.CurrentIndex = 0;
        Tfrm_childwin* window = frame_->AddDocumentWindow(std::move(document));
        QCoreApplication::processEvents();
        return window;
    }
    std::size_t steps() { return frame_->Services().history().CurrentItem()->Steps.size(); }
    QString lastStep() { return QString::fromStdString(frame_->Services().history().CurrentItem()->Steps.back().Caption); }

    static QPoint At(CanvasView& canvas, QPoint pixel) { return CanvasPoint(canvas, pixel); }
    static void move(CanvasView& canvas, QPoint pixel, Qt::MouseButtons buttons)
    {
        QMouseEvent event(QEvent::MouseMove, At(canvas, pixel), canvas.mapToGlobal(At(canvas, pixel)), Qt::NoButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    }
    // Presses at the first point, drags through the others and releases at the last.
    static void drag(CanvasView& canvas, const QList<QPoint>& path, bool release = true)
    {
        QTest::mousePress(&canvas, Qt::LeftButton, {}, At(canvas, path.front()));
        for (const QPoint& p : path.mid(1))
            move(canvas, p, Qt::LeftButton);
        if (release)
            QTest::mouseRelease(&canvas, Qt::LeftButton, {}, At(canvas, path.back()));
    }

private slots:
    void init() { frame_ = MakeToolFrame(dialogs_, colours_); }
    void cleanup() { CloseToolFrame(frame_); }

    void freehandStrokesPaintWhatTheEngineDoes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("spin");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("depth");
        const struct {
            const char* button;
            const char* spin;
            int size;
            FreehandTool tool;
            int depth;
        } tools[] = {{"btn_pencil", "spn_PencilSize", 3, FreehandTool::Pencil, Depth8},
                     {"btn_brush", "spn_BrushSize", 2, FreehandTool::Brush, Depth32}};
        for (const auto& t : tools)
            QTest::addRow("%s %d-bit", t.button + 4, DepthToBits(t.depth))
                << t.button << t.spin << t.size << int(t.tool) << t.depth;
    }
    void freehandStrokesPaintWhatTheEngineDoes()
    {
        QFETCH(QString, button);
        QFETCH(QString, spin);
        QFETCH(int, size);
        QFETCH(int, tool);
        QFETCH(int, depth);
        // Indexed images take the panel's palette index.
        if (IsIndexedDepth(depth))
            colours_.colour = 3, colours_.mode = depth;
        colours_.alpha = 160;
        Tfrm_childwin* document = open(depth);
        chooseTool(qPrintable(button));
        type(qPrintable(spin), size);
        const std::size_t before = steps();

        CanvasView& canvas = document->Canvas();
        const int zoom = canvas.Zoom();
        TIconImage expected = *document->CurrentImage();
        TFreehandStroke engine;
        const auto width = FreehandTool(tool) == FreehandTool::Brush ? 2 * size + 1 : size;
        const TStrokeSettings settings =
            FreehandSettings(FreehandTool(tool), width, 32, colours_.colour, colours_.alpha, false);
        const auto canvasPoint = [&](QPoint p) { return p * zoom + QPoint(zoom / 2, zoom / 2); };
        engine.Press(expected, canvasPoint(kPath[0]).x(), canvasPoint(kPath[0]).y(), zoom, settings);
        for (const QPoint& p : kPath.mid(1))
            engine.Move(expected, canvasPoint(p).x(), canvasPoint(p).y(), zoom, true);
        const TPaintCommit commit = *engine.Release(expected);

        drag(canvas, kPath);
        QVERIFY(Same(*document->CurrentImage(), expected));
        QVERIFY(!Same(*document->CurrentImage(), TwoHalves(depth)));
        QCOMPARE(steps(), before + 1);
        QCOMPARE(lastStep(), QString::fromStdString(commit.StepName));
        QVERIFY(document->windowTitle().endsWith(QLatin1String(" *")));
        QCOMPARE(colours_.recent, QList<TColor>{commit.RecentColour});
    }

    void bucketShapesAndDropper()
    {
        Tfrm_childwin* document = open(Depth32);
        CanvasView& canvas = document->Canvas();
        const int zoom = canvas.Zoom();

        // The dropper reads the pixel under the pointer and takes it into the colour panel
        // without a step.
        chooseTool("btn_Dropper");
        const std::size_t before = steps();
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, At(canvas, {0, 0}));
        QCOMPARE(colours_.alpha, 0);
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, At(canvas, {15, 15}));
        QCOMPARE(colours_.colour, MakeColor(180, 90, 220));
        QCOMPARE(colours_.alpha, 255);
        QCOMPARE(steps(), before);

        // The bucket fills the left half only, as the engine does.
        chooseTool("btn_bucket");
        type("spn_BucketTolerance", 0);
        TIconImage expected = *document->CurrentImage();
        TBucketTool bucket;
        bucket.Press(expected, 4 * zoom, 8 * zoom, zoom, TBucketSettings{0, colours_.colour, 255});
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, At(canvas, {4, 8}));
        QVERIFY(Same(*document->CurrentImage(), expected));
        QCOMPARE(lastStep(), QStringLiteral("Bucket"));

        // A rectangle drag draws the palette's shape from the press to the release pixel.
        chooseTool("btn_Rect");
        TShapeTool rectangle(ShapeKind::Rectangle);
        rectangle.Press(expected, 3 * zoom, 3 * zoom, zoom);
        rectangle.Move(expected, 12 * zoom, 10 * zoom, zoom, true,
                       palette().ShapePaint(ShapeKind::Rectangle, colours_.colour, 255));
        drag(canvas, {{3, 3}, {7, 7}, {12, 10}});
        QVERIFY(Same(*document->CurrentImage(), expected));
        QCOMPARE(lastStep(), QStringLiteral("Rectangle"));
    }

    void selectionsAndTheClipboard()
    {
        Tfrm_childwin* document = open(Depth32);
        CanvasView& canvas = document->Canvas();
        const int zoom = canvas.Zoom();
        QAction* clear = frame_->findChild<QAction*>(QStringLiteral("act_Clear"));
        QAction* copy = frame_->findChild<QAction*>(QStringLiteral("act_Copy"));
        QAction* cut = frame_->findChild<QAction*>(QStringLiteral("act_Cut"));
        QVERIFY(!copy->isEnabled());
        const TIconImage original = *document->CurrentImage();

        // Dragged from corner (5, 5) back to (2, 8): pixels 2..4 by 5..7.
        chooseTool("btn_RectSelect");
        const auto corner = [&](int x, int y) { return canvas.canvasRect().topLeft() + QPoint(x, y) * zoom; };
        QTest::mousePress(&canvas, Qt::LeftButton, {}, corner(5, 5));
        QMouseEvent moved(QEvent::MouseMove, corner(2, 8), canvas.mapToGlobal(corner(2, 8)), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &moved);
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, corner(2, 8));
        QVERIFY(copy->isEnabled() && cut->isEnabled() && clear->isEnabled());

        // A new zoom keeps the selection on the same pixels.
        const QPolygon outline = canvas.selection();
        frame_->MdiArea().activeSubWindow()->resize(700, 600);
        QCoreApplication::processEvents();
        QVERIFY(canvas.Zoom() != zoom);
        QCOMPARE(canvas.selection(), outline);

        // Copy puts our data and a picture on the clipboard; Clear empties the pixels as one step.
        copy->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(QStringLiteral("application/x-ormel")) && data->hasImage());
        QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), QSize(3, 3));
        const std::size_t before = steps();
        clear->trigger();
        QCOMPARE(steps(), before + 1);
        QCOMPARE(lastStep(), QStringLiteral("Clear Selected Area"));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool selected = x >= 2 && x < 5 && y >= 5 && y < 8;
                QCOMPARE(document->CurrentImage()->Mask.pixel(x, y)[0], selected ? 255 : original.Mask.pixel(x, y)[0]);
            }
        // The step ended the selection: the commands wait for the next one.
        QVERIFY(!copy->isEnabled() && canvas.selection().isEmpty());

        // Select All and Cut: one step, the whole image on the clipboard. (What Clear and Cut
        // keep of indexed images, and the lasso's three-point rule, are pinned in the core.)
        open(Depth8);
        frame_->findChild<QAction*>(QStringLiteral("act_SelectAll"))->trigger();
        cut->trigger();
        QCOMPARE(lastStep(), QStringLiteral("Cut"));
        QCOMPARE(qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData()).size(), QSize(16, 16));
    }

    void gradientEditorCancelPutsTheStopsBack()
    {
        chooseTool("btn_Rect");
        const auto stripStart = [this] {
            return PackPixel(palette().ShapePaint(ShapeKind::Rectangle, 0, 255).GradientStrip->pixel(0, 0));
        };
        const TColor before = stripStart();
        int positionSeen = -1;
        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            auto* handle = dialog.findChild<QSpinBox*>(QStringLiteral("spn_HandleNo"));
            auto* enabled = dialog.findChild<QCheckBox*>(QStringLiteral("chk_HandleEnabled"));
            handle->setValue(3);
            positionSeen = dialog.findChild<QSpinBox*>(QStringLiteral("spn_Position"))->value();
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BitBtn4")), Qt::LeftButton);
            for (int stop = 0; stop < 7; ++stop) {
                handle->setValue(stop);
                QTest::keyClick(enabled, Qt::Key_Space);
            }
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(control<QWidget>("img_RectGradient"), Qt::LeftButton);
        QCOMPARE(stripStart(), before);
        int positionBack = -2;
        dialogs_->dialogHandlers << [&](QDialog& dialog) {
            dialog.findChild<QSpinBox*>(QStringLiteral("spn_HandleNo"))->setValue(3);
            positionBack = dialog.findChild<QSpinBox*>(QStringLiteral("spn_Position"))->value();
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(control<QWidget>("img_RectGradient"), Qt::LeftButton);
        QCOMPARE(positionBack, positionSeen);
    }

    void aDragHoldsTheImageUntilItEnds()
    {
        // Keys pressed mid-stroke (undo, the next image) wait: the stroke stays on its image and
        // becomes one step after the one before it.
        Tfrm_childwin* document = open(Depth32, 2);
        CanvasView& canvas = document->Canvas();
        chooseTool("btn_pencil");
        const std::size_t before = steps();
        drag(canvas, kPath.mid(0, 2));
        drag(canvas, kPath.mid(1, 2), false);
        QTest::keyClick(document, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(document, Qt::Key_Right);
        move(canvas, kPath[3], Qt::LeftButton);
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, At(canvas, kPath[3]));
        QCOMPARE(document->CurrentIndex(), 0);
        QCOMPARE(steps(), before + 2);
        QCOMPARE(frame_->Services().history().CurrentItem()->Position, int(before + 1));
        QTest::keyClick(document, Qt::Key_Right);
        QCOMPARE(document->CurrentIndex(), 1);
        QTest::keyClick(document, Qt::Key_Left);

        // The window losing the pointer mid-drag commits the stroke; the late release is no
        // second step, and keys work again.
        const QList<QPoint> elsewhere{{1, 12}, {6, 14}};
        drag(canvas, elsewhere, false);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&canvas, &deactivate);
        QCOMPARE(steps(), before + 3);
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, At(canvas, elsewhere.back()));
        QCOMPARE(steps(), before + 3);
        const TIconImage drawn = *document->CurrentImage();
        frame_->findChild<QAction*>(QStringLiteral("act_Undo"))->trigger();
        QVERIFY(!Same(*document->CurrentImage(), drawn));
    }
};

ORMEL_UI_TEST_MAIN(DrawingTest)
#include "drawing_test.moc"

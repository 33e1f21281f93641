// The editor's latency, end to end through the real widgets on the offscreen platform: from
// an empty process state to the first painted window of a 10-image icon, one repaint of the
// whole canvas, moving to the next image with a long undo history, and opening an icon library
// of 300 groups until every thumbnail is shown.
#include "document/canvas_view.h"
#include "document/document_window.h"
#include "effects/instant_commands.h"
#include "files/file_access.h"
#include "library/icon_library_window.h"
#include "library/library_store.h"
#include "library/library_writer.h"
#include "main/dialog_service.h"
#include "main/floating_windows.h"
#include "main/main_window.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace ormel {
namespace {

const QString kTenImages = QStringLiteral(ORMEL_FIXTURES_DIR "/wine-shell32-rgba.ico");

// Runs the event loop until nothing is pending, so that layout and painting are done.
void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// A frame showing the 10-image icon; null (and the benchmark skipped) when it does not open.
Tfrm_childwin* OpenTenImages(std::unique_ptr<Tfrm_main>& frame, benchmark::State& state)
{
    frame = std::make_unique<Tfrm_main>(std::make_unique<DialogService>());
    frame->show();
    frame->OpenFiles({kTenImages});
    Tfrm_childwin* document = frame->ActiveDocument();
    if (document == nullptr)
        state.SkipWithError("the icon did not open");
    return document;
}

void BM_StartToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        std::unique_ptr<Tfrm_main> frame;
        Tfrm_childwin* document = OpenTenImages(frame, state);
        if (document == nullptr)
            return;
        document->Canvas().repaint();
        Settle();
        state.PauseTiming();
        frame->close();
        frame.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond);

// A document whose canvas shows a side x side image at `zoom`.
struct CanvasAt {
    std::unique_ptr<Tfrm_main> frame;
    Tfrm_childwin* document = nullptr;

    CanvasAt(int side, int zoom)
    {
        frame = std::make_unique<Tfrm_main>(std::make_unique<DialogService>());
        frame->resize(1400, 1100);
        frame->show();
        TIconDocument data;
        TIconImage image;
        NewIconImage(image, side, side, -1, Depth32);
        data.AddImage(std::move(image));
        data.FileName = "bench";
        document = frame->AddDocumentWindow(std::move(data));
        QMdiSubWindow* sub = frame->MdiArea().currentSubWindow();
        sub->setMaximumSize(2000, 2000);
        // The canvas area is the window less its strip, buttons and borders: size the window
        // so that the area is side x zoom + 10 plus half a zoom step.
        Settle();
        const QSize around = sub->size() - document->Canvas().size();
        const int area = side * zoom + 10 + side / 2;
        sub->resize(around + QSize(area, area));
        Settle();
    }
};

void BM_RepaintWholeCanvas(benchmark::State& state)
{
    CanvasAt view(int(state.range(0)), int(state.range(1)));
    if (view.document->Zoom() != state.range(1)) {
        state.SkipWithError("could not reach the zoom");
        return;
    }
    for (auto _ : state) {
        view.document->RepaintCanvas();
        view.document->Canvas().repaint();
    }
    state.counters["canvas_pixels"] = view.document->Canvas().canvasRect().width() * view.document->Canvas().canvasRect().height();
}
BENCHMARK(BM_RepaintWholeCanvas)->Args({256, 2})->Args({16, 30})->Unit(benchmark::kMillisecond);

void BM_SelectNextImageWithLongHistory(benchmark::State& state)
{
    std::unique_ptr<Tfrm_main> frame;
    Tfrm_childwin* document = OpenTenImages(frame, state);
    if (document == nullptr)
        return;
    const int count = int(document->Document().Images.size());
    for (int i = 0; i < count; ++i) {
        document->SelectImage(i);
        for (int step = 0; step < int(state.range(0)); ++step) {
            ApplyInstantCommand(*document->CurrentImage(), TInstantCommand::FlipHorizontal);
            document->RecordChange(QStringLiteral("Flip Horizontal"));
        }
    }
    Settle();
    int next = 0;
    for (auto _ : state) {
        next = (next + 1) % count;
        document->SelectImage(next);
        Settle();
    }
    document->SetModified(false);
}
BENCHMARK(BM_SelectNextImageWithLongHistory)->Arg(200)->Unit(benchmark::kMillisecond);

// An icon library of `groups` entries, each holding the ten images of the test icon (256 down
// to 16 pixels), written with the library writer; empty when it cannot be made.
QString MakeLibrary(const QTemporaryDir& dir, int groups)
{
    TIconDocument icon;
    TIconFileAccess access;
    if (access.OpenIconFile(kTenImages.toStdString(), icon) != 0)
        return QString();
    TIconLibrary library;
    library.TempDir = dir.filePath(QStringLiteral("store/")).toStdString();
    QDir().mkpath(dir.filePath(QStringLiteral("store")));
    library.Editable = true;
    for (int i = 0; i < groups; ++i)
        if (AddToLibrary(library, "Icon", icon.Images) != 0)
            return QString();
    const QString path = dir.filePath(QStringLiteral("big.icl"));
    const bool written = WriteLibraryFile(library, path.toStdString()) == 0;
    ClearLibrary(library);
    return written ? path : QString();
}

void BM_OpenLibraryUntilEveryThumbnailShows(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = MakeLibrary(dir, int(state.range(0)));
    if (path.isEmpty()) {
        state.SkipWithError("the library could not be made");
        return;
    }
    Tfrm_main frame(std::make_unique<DialogService>());
    frame.show();
    Tfrm_Icon_Lib& library = frame.Floating().Library();
    auto* list = library.findChild<QListWidget*>(QStringLiteral("lsv_Lib"));
    // Big enough for every thumbnail to be on screen at once.
    library.resize(2400, 2400);
    for (auto _ : state) {
        if (library.OpenLibrary(path) != 0 || list->count() != state.range(0)) {
            state.SkipWithError("the library did not open");
            break;
        }
        list->repaint();
        Settle();
    }
    frame.close();
}
BENCHMARK(BM_OpenLibraryUntilEveryThumbnailShows)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace ormel

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("ORMEL_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// A brush stroke through the real widgets on the offscreen platform: from each mouse move
// event on the canvas of a 256 x 256 image at zoom 2 until the canvas is repainted. Reports
// the 99th percentile and the mean of the moves' latencies, and the canvas pixels painted per
// move (only the stroke's damage should be repainted, not the whole canvas; the count includes
// the one full repaint that recording the previous stroke's step makes).
#include "document/canvas_view.h"
#include "document/document_window.h"
#include "main/dialog_service.h"
#include "main/floating_windows.h"
#include "main/main_window.h"
#include "tools/tool_palette.h"
#include "widget_bench_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace ormel {
namespace {

constexpr int kSide = 256;
constexpr int kZoom = 2;

void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Adds up the area of every paint event the canvas receives.
class PaintCounter : public QObject {
public:
    long long pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += static_cast<long long>(r.width()) * r.height();
        return false;
    }
};

// The next point of a stroke that sweeps the image back and forth, a few pixels per move.
QPoint Sweep(int i)
{
    const int period = 2 * (kSide - 8);
    const auto bounce = [period](int v) {
        v %= period;
        return v < period / 2 ? v : period - v;
    };
    return QPoint(4 + bounce(i * 3), 4 + bounce(i * 7 / 5));
}

void BM_BrushMoveToRepaint(benchmark::State& state)
{
    auto frame = std::make_unique<Tfrm_main>(std::make_unique<DialogService>());
    frame->resize(1400, 1100);
    frame->show();
    TIconDocument data;
    TIconImage image;
    NewIconImage(image, kSide, kSide, -1, Depth32);
    data.AddImage(std::move(image));
    data.FileName = "bench";
    Tfrm_childwin* document = frame->AddDocumentWindow(std::move(data));
    QMdiSubWindow* sub = frame->MdiArea().currentSubWindow();
    sub->setMaximumSize(2000, 2000);
    Settle();
    const int area = kSide * kZoom + 10 + kSide / 2;
    sub->resize(sub->size() - document->Canvas().size() + QSize(area, area));
    Settle();
    CanvasView& canvas = document->Canvas();
    if (canvas.Zoom() != kZoom) {
        state.SkipWithError("could not reach the zoom");
        return;
    }
    frame->Floating().Tools().findChild<QAbstractButton*>(QStringLiteral("btn_brush"))->click();
    PaintCounter counter;
    canvas.installEventFilter(&counter);
    const auto at = [&canvas](QPoint pixel) {
        return canvas.canvasRect().topLeft() + pixel * kZoom + QPoint(kZoom / 2, kZoom / 2);
    };

    const int points = int(state.range(0));
    std::vector<double> latencies;
    long long moves = 0;
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, at(Sweep(0)), canvas.mapToGlobal(at(Sweep(0))), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &press);
        Settle();
        counter.pixels = 0;
        for (int i = 1; i < points; ++i) {
            const QPoint p = at(Sweep(i));
            QElapsedTimer timer;
            timer.start();
            QMouseEvent move(QEvent::MouseMove, p, canvas.mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&canvas, &move);
            QCoreApplication::processEvents();
            latencies.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        moves += points - 1;
        state.PauseTiming();
        QMouseEvent release(QEvent::MouseButtonRelease, at(Sweep(points - 1)), canvas.mapToGlobal(at(Sweep(points - 1))),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &release);
        Settle();
        state.ResumeTiming();
    }
    std::sort(latencies.begin(), latencies.end());
    double sum = 0;
    for (double l : latencies)
        sum += l;
    state.counters["p99_ms"] = latencies[std::min(latencies.size() - 1, latencies.size() * 99 / 100)];
    state.counters["mean_ms"] = sum / double(latencies.size());
    state.counters["painted_px_per_move"] = double(counter.pixels) / double(std::max(1, points - 1));
    state.counters["canvas_px"] = double(canvas.canvasRect().width()) * canvas.canvasRect().height();
    benchmark::DoNotOptimize(moves);
}
BENCHMARK(BM_BrushMoveToRepaint)->Arg(10)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ormel

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }

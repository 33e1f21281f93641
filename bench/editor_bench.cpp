// The editor's latency, end to end through the real widgets on the offscreen platform: from
// an empty process state to the first painted window of a 10-image icon, one repaint of the
// whole canvas, moving to the next image with a long undo history, an effect dialog's setting
// changed until the canvas shows the result, opening an icon library of 300 groups until
// every thumbnail is shown, and loading a 24-megapixel photograph into the picture-to-icon
// dialog until it is shown with every format rendered.
#include "creators/cartoon_option_dialog.h"
#include "creators/photo_to_icon_dialog.h"
#include "document/canvas_view.h"
#include "document/document_window.h"
#include "effects/instant_commands.h"
#include "files/file_access.h"
#include "files/picture_codecs.h"
#include "library/icon_library_window.h"
#include "library/library_store.h"
#include "library/library_writer.h"
#include "main/dialog_service.h"
#include "main/floating_windows.h"
#include "main/main_window.h"
#include "widget_bench_main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <functional>
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

// Runs an effect dialog without a modal loop: `during` works the open dialog, then it is
// cancelled.
class EffectBenchDialogs : public DialogService {
public:
    std::function<void(QDialog&)> during;

    int runDialog(QDialog& dialog) override
    {
        dialog.show();
        Settle();
        if (during)
            during(dialog);
        return QDialog::Rejected;
    }
};

// One effect dialog's command and how a setting is moved to the value of step i.
struct EffectControl {
    const char* action;
    std::function<void(QDialog&, int)> move;
};

std::function<void(QDialog&, int)> Slider(const char* name, int a, int b)
{
    return [=](QDialog& dialog, int i) { dialog.findChild<QSlider*>(QLatin1String(name))->setValue(i % 2 ? b : a); };
}

std::function<void(QDialog&, int)> List(const char* name, int a, int b)
{
    return [=](QDialog& dialog, int i) { dialog.findChild<QComboBox*>(QLatin1String(name))->setCurrentIndex(i % 2 ? b : a); };
}

const EffectControl kEffectControls[] = {
    {"act_BrightnessContrast", Slider("Trc_Brightness", 40, 41)},
    {"act_Saturation", Slider("trc_Saturation", 40, 41)},
    {"act_ColorBalance", Slider("trc_R", 40, 41)},
    {"act_Blur", Slider("trc_Blur", 40, 41)},
    {"act_Sharpen", Slider("trc_Sharpen", 40, 41)},
    {"act_Filters", List("cbb_filters", 7, 10)}, // Gaussian Blur (7 x 7) and Blur
    {"act_RotateArbitrary",
     [](QDialog& dialog, int i) { dialog.findChild<QSpinBox*>(QStringLiteral("spn_Angle"))->setValue(i % 2 ? 31 : 30); }},
    {"act_Zoom", List("cbb_zoom", 3, 4)}, // 150% and 120%
    {"act_Stroke", Slider("trc_Size", 4, 5)},
    {"act_Shadow", Slider("trc_offset", 5, 6)},
};

// From one setting of an effect dialog changed to the canvas repainted with the result, on a
// 256 x 256 image of a depth (range 1; indexed images include the palette reduction).
void BM_EffectSettingToRepaint(benchmark::State& state)
{
    const EffectControl& control = kEffectControls[state.range(0)];
    auto owned = std::make_unique<EffectBenchDialogs>();
    EffectBenchDialogs& dialogs = *owned;
    Tfrm_main frame(std::move(owned));
    frame.resize(1000, 800);
    frame.show();
    TIconDocument data;
    TIconImage image;
    NewIconImage(image, 256, 256, -1, int(state.range(1)));
    const int entries = PaletteSizeForDepth(image.ColorDepth);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            std::uint8_t* p = image.Bitmap.pixel(x, y);
            if (entries > 0)
                p[0] = p[1] = 0, p[2] = std::uint8_t((x / 4 + y) % entries);
            else
                p[0] = std::uint8_t(x), p[1] = std::uint8_t(y), p[2] = std::uint8_t(x ^ y);
            const int dx = x - 128, dy = y - 128;
            image.Mask.pixel(x, y)[0] = dx * dx + dy * dy < 90 * 90 ? 0 : 255; // an opaque disc
        }
    data.AddImage(std::move(image));
    data.FileName = "bench";
    Tfrm_childwin* document = frame.AddDocumentWindow(std::move(data));
    Settle();
    dialogs.during = [&](QDialog& dialog) {
        int i = 0;
        for (auto _ : state) {
            control.move(dialog, ++i);
            QCoreApplication::processEvents(); // the pending recomputation and the refresh
            document->Canvas().repaint();
        }
    };
    frame.findChild<QAction*>(QLatin1String(control.action))->trigger();
    state.SetLabel(std::string(control.action) + (state.range(1) == Depth8 ? " 8-bit" : " 32-bit"));
    document->SetModified(false);
}
BENCHMARK(BM_EffectSettingToRepaint)
    ->ArgsProduct({benchmark::CreateDenseRange(0, int(std::size(kEffectControls)) - 1, 1), {Depth32, Depth8}})
    ->Unit(benchmark::kMillisecond);
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

// Shows each dialog until it is drawn, then cancels it; messages are dropped.
class ShowAndCancel : public DialogService {
public:
    void showMessage(QWidget*, const QString&, const QString&) override {}
    int runDialog(QDialog& dialog) override
    {
        dialog.show();
        Settle();
        dialog.hide();
        return QDialog::Rejected;
    }
};

// A 6000 x 4000 JPEG of smooth gradients with fine detail, like a photograph.
QString PhotoFile(const QTemporaryDir& dir)
{
    Raster photo(6000, 4000);
    for (int y = 0; y < photo.height(); ++y) {
        std::uint8_t* p = photo.row(y);
        for (int x = 0; x < photo.width(); ++x, p += 3) {
            p[0] = std::uint8_t(x * 255 / photo.width());
            p[1] = std::uint8_t(y * 255 / photo.height());
            p[2] = std::uint8_t(((x / 7) ^ (y / 5)) & 0xFF);
        }
    }
    std::vector<std::uint8_t> jpeg;
    EncodeJpeg(photo, jpeg);
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    std::ofstream(path.toStdString(), std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()),
                                                              std::streamsize(jpeg.size()));
    return path;
}

void BM_LoadPhotoIntoPhotoToIcon(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString photo = PhotoFile(dir);
    Tfrm_main frame(std::make_unique<ShowAndCancel>());
    Tfrm_CartoonOption cartoon(frame.Services(), &frame);
    Tfrm_PhotoToIcon dialog(frame.Services(), cartoon, &frame);
    for (auto _ : state) {
        if (!dialog.LoadPicture(photo)) {
            state.SkipWithError("the photograph did not load");
            break;
        }
        dialog.Execute();
    }
}
BENCHMARK(BM_LoadPhotoIntoPhotoToIcon)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace ormel

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }

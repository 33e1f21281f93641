#include "library/library_loader.h"

#include "document/file_path.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

namespace ormel {

std::atomic<bool>* LibraryLoader::current_ = nullptr;

namespace {
constexpr int kProgressDelayMs = 500;
constexpr int kPollMs = 50;
} // namespace

void LibraryLoader::CancelCurrent()
{
    if (current_ != nullptr)
        current_->store(true);
}

LibraryReadResult LibraryLoader::Read(QWidget* parent, TIconLibrary& into, const QString& path)
{
    std::atomic<bool> cancelled{false};
    std::atomic<std::size_t> done{0}, total{0};
    LibraryReadResult result = LibraryReadResult::CannotRead;
    const std::string file = ToNativePath(path);
    std::atomic<bool>* outer = current_;
    current_ = &cancelled;

    QThread* worker = QThread::create([&] {
        result = ReadLibraryFile(into, file, [&](std::size_t entries, std::size_t count) {
            done = entries;
            total = count;
            return !cancelled.load();
        });
    });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);

    QProgressDialog progress(QStringLiteral("Reading icons..."), QStringLiteral("Cancel"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("dlg_LibraryProgress"));
    progress.setWindowTitle(QStringLiteral("Open Icon Library"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(kProgressDelayMs);
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const std::size_t count = total.load();
        if (count > 0 && progress.maximum() != int(count))
            progress.setMaximum(int(count));
        if (count > 0)
            progress.setValue(int(done.load()));
    });
    poll.start(kPollMs);
    progress.setValue(0); // starts the delay after which the dialog shows

    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    poll.stop();
    progress.reset();
    current_ = outer;
    // A cancel that came after the last entry still keeps the previous library.
    if (cancelled.load() && result != LibraryReadResult::CannotRead && result != LibraryReadResult::NotRecognised)
        return LibraryReadResult::Stopped;
    return result;
}

} // namespace ormel

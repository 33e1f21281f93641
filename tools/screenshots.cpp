// Renders every window and dialog of the editor offscreen into DIR/<objectName>.png, each in a
// realistic state: two icons open and edited, the history with steps and with recycled images,
// the icon library window showing a program's icons.
#include "dialogs/about_box.h"
#include "dialogs/add_new_image_dialog.h"
#include "dialogs/delete_image_dialog.h"
#include "dialogs/icon_property_dialog.h"
#include "dialogs/preview_window.h"
#include "document/document_window.h"
#include "effects/instant_commands.h"
#include "history/history_window.h"
#include "library/icon_library_window.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/floating_windows.h"
#include "main/main_window.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>

using namespace ormel;

namespace {

void Settle()
{
    for (int i = 0; i < 30; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

bool Save(QWidget& window, const QString& dir, const QString& name = QString())
{
    window.show();
    Settle();
    const QString path = dir + QLatin1Char('/') + (name.isEmpty() ? window.objectName() : name) + QStringLiteral(".png");
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_DIR FIRST.ico SECOND.ico PROGRAM\n");
        return 2;
    }
    QTemporaryDir home;
    qputenv("ORMEL_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    Tfrm_main frame(std::make_unique<DialogService>());
    frame.resize(1100, 760);
    frame.show();
    frame.OpenFiles({QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])});
    frame.MdiArea().tileSubWindows();
    Settle();
    if (frame.Documents().size() != 2) {
        std::fprintf(stderr, "the icons could not be opened\n");
        return 1;
    }
    // The first icon gets a few steps and loses an image to the recycle bin.
    Tfrm_childwin* first = frame.Documents().first();
    frame.MdiArea().setActiveSubWindow(frame.MdiArea().subWindowList().first());
    TIconImage removed = first->Document().Images.front();
    frame.Services().history().RecycleImage(removed);
    emit frame.Services().recycleBinChanged();
    for (const auto& [command, caption] : {std::pair{TInstantCommand::FlipHorizontal, "Flip Horizontal"},
                                           std::pair{TInstantCommand::Rotate90CW, "Rotate 90 CW"},
                                           std::pair{TInstantCommand::InvertColor, "Invert Color"},
                                           std::pair{TInstantCommand::InvertColor, "Invert Color"}}) {
        ApplyInstantCommand(*first->CurrentImage(), command);
        first->RecordChange(QLatin1String(caption));
    }
    frame.Floating().History().Undo();
    Settle();

    bool ok = Save(frame, out);
    Tfrm_history& history = frame.Floating().History();
    ok &= Save(history, out);
    history.findChild<QTabWidget*>(QStringLiteral("pgc_history"))->setCurrentIndex(1);
    ok &= Save(history, out, QStringLiteral("frm_history-recycle"));
    ok &= Save(frame.Floating().Preview(), out);

    Tfrm_add_new_image& add = frame.Floating().AddImageDialog();
    add.Prepare(&first->Document().Images, first->CurrentIndex());
    ok &= Save(add, out);
    add.hide();
    Tfrm_DeleIconImage& remove = frame.Floating().DeleteImageDialog();
    remove.Prepare(*first->CurrentImage());
    ok &= Save(remove, out);
    remove.hide();
    Tfrm_IconProperty properties(first->Document(), &frame);
    ok &= Save(properties, out);
    Tfrm_about about(&frame);
    ok &= Save(about, out);
    frame.OpenFiles({QString::fromLocal8Bit(argv[4])});
    ok &= Save(frame.Floating().Library(), out);

    first->SetModified(false);
    frame.Documents().last()->SetModified(false);
    return ok ? 0 : 1;
}

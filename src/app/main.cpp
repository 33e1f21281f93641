#include "build_info.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/main_window.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ormel"));
    QApplication::setApplicationVersion(QString::fromUtf8(ormel::kOrmelVersion));
    // Desktops match the windows to the installed desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ormel.Ormel"));

    ormel::Tfrm_main frame(std::make_unique<ormel::DialogService>());
    const QString icon = QString::fromStdString(frame.Services().directories().DataDir) + QStringLiteral("/ormel.ico");
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.ormel.Ormel"), QIcon(icon)));
    frame.show();
    frame.OpenFiles(QApplication::arguments().mid(1));
    return app.exec();
}

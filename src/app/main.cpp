#include "main/dialog_service.h"
#include "main/main_window.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ormel"));
    QApplication::setApplicationVersion(QStringLiteral(ORMEL_VERSION));

    ormel::Tfrm_main frame(std::make_unique<ormel::DialogService>());
    frame.show();
    frame.OpenFiles(QApplication::arguments().mid(1));
    return app.exec();
}

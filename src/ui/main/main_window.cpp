#include "main/main_window.h"

#include "document/document_window.h"
#include "document/file_path.h"
#include "files/file_access.h"
#include "main/dialog_service.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace ormel {

namespace {

const QSize kDocumentWindowSize(475, 553);
const QSize kDocumentWindowMinimum(350, 486);
const QSize kDocumentWindowMaximum(1290, 1024);

} // namespace

Tfrm_main::Tfrm_main(std::unique_ptr<DialogService> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs))
{
    setObjectName(QStringLiteral("frm_main"));
    setWindowTitle(QStringLiteral("Ormel"));
    resize(1024, 768);

    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName(QStringLiteral("mdi_area"));
    setCentralWidget(mdiArea_);

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    const auto addAction = [fileMenu](const char* name, const QString& caption, const QKeySequence& shortcut) {
        QAction* action = fileMenu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    };
    connect(addAction("act_Open", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O)), &QAction::triggered,
            this, &Tfrm_main::actOpenExecute);
    connect(addAction("act_Save", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered,
            this, &Tfrm_main::actSaveExecute);
    connect(addAction("act_SaveAs", QStringLiteral("Save &As..."), QKeySequence()), &QAction::triggered, this,
            &Tfrm_main::actSaveAsExecute);
    fileMenu->addSeparator();
    connect(addAction("act_Exit", QStringLiteral("E&xit"), QKeySequence()), &QAction::triggered, this,
            &Tfrm_main::close);
}

Tfrm_main::~Tfrm_main() = default;

Tfrm_childwin* Tfrm_main::ActiveDocument() const
{
    QMdiSubWindow* sub = mdiArea_->currentSubWindow();
    return sub ? qobject_cast<Tfrm_childwin*>(sub->widget()) : nullptr;
}

QList<Tfrm_childwin*> Tfrm_main::Documents() const
{
    QList<Tfrm_childwin*> documents;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        if (auto* document = qobject_cast<Tfrm_childwin*>(sub->widget()))
            documents.append(document);
    return documents;
}

void Tfrm_main::OpenFiles(const QStringList& paths)
{
    for (QString path : paths) {
        if (!path.contains(QLatin1Char('/')))
            path = QDir::currentPath() + QLatin1Char('/') + path;
        if (FindOpenDocument(path))
            continue;
        if (QFileInfo(path).suffix().toUpper() == QStringLiteral("ICO"))
            OpenIconFile(path);
    }
}

bool Tfrm_main::FindOpenDocument(const QString& path)
{
    for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        const auto* document = qobject_cast<Tfrm_childwin*>(sub->widget());
        if (document && !document->FilePath().isEmpty() && document->FilePath() == path) {
            mdiArea_->setActiveSubWindow(sub);
            return true;
        }
    }
    return false;
}

void Tfrm_main::OpenIconFile(const QString& path)
{
    TIconDocument document;
    TIconFileAccess access;
    const int result = access.OpenIconFile(ToNativePath(path), document);
    // A partly readable file still opens with the images that could be read.
    if (!document.Images.empty()) {
        auto* window = new Tfrm_childwin(std::move(document), *dialogs_);
        QMdiSubWindow* sub = mdiArea_->addSubWindow(window);
        sub->resize(kDocumentWindowSize);
        sub->setMinimumSize(kDocumentWindowMinimum);
        sub->setMaximumSize(kDocumentWindowMaximum);
        sub->show();
        mdiArea_->setActiveSubWindow(sub);
    }
    if (result != 0)
        dialogs_->showMessage(this, QStringLiteral("Open Icon"), QString::fromStdString(access.ErrorText));
}

void Tfrm_main::actOpenExecute()
{
    OpenFiles(dialogs_->askOpenFiles(this, QStringLiteral("Open Icons"), QStringLiteral("Icons(*.ico)")));
}

void Tfrm_main::actSaveExecute()
{
    if (Tfrm_childwin* document = ActiveDocument())
        document->SaveDocument();
}

void Tfrm_main::actSaveAsExecute()
{
    Tfrm_childwin* document = ActiveDocument();
    if (!document)
        return;
    // The proposed name is the file name without its last four characters (its extension).
    const QString fileName = FromNativePath(document->Document().FileName);
    QString path = dialogs_->askSaveFile(this, QStringLiteral("Save As"), QStringLiteral("Icons (*.ico)"),
                                         fileName.left(fileName.size() - 4), QStringLiteral("ico"));
    if (path.isEmpty())
        return;
    if (!path.toLower().endsWith(QStringLiteral(".ico")))
        path += QStringLiteral(".ico");
    document->SaveToPath(path);
}

} // namespace ormel

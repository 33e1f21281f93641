#include "document/document_window.h"

#include "document/canvas_view.h"
#include "document/file_path.h"
#include "document/image_strip.h"
#include "files/file_access.h"
#include "main/dialog_service.h"

#include <QFileInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace ormel {

Tfrm_childwin::Tfrm_childwin(TIconDocument document, DialogService& dialogs, QWidget* parent)
    : QWidget(parent), document_(std::move(document)), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frm_childwin"));

    strip_ = new ImageStrip(document_);
    strip_->setObjectName(QStringLiteral("img_strip"));
    stripArea_ = new QScrollArea;
    stripArea_->setObjectName(QStringLiteral("pan_strip"));
    stripArea_->setWidget(strip_);
    stripArea_->setFrameShape(QFrame::NoFrame);
    stripArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stripArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    stripArea_->setFixedHeight(ImageStrip::kStripHeight + stripArea_->horizontalScrollBar()->sizeHint().height());

    canvas_ = new CanvasView;
    canvas_->setObjectName(QStringLiteral("img_canvas"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stripArea_);
    layout->addWidget(canvas_, 1);

    connect(strip_, &ImageStrip::cellPicked, this, &Tfrm_childwin::SelectImage);
    updateCaption();
    RefreshCurrentImage();
}

QString Tfrm_childwin::FilePath() const
{
    if (document_.FileDir.empty())
        return QString();
    return FromNativePath(document_.FileDir + document_.FileName);
}

void Tfrm_childwin::SelectImage(int index)
{
    if (index < 0 || index >= int(document_.Images.size()) || index == document_.CurrentIndex)
        return;
    document_.CurrentIndex = index;
    scrollStripToCurrent();
    RefreshCurrentImage();
}

void Tfrm_childwin::scrollStripToCurrent()
{
    // The current cell's left edge goes to the middle of the visible strip, as far as the
    // strip reaches.
    const int left = ImageStrip::kCellWidth * document_.CurrentIndex;
    stripArea_->horizontalScrollBar()->setValue(left - stripArea_->viewport()->width() / 2);
}

void Tfrm_childwin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The strip's visible width is known only once the window is laid out.
    if (!event->spontaneous())
        scrollStripToCurrent();
}

void Tfrm_childwin::RefreshCurrentImage()
{
    canvas_->setImage(document_.CurrentImage());
    strip_->update();
}

void Tfrm_childwin::SetModified(bool modified)
{
    if (document_.Modified == modified)
        return;
    document_.Modified = modified;
    updateCaption();
}

void Tfrm_childwin::updateCaption()
{
    QString caption = FromNativePath(document_.FileName);
    if (document_.Modified)
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
}

int Tfrm_childwin::SaveDocument()
{
    QString path = FilePath();
    if (path.isEmpty()) {
        path = dialogs_.askSaveFile(this, QStringLiteral("Save Icon"), QStringLiteral("Icon File(*.ico)"),
                                    FromNativePath(document_.FileName), QStringLiteral("ico"));
        if (path.isEmpty())
            return -1;
        if (QFileInfo(path).suffix().toUpper() != QStringLiteral("ICO"))
            path += QStringLiteral(".ico");
    }
    return SaveToPath(path);
}

int Tfrm_childwin::SaveToPath(const QString& path)
{
    TIconFileAccess access;
    if (access.SaveIconFile(ToNativePath(path), document_.Images) != 0) {
        dialogs_.showMessage(this, QStringLiteral("Save File"), QString::fromStdString(access.ErrorText));
        return -1;
    }
    const QFileInfo info(path);
    document_.FileDir = ToNativePath(info.absolutePath() + QLatin1Char('/'));
    document_.FileName = ToNativePath(info.fileName());
    document_.Modified = false;
    updateCaption();
    return 0;
}

} // namespace ormel

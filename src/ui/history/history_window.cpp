#include "history/history_window.h"

#include "document/document_window.h"
#include "history/undo_history.h"
#include "main/dialog_service.h"
#include "main/editor_services.h"
#include "main/window_placement_keeper.h"

#include <QAction>
#include <QEvent>
#include <QHideEvent>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ormel {

namespace {

const QColor kDoneText(0, 0, 0);
const QColor kUndoneText(192, 192, 192);
constexpr int kRowHeight = kHistoryThumbnailSide + 4;
constexpr int kTimeColumnPadding = 12;
// The recycle list's single column leaves this much of the list's width free.
constexpr int kRecycleColumnMargin = 24;

QIcon ThumbnailIcon(const Raster& thumbnail)
{
    const QImage picture(thumbnail.data(), thumbnail.width(), thumbnail.height(), thumbnail.stride(),
                         QImage::Format_BGR888);
    return QIcon(QPixmap::fromImage(picture));
}

QTableWidget* MakeList(const char* name, const QString& accessibleName, const QStringList& columns)
{
    auto* list = new QTableWidget(0, int(columns.size()));
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setHorizontalHeaderLabels(columns);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(kRowHeight);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setIconSize(QSize(kHistoryThumbnailSide, kHistoryThumbnailSide));
    list->setWordWrap(false);
    list->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = list->palette();
    palette.setColor(QPalette::HighlightedText, Qt::white);
    list->setPalette(palette);
    return list;
}

// Fills a cell, reusing its item, so that a list whose rows stay keeps its items.
QTableWidgetItem* SetCell(QTableWidget* list, int row, int column, const QString& text)
{
    QTableWidgetItem* cell = list->item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        list->setItem(row, column, cell);
    }
    cell->setText(text);
    return cell;
}

void SelectRow(QTableWidget* list, int row)
{
    if (row < 0 || row >= list->rowCount()) {
        list->clearSelection();
        return;
    }
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
}

int SelectedRow(const QTableWidget* list)
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

} // namespace

Tfrm_history::Tfrm_history(EditorServices& services, QWidget* frame)
    : QWidget(frame, Qt::Tool), services_(services)
{
    setObjectName(QStringLiteral("frm_history"));
    setWindowTitle(tr("Undo History"));
    resize(219, 225);
    new PlacementKeeper(*this, services_.positionFile(), true, true);

    history_ = MakeList("lsv_history", tr("Undo History"), {tr("Action"), tr("Time")});
    history_->setColumnWidth(0, 120);
    // 60 pixels, or wider when the font needs more for a whole time.
    history_->setColumnWidth(1, std::max(60, history_->fontMetrics().horizontalAdvance(QStringLiteral("00:00 pm")) +
                                                 kTimeColumnPadding));
    history_->setShowGrid(true);

    recycle_ = MakeList("lsv_recycle", tr("Recycle Bin"), {tr("Icons")});
    recycle_->setShowGrid(false);
    recycle_->installEventFilter(this);
    restore_ = new QAction(tr("Restore"), this);
    restore_->setObjectName(QStringLiteral("act_Restore"));
    restore_->setStatusTip(tr("Restore into current icon"));
    recycle_->setContextMenuPolicy(Qt::ActionsContextMenu);
    recycle_->addAction(restore_);

    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("pgc_history"));
    pages_->setAccessibleName(tr("History pages"));
    pages_->addTab(history_, tr("Undo History"));
    pages_->addTab(recycle_, tr("Recycle Bin"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);

    connect(history_, &QTableWidget::itemSelectionChanged, this, [this] {
        if (!updating_)
            lsv_historySelect(SelectedRow(history_));
    });
    connect(restore_, &QAction::triggered, this, &Tfrm_history::act_RestoreExecute);
    connect(&services_, &EditorServices::historyChanged, this, &Tfrm_history::refreshHistory);
    connect(&services_, &EditorServices::currentImageChanged, this, &Tfrm_history::refreshHistory);
    connect(&services_, &EditorServices::recycleBinChanged, this, &Tfrm_history::rebuildRecycleRows);

    refreshHistory();
    rebuildRecycleRows();
}

bool Tfrm_history::CanUndo() const { return services_.history().CanUndo(); }

bool Tfrm_history::CanRedo() const { return services_.history().CanRedo(); }

void Tfrm_history::Undo()
{
    services_.finishActiveTool();
    services_.history().ShowImageHistory(services_.activeImage());
    finishMove(services_.history().Undo(services_.activeImage()));
}

void Tfrm_history::Redo()
{
    services_.finishActiveTool();
    services_.history().ShowImageHistory(services_.activeImage());
    finishMove(services_.history().Redo(services_.activeImage()));
}

void Tfrm_history::lsv_historySelect(int row)
{
    services_.finishActiveTool();
    finishMove(services_.history().SelectStep(row, services_.activeImage()));
}

void Tfrm_history::finishMove(const TMoveResult& result)
{
    if (result.Moved()) {
        Tfrm_childwin* document = services_.activeDocument();
        document->RefreshCurrentImage();
        document->SetModified(true);
        emit services_.historyChanged();
        return;
    }
    // The list goes back to the step the image still shows before the reason is told.
    rebuildHistoryRows();
    if (result.Outcome == TMoveOutcome::Failed)
        services_.dialogs().showMessage(this, QString::fromLatin1(kRestoreImageCaption),
                                        QString::fromStdString(result.Message));
}

void Tfrm_history::refreshHistory()
{
    services_.history().ShowImageHistory(services_.activeImage());
    rebuildHistoryRows();
}

void Tfrm_history::rebuildHistoryRows()
{
    const TUndoHistory& history = services_.history();
    const std::vector<THistoryRow> rows = history.Rows();
    const THistoryImageItem* item = history.CurrentItem();
    updating_ = true;
    history_->setRowCount(int(rows.size()));
    for (int k = 0; k < int(rows.size()); ++k) {
        const THistoryRow& row = rows[std::size_t(k)];
        const QColor colour = row.Done ? kDoneText : kUndoneText;
        QTableWidgetItem* action = SetCell(history_, k, 0, QString::fromStdString(row.Caption));
        action->setIcon(ThumbnailIcon(item->Steps[std::size_t(k)].Thumbnail));
        action->setForeground(colour);
        SetCell(history_, k, 1, QString::fromStdString(row.Time))->setForeground(colour);
    }
    SelectRow(history_, history.SelectedRow());
    updating_ = false;
}

void Tfrm_history::rebuildRecycleRows()
{
    const TRecycleArray& items = services_.history().RecycleBin().Items();
    recycle_->setRowCount(int(items.size()));
    for (int i = 0; i < int(items.size()); ++i) {
        const TRecycleItem& item = items[std::size_t(i)];
        SetCell(recycle_, i, 0, QString::fromStdString(RecycleCaption(item)))->setIcon(ThumbnailIcon(item.Thumbnail));
    }
}

void Tfrm_history::act_RestoreExecute()
{
    services_.finishActiveTool();
    Tfrm_childwin* document = services_.activeDocument();
    TRestoreResult result =
        services_.history().RestoreRecycled(SelectedRow(recycle_), document ? &document->Document().Images : nullptr);
    switch (result.Outcome) {
    case TRestoreOutcome::Nothing:
        return;
    case TRestoreOutcome::FormatExists:
    case TRestoreOutcome::Unreadable:
        services_.dialogs().showMessage(this, QString::fromLatin1(kRestoreImageCaption),
                                        QString::fromStdString(result.Message));
        return;
    case TRestoreOutcome::Restored:
        document->AddImage(std::move(result.Image));
        document->SetModified(true);
        emit services_.recycleBinChanged();
        return;
    }
}

void Tfrm_history::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return; // the frame was restored from its minimised state
    refreshHistory();
}

bool Tfrm_history::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == recycle_ && event->type() == QEvent::Resize)
        recycle_->setColumnWidth(0, std::max(0, recycle_->width() - kRecycleColumnMargin));
    return QWidget::eventFilter(watched, event);
}

} // namespace ormel

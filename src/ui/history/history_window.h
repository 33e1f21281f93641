#pragma once

#include <QWidget>

class QAction;
class QTableWidget;
class QTabWidget;

namespace ormel {

class EditorServices;
struct TMoveResult;

// The floating "Undo History" window: the steps of the active image, one click away from any
// of them, and the recycle bin of images deleted from documents. It shows what the history
// holds and rebuilds its lists whenever the history, the bin or the active image changes.
class Tfrm_history : public QWidget {
    Q_OBJECT

public:
    Tfrm_history(EditorServices& services, QWidget* frame);

    // The Edit menu's commands; they do nothing when the history cannot move that way.
    bool CanUndo() const;
    bool CanRedo() const;

public slots:
    void Undo();
    void Redo();


protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshHistory();
    void rebuildHistoryRows();
    void rebuildRecycleRows();
    void lsv_historySelect(int row);
    void act_RestoreExecute();
    // Brings the document up to date after a move, or tells why the step could not be read.
    void finishMove(const TMoveResult& result);

    EditorServices& services_;
    QTabWidget* pages_;
    QTableWidget* history_;
    QTableWidget* recycle_;
    QAction* restore_;
    bool updating_ = false; // the list's selection is being set from the history
};

} // namespace ormel

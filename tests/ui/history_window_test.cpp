#include "history/history_window.h"
#include "frame_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QTabWidget>
#include <QTableWidget>

#include <fstream>
#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

const QColor kDone(0, 0, 0);
const QColor kUndone(192, 192, 192);

// One list row as the user sees it: the caption and the colour it is written in.
struct Row {
    QString caption;
    QColor colour;
    bool operator==(const Row&) const = default;
};

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<QWidget> frame_;
    std::unique_ptr<EditorServices> services_;
    Tfrm_history* window_ = nullptr;
    std::vector<std::unique_ptr<Tfrm_childwin>> documents_;
    Tfrm_childwin* active_ = nullptr;

    Tfrm_childwin* openDocument(std::vector<TIconImage> images)
    {
        TIconDocument document;
        for (TIconImage& image : images)
            document.AddImage(std::move(image));
        documents_.push_back(std::make_unique<Tfrm_childwin>(std::move(document), *services_));
        activate(documents_.back().get());
        return active_;
    }
    void activate(Tfrm_childwin* document)
    {
        active_ = document;
        emit services_->currentImageChanged(document);
    }
    // A change to the current image: its first pixel takes `value`.
    void paint(Tfrm_childwin* document, std::uint8_t value, const char* caption = "Pencil")
    {
        document->CurrentImage()->Bitmap.pixel(0, 0)[0] = value;
        document->RecordChange(QLatin1String(caption));
    }
    static int painted(Tfrm_childwin* document) { return document->CurrentImage()->Bitmap.pixel(0, 0)[0]; }

    QTableWidget* list(const char* name) const { return window_->findChild<QTableWidget*>(QLatin1String(name)); }
    QList<Row> rows() const
    {
        QList<Row> shown;
        QTableWidget* history = list("lsv_history");
        for (int r = 0; r < history->rowCount(); ++r) {
            shown.append(Row{history->item(r, 0)->text(), history->item(r, 0)->foreground().color()});
        }
        return shown;
    }
    int selectedRow(const char* name) const
    {
        const QModelIndexList selected = list(name)->selectionModel()->selectedRows();
        return selected.size() == 1 ? selected.first().row() : -1;
    }
    void clickRow(const char* name, int row)
    {
        QTableWidget* table = list(name);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(row, 0)).center());
    }

private slots:
    void init()
    {
        services_ = MakeServices(dialogs_);
        services_->setActiveDocumentSource([this] { return active_; });
        frame_ = std::make_unique<QWidget>();
        window_ = new Tfrm_history(*services_, frame_.get());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup()
    {
        active_ = nullptr;
        documents_.clear();
        frame_.reset();
        services_.reset();
    }

    void clickingARowUndoesOrRedoesEveryStepUpToIt()
    {
        Tfrm_childwin* document = openDocument({BlankImage(16, 16, Depth24)});
        for (std::uint8_t value : {10, 20, 30})
            paint(document, value);
        document->SetModified(false);
        QCOMPARE(rows(), (QList<Row>{{"New", kDone}, {"Pencil", kDone}, {"Pencil", kDone}, {"Pencil", kDone}}));

        clickRow("lsv_history", 1);
        QCOMPARE(painted(document), 10);
        QCOMPARE(rows(), (QList<Row>{{"New", kDone}, {"Pencil", kDone}, {"Pencil", kUndone}, {"Pencil", kUndone}}));
        QCOMPARE(selectedRow("lsv_history"), 1);
        QVERIFY(document->Document().Modified);
        QVERIFY(window_->CanUndo() && window_->CanRedo());

        clickRow("lsv_history", 3);
        QCOMPARE(painted(document), 30);
        QVERIFY(!window_->CanRedo());

        // The keyboard moves through the list the same way (the Edit menu's Undo and Redo are
        // driven in the user flow test).
        list("lsv_history")->setFocus();
        QTest::keyClick(list("lsv_history"), Qt::Key_Up);
        QCOMPARE(painted(document), 20);
        QCOMPARE(selectedRow("lsv_history"), 2);

        // A new change drops the undone step.
        paint(document, 40, "Line");
        QCOMPARE(rows(), (QList<Row>{{"New", kDone}, {"Pencil", kDone}, {"Pencil", kDone}, {"Line", kDone}}));
        QVERIFY(dialogs_->messages.isEmpty());
    }

    void aStepThatCannotBeReadKeepsTheShownRow()
    {
        Tfrm_childwin* document = openDocument({BlankImage(16, 16, Depth24)});
        paint(document, 10);
        paint(document, 20);
        const TIconImage before = *document->CurrentImage();
        QFile::remove(QString::fromStdString(services_->history().StepFileName(before.ImageId, 0)));
        std::ofstream(services_->history().StepFileName(before.ImageId, 1)) << "damaged";

        const std::pair<bool, const char*> attempts[] = {{false, "File not found."},
                                                         {true, "The file format is not available."}};
        for (const auto& [byMenu, reason] : attempts) {
            dialogs_->messages.clear();
            if (byMenu)
                window_->Undo();
            else
                clickRow("lsv_history", 0);
            QCOMPARE(dialogs_->messages, (Messages{{"Restore image", reason}}));
            QCOMPARE(selectedRow("lsv_history"), 2);
            QCOMPARE(rows(), (QList<Row>{{"New", kDone}, {"Pencil", kDone}, {"Pencil", kDone}}));
            QCOMPARE(document->CurrentImage()->Bitmap, before.Bitmap);
        }
    }

    void eachImageKeepsItsOwnList()
    {
        Tfrm_childwin* first = openDocument({BlankImage(16, 16, Depth24), BlankImage(32, 32, Depth8)});
        const int fresh = painted(first);
        paint(first, 10); // the current image is the last one added
        first->SelectImage(0);
        QCOMPARE(rows(), (QList<Row>{{"New", kDone}}));
        paint(first, 5, "Fill");
        first->SelectImage(1);
        QCOMPARE(rows(), (QList<Row>{{"New", kDone}, {"Pencil", kDone}}));

        openDocument({BlankImage(48, 48, Depth32)});
        QCOMPARE(rows(), (QList<Row>{{"New", kDone}}));
        activate(first);
        clickRow("lsv_history", 0);
        QCOMPARE(painted(first), fresh);
        first->SelectImage(0);
        QCOMPARE(rows(), (QList<Row>{{"New", kDone}, {"Fill", kDone}}));
        activate(nullptr);
        QCOMPARE(list("lsv_history")->rowCount(), 0);
        QVERIFY(!window_->CanUndo());
    }

    // An unreadable snapshot stays in the bin with the reason shown; a readable one comes back
    // into the active icon. The captions and the refusal of a format the icon has are pinned
    // in the core.
    void recycledImagesComeBackIntoTheActiveIcon()
    {
        TIconImage deleted = BlankImage(32, 32, Depth32);
        deleted.Bitmap.pixel(0, 0)[0] = 77;
        TIconImage damaged = BlankImage(16, 16, Depth4);
        for (TIconImage* image : {&deleted, &damaged}) {
            QCOMPARE(services_->history().RecycleImage(*image), 0);
            emit services_->recycleBinChanged();
        }
        QTableWidget* bin = list("lsv_recycle");
        QCOMPARE(bin->rowCount(), 2);
        auto* restore = window_->findChild<QAction*>(QStringLiteral("act_Restore"));
        window_->findChild<QTabWidget*>(QStringLiteral("pgc_history"))->setCurrentIndex(1);
        std::ofstream(services_->history().RecycleBin().Items()[1].FileName) << "damaged";
        Tfrm_childwin* target = openDocument({BlankImage(16, 16, Depth24)});
        clickRow("lsv_recycle", 1);
        restore->trigger();
        QCOMPARE(dialogs_->messages, (Messages{{"Restore image", "The file format is not available."}}));
        QCOMPARE(bin->rowCount(), 2);

        target->SetModified(false);
        clickRow("lsv_recycle", 0);
        restore->trigger();
        QCOMPARE(bin->rowCount(), 1);
        QCOMPARE(target->Document().Images.size(), std::size_t(2));
        QCOMPARE(painted(target), 77);
        QVERIFY(target->Document().Modified);
        QCOMPARE(rows(), (QList<Row>{{"New", kDone}})); // the restored image starts a history of its own
    }
};

ORMEL_UI_TEST_MAIN(HistoryWindowTest)

#include "history_window_test.moc"

#include "history/history_window.h"
#include "frame_fixture.h"

#include <QTableWidget>

#include <fstream>
#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

const QColor kDone(0, 0, 0);

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
};

ORMEL_UI_TEST_MAIN(HistoryWindowTest)

#include "history_window_test.moc"

#include "document/canvas_view.h"
#include "document/document_window.h"
#include "document/icon_picture.h"
#include "document/image_strip.h"
#include "files/file_access.h"
#include "main/dialog_service.h"
#include "main/main_window.h"

#include <QAction>
#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace ormel;

namespace {

const QString kRgbaIcon = QStringLiteral(ORMEL_FIXTURES_DIR "/wine-shell32-rgba.ico");

// Answers the dialogs in place of the user and keeps every message shown.
class FakeDialogs : public DialogService {
public:
    QList<QPair<QString, QString>> messages; // caption, text
    QStringList openAnswer;
    QString saveAnswer;
    QString proposedSaveName;

    void showMessage(QWidget*, const QString& caption, const QString& text) override { messages.append({caption, text}); }
    QStringList askOpenFiles(QWidget*, const QString&, const QString&) override { return openAnswer; }
    QString askSaveFile(QWidget*, const QString&, const QString&, const QString& proposed, const QString&) override
    {
        return proposedSaveName = proposed, saveAnswer;
    }
};

using Messages = QList<QPair<QString, QString>>;

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The checkerboard grey at a canvas position: 4 x 4 squares, grey 220 in the top-left one.
int CheckerGrey(int x, int y) { return ((y & 7) < 4) != ((x & 7) >= 4) ? 220 : 255; }

} // namespace

class FirstWindowTest : public QObject {
    Q_OBJECT

private:
    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<Tfrm_main> frame_;

    void trigger(const char* action) { frame_->findChild<QAction*>(QLatin1String(action))->trigger(); }
    void open(const QStringList& paths) { dialogs_->openAnswer = paths, trigger("act_Open"); }

    QString activeCaption() const { return frame_->findChild<QMdiSubWindow*>()->windowTitle(); }

    // Every opaque and every fully transparent pixel of the image must show on the canvas,
    // inside its magnified square and off the grid, as its colour or as the checkerboard.
    void verifyCanvasShows(CanvasView& canvas, const TIconImage& image)
    {
        const int zoom = canvas.Zoom();
        const QRect area = canvas.canvasRect();
        QCOMPARE(area.size(), QSize(image.Width * zoom + 1, image.Height * zoom + 1));
        const QImage screen = canvas.grab().toImage();
        const QImage picture = IconImageToPicture(image); // its opaque colours are checked on their own
        const int inside = zoom >= 3 ? 1 + (zoom - 1) / 2 : zoom / 2;
        int checked = 0;
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x) {
                const int t = image.Mask.pixel(x, y)[0];
                if (t != 0 && t != 255)
                    continue;
                const int cx = x * zoom + inside;
                const int cy = y * zoom + inside;
                const int grey = CheckerGrey(cx, cy);
                const QRgb expected = t == 0 ? picture.pixel(x, y) : qRgb(grey, grey, grey);
                const QRgb shown = screen.pixel(area.left() + cx, area.top() + cy) | 0xFF000000u;
                if (shown != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2): shown #%3, expected #%4")
                                         .arg(x).arg(y).arg(shown, 8, 16).arg(expected, 8, 16)));
                ++checked;
            }
        QVERIFY(checked > 0);
    }

private slots:
    void init()
    {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        frame_ = std::make_unique<Tfrm_main>(std::move(dialogs));
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }

    void cleanup() { frame_.reset(); }

    void pictureTakesPaletteColoursAndMaskAsAlpha()
    {
        TIconImage indexed;
        NewIconImage(indexed, 3, 1, -1, Depth4);
        indexed.Palette.palPalEntry[5] = {10, 20, 30, 0};
        // Index 5, then 21 which wraps to 5; the blue and green bytes carry no meaning.
        const std::uint8_t bytes[3][4] = {{1, 2, 5, 0}, {9, 9, 21, 255}, {0, 0, 5, 100}}; // B, G, index, mask
        for (int x = 0; x < 3; ++x) {
            std::copy_n(bytes[x], 3, indexed.Bitmap.pixel(x, 0));
            indexed.Mask.pixel(x, 0)[0] = bytes[x][3];
        }
        const QImage picture = IconImageToPicture(indexed);
        QCOMPARE(picture.format(), QImage::Format_ARGB32);
        QCOMPARE(picture.pixel(0, 0), qRgba(10, 20, 30, 255));
        QCOMPARE(picture.pixel(1, 0), qRgba(10, 20, 30, 0));
        QCOMPARE(picture.pixel(2, 0), qRgba(10, 20, 30, 155));

        TIconImage trueColour;
        NewIconImage(trueColour, 1, 1, -1, Depth32);
        const std::uint8_t bgr[3] = {30, 20, 10};
        std::copy_n(bgr, 3, trueColour.Bitmap.pixel(0, 0));
        trueColour.Mask.pixel(0, 0)[0] = 55;
        QCOMPARE(IconImageToPicture(trueColour).pixel(0, 0), qRgba(10, 20, 30, 200));

        trueColour.Mask.resize(2, 1);
        QVERIFY(IconImageToPicture(trueColour).isNull());
    }

    void openShowsEveryImageInTheStrip()
    {
        open({kRgbaIcon});
        QCOMPARE(dialogs_->messages, Messages());
        QCOMPARE(frame_->Documents().size(), 1);
        auto* document = frame_->findChild<Tfrm_childwin*>();
        QVERIFY(document && frame_->ActiveDocument() == document);
        QCOMPARE(activeCaption(), QStringLiteral("wine-shell32-rgba.ico"));
        auto* strip = document->findChild<ImageStrip*>(QStringLiteral("img_strip"));
        QCOMPARE(strip->cellCount(), 10);
        // The last image read is the current one, and its cell is scrolled into view.
        QCOMPARE(document->Document().CurrentIndex, 9);
        QVERIFY(strip->visibleRegion().boundingRect().contains(QRect(9 * 80 + 5, 7, 66, 66)));

        // Opening a file that is already open only brings its window forward.
        open({kRgbaIcon});
        QCOMPARE(frame_->Documents().size(), 1);
        QCOMPARE(dialogs_->messages, Messages());
    }

    void clickingACellShowsThatImage()
    {
        open({kRgbaIcon});
        auto* document = frame_->findChild<Tfrm_childwin*>();
        auto* strip = document->findChild<ImageStrip*>(QStringLiteral("img_strip"));
        auto* canvas = document->findChild<CanvasView*>(QStringLiteral("img_canvas"));
        QVERIFY(strip && canvas);
        const TIconImageArray& images = document->Document().Images;

        // Cell 2 holds the 48 x 48 8-bit image, drawn through its palette, with zoom 3 or more.
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(2 * 80 + 40, 40));
        QCOMPARE(document->Document().CurrentIndex, 2);
        QVERIFY(canvas->Zoom() >= 3);
        // The current cell is framed red, the others navy (the frame's pen is 3 pixels wide).
        const QImage cells = strip->grab().toImage();
        QCOMPARE(cells.pixel(2 * 80 + 5, 40) | 0xFF000000u, qRgb(255, 0, 0));
        QCOMPARE(cells.pixel(1 * 80 + 5, 40) | 0xFF000000u, qRgb(0, 0, 128));
        // The 256 x 256 image gets zoom 1 in a window of the default size.
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(0 * 80 + 10, 40));
        QCOMPARE(document->Document().CurrentIndex, 0);
        QCOMPARE(canvas->Zoom(), 1);

        // 8-bit, 32-bit (48 x 48), 4-bit (16 x 16) and 256 x 256 images.
        const std::pair<int, int> depths[] = {{2, Depth8}, {1, Depth32}, {9, Depth4}, {0, images[0].ColorDepth}};
        for (const auto& [index, depth] : depths) {
            document->SelectImage(index);
            QCOMPARE(images[std::size_t(index)].ColorDepth, depth);
            verifyCanvasShows(*canvas, images[std::size_t(index)]);
            if (QTest::currentTestFailed())
                return;
        }

        // A position past the last cell selects nothing.
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(10 * 80 + 10, 40));
        QCOMPARE(document->Document().CurrentIndex, 0);
    }

    void unreadableFilesAreReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<int>("cells"); // -1: no window opens

        const Messages notAvailable{{QStringLiteral("Open Icon"), QStringLiteral("The file format is not available.")}};
        QTest::newRow("cursor header") << "cursor.ico" << QByteArray("\0\0\2\0\1\0", 6) << notAvailable << -1;
        QTest::newRow("missing") << "missing.ico" << QByteArray() << Messages{{"Open Icon", "File not found."}} << -1;
        QTest::newRow("other extension") << "notes.txt" << ReadBytes(kRgbaIcon) << Messages() << -1;

        // The second directory entry points far beyond the end of the file.
        QByteArray partly = ReadBytes(kRgbaIcon);
        QCOMPARE(partly.size() > 38, true);
        partly.replace(6 + 16 + 12, 4, QByteArray("\xF0\xFF\xFF\x7F", 4));
        QTest::newRow("one entry unreadable") << "partly.ico" << partly
                                              << Messages{{"Open Icon", "10 documents, which opens up 9."}} << 9;
    }

    void unreadableFilesAreReported()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(Messages, messages);
        QFETCH(int, cells);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (QFile file(path); !bytes.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        open({path});
        QCOMPARE(dialogs_->messages, messages);
        QCOMPARE(frame_->Documents().size(), cells < 0 ? 0 : 1);
        if (cells >= 0)
            QCOMPARE(frame_->findChild<ImageStrip*>(QStringLiteral("img_strip"))->cellCount(), cells);
    }

    void saveAsWritesAFileThatReopens()
    {
        QTemporaryDir dir;
        open({kRgbaIcon});
        auto* document = frame_->ActiveDocument();
        document->SetModified(true);
        QCOMPARE(activeCaption(), QStringLiteral("wine-shell32-rgba.ico *"));

        // The dialog proposes the name without its extension; ".ico" is added to the answer.
        dialogs_->saveAnswer = dir.filePath(QStringLiteral("copy"));
        trigger("act_SaveAs");
        QCOMPARE(dialogs_->messages, Messages());
        QCOMPARE(dialogs_->proposedSaveName, QStringLiteral("wine-shell32-rgba"));
        const QString saved = dir.filePath(QStringLiteral("copy.ico"));
        QCOMPARE(document->FilePath(), saved);
        QCOMPARE(activeCaption(), QStringLiteral("copy.ico"));
        QVERIFY(!document->Document().Modified);

        TIconDocument reread;
        QCOMPARE(TIconFileAccess().OpenIconFile(saved.toStdString(), reread), 0);
        const TIconImageArray& images = document->Document().Images;
        QCOMPARE(reread.Images.size(), images.size());
        for (std::size_t i = 0; i < images.size(); ++i) {
            const TIconImage &a = reread.Images[i], &b = images[i];
            QVERIFY(a.Width == b.Width && a.Height == b.Height && a.ColorDepth == b.ColorDepth);
            QVERIFY(a.Bitmap == b.Bitmap && a.Mask == b.Mask);
        }

        // Save writes to the document's own file.
        QVERIFY(QFile::remove(saved));
        document->SetModified(true);
        trigger("act_Save");
        QVERIFY(QFile::exists(saved));
        QCOMPARE(activeCaption(), QStringLiteral("copy.ico"));

        // A file that cannot be written leaves the document as it was.
        document->SetModified(true);
        dialogs_->saveAnswer = dir.filePath(QStringLiteral("no-such-dir/other.ico"));
        trigger("act_SaveAs");
        QCOMPARE(dialogs_->messages, (Messages{{"Save File", "The file could not be written."}}));
        QCOMPARE(document->FilePath(), saved);
        QCOMPARE(activeCaption(), QStringLiteral("copy.ico *"));
    }

    void savingANeverSavedDocumentAsksForAPath()
    {
        QTemporaryDir dir;
        TIconDocument data;
        TIconImage image;
        NewIconImage(image, 16, 16, -1, Depth32);
        data.AddImage(image);
        data.FileName = "Icon1";
        Tfrm_childwin document(std::move(data), *dialogs_);

        dialogs_->saveAnswer.clear();
        QCOMPARE(document.SaveDocument(), -1);
        QCOMPARE(dialogs_->proposedSaveName, QStringLiteral("Icon1"));
        QVERIFY(document.FilePath().isEmpty());

        // A typed name with another extension keeps it and gains ".ico".
        dialogs_->saveAnswer = dir.filePath(QStringLiteral("drawing.bmp"));
        QCOMPARE(document.SaveDocument(), 0);
        QCOMPARE(document.FilePath(), dir.filePath(QStringLiteral("drawing.bmp.ico")));
        QCOMPARE(document.windowTitle(), QStringLiteral("drawing.bmp.ico"));
        QVERIFY(QFile::exists(document.FilePath()));
    }
};

QTEST_MAIN(FirstWindowTest)
#include "first_window_test.moc"

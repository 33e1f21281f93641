#include "dialogs/add_new_image_dialog.h"
#include "document/image_strip.h"
#include "dialogs/delete_image_dialog.h"
#include "dialogs/icon_property_dialog.h"
#include "raster/paint.h"
#include "frame_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

template <typename T>
T* child(QWidget& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    if (found == nullptr)
        qWarning("no control %s", qPrintable(name));
    return found;
}

// Radio buttons and check boxes react only on their indicator and text, not the whole width
// the layout gives them.
void clickIndicator(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

QString checkedName(QDialog& dialog, const QStringList& names)
{
    for (const QString& name : names)
        if (child<QRadioButton>(dialog, name)->isChecked())
            return name;
    return QString();
}

const QStringList kSizeRadios = {"rdb_16x16", "rdb_24x24", "rdb_32x32", "rdb_48x48", "rdb_256x256", "rdb_Custom"};
const QStringList kColourRadios = {"rdb_32bits", "rdb_24bits", "rdb_8bits", "rdb_4bits", "rdb_1bit"};

} // namespace

class FormatDialogsTest : public QObject {
    Q_OBJECT

    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<EditorServices> services_;

private slots:
    void init() { services_ = MakeServices(dialogs_); }
    void cleanup() { services_.reset(); }

    // Each run sets controls and presses a button; the next run must show what the last
    // accepted one chose, whatever a cancelled run changed.
    void addDialogRemembersTheLastChoice()
    {
        struct Run {
            QString size;     // radio to click, or empty
            int customWidth;  // typed into the fields when not 0
            int customHeight;
            QString colour;
            bool ok;
            QString shownSize; // what the next run shows
            QString shownColour;
            int width, height, depth; // the record taken after OK; its palette is the core's
        };
        const Run runs[] = {
            {"rdb_32x32", 0, 0, "rdb_8bits", true, "rdb_32x32", "rdb_8bits", 32, 32, Depth8},
            {"", 0, 0, "rdb_24bits", true, "rdb_32x32", "rdb_24bits", 32, 32, Depth24},
            {"rdb_256x256", 0, 0, "rdb_1bit", false, "rdb_32x32", "rdb_24bits", 0, 0, 0},
            {"", 60, 20, "rdb_4bits", true, "rdb_Custom", "rdb_4bits", 60, 20, Depth4},
        };
        Tfrm_add_new_image dialog(*services_);
        TIconImageArray images{SolidImage(16, 16, Depth32, MakeColor(1, 2, 3))};
        for (const Run& run : runs) {
            dialog.Prepare(&images, 0);
            dialogs_->dialogHandlers.append([&](QDialog& d) {
                d.show();
                if (!run.size.isEmpty())
                    clickIndicator(child<QRadioButton>(d, run.size));
                if (run.customWidth != 0) {
                    child<QSpinBox>(d, "spn_CustomWidth")->setValue(run.customWidth);
                    child<QSpinBox>(d, "spn_CustomHeight")->setValue(run.customHeight);
                }
                clickIndicator(child<QRadioButton>(d, run.colour));
                if (!run.ok) {
                    PressButton(d, "btn_Cancel");
                    return d.result();
                }
                PressButton(d, "btn_OK");
                return d.result();
            });
            QCOMPARE(dialogs_->runDialog(dialog), run.ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
            if (run.ok) {
                const TIconImage record = dialog.TakeNewImage();
                QCOMPARE(record.Width, run.width);
                QCOMPARE(record.Height, run.height);
                QCOMPARE(record.ColorDepth, run.depth);
            }
            dialog.Prepare(&images, 0);
            QCOMPARE(checkedName(dialog, kSizeRadios), run.shownSize);
            QCOMPARE(checkedName(dialog, kColourRadios), run.shownColour);
        }
        QCOMPARE(child<QSpinBox>(dialog, "spn_CustomWidth")->value(), 60);
        QCOMPARE(child<QSpinBox>(dialog, "spn_CustomHeight")->value(), 20);
    }

    // The strip holds every image, however many: the 60th is shown, picked and derived from.
    void addDialogDerivesFromTheSixtiethImage()
    {
        TIconImageArray images(59, SolidImage(16, 16, Depth32, MakeColor(0, 0, 255)));
        images.push_back(SolidImage(48, 48, Depth32, MakeColor(200, 30, 40)));
        Tfrm_add_new_image dialog(*services_);
        dialog.Prepare(&images, 0);
        auto* strip = child<ImageStrip>(dialog, "img_BaseImages");
        QCOMPARE(strip->width(), 60 * 80);

        int afterScrollButton = -1;
        int afterPick = -1;
        int scrollEnd = -1;
        dialogs_->dialogHandlers.append([&](QDialog& d) {
            d.show();
            QScrollBar* scroll = child<QScrollArea>(d, "pan_BaseImages")->horizontalScrollBar();
            QTest::mouseClick(child<QToolButton>(d, "btn_ScrollRight"), Qt::LeftButton);
            afterScrollButton = scroll->value();
            clickIndicator(child<QCheckBox>(d, "chk_BaseImage"));
            QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(59 * 80 + 40, 40));
            afterPick = scroll->value();
            scrollEnd = scroll->maximum();
            clickIndicator(child<QRadioButton>(d, "rdb_24x24"));
            clickIndicator(child<QRadioButton>(d, "rdb_32bits"));
            PressButton(d, "btn_OK");
            return d.result();
        });
        QCOMPARE(dialogs_->runDialog(dialog), int(QDialog::Accepted));
        QCOMPARE(afterScrollButton, 5);
        QCOMPARE(afterPick, scrollEnd);

        const TIconImage record = dialog.TakeNewImage();
        QCOMPARE(record.Bitmap.width(), 24);
        QCOMPARE(PackPixel(record.Bitmap.pixel(11, 13)), MakeColor(200, 30, 40));
        QCOMPARE(int(record.Mask.pixel(23, 23)[0]), 0);
        // The document's images are let go when the dialog closes.
        QCOMPARE(strip->cellCount(), 0);
    }

    void deleteDialogShowsTheImage()
    {
        struct Case {
            int width, height, depth;
            QString label;
            QPoint inside, outside; // picture pixels: the image's colour, white
        };
        const Case cases[] = {
            {16, 16, Depth8, "16 x 16 : 8 ", {16, 31}, {15, 15}},
            {32, 20, Depth1, "32 x 20 : 1 ", {8, 14}, {8, 13}},
            {256, 256, Depth24, "256 x 256 : 24", {0, 47}, {-1, -1}},
            {64, 16, Depth32, "64 x 16 : 32", {47, 0}, {-1, -1}},
        };
        Tfrm_DeleIconImage dialog;
        for (const Case& c : cases) {
            TIconImage image = SolidImage(c.width, c.height, c.depth, MakeColor(0, 0, 0));
            dialog.Prepare(image);
            QCOMPARE(child<QLabel>(dialog, "lab_Format")->text(), c.label);
            const QImage picture = child<QLabel>(dialog, "img_IconImage")->pixmap().toImage();
            QCOMPARE(picture.size(), QSize(48, 48));
            QCOMPARE(picture.pixelColor(c.inside), QColor(Qt::black));
            if (c.outside.x() >= 0)
                QCOMPARE(picture.pixelColor(c.outside), QColor(Qt::white));
        }
    }

    void propertiesListFileFactsAndFormats()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("saved.ico"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1234, 'x'));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir("folder.ico"));
        const std::string directory = dir.path().toStdString() + "/";

        struct Case {
            std::string fileDir, fileName;
            QString size;
        };
        const Case cases[] = {
            {"", "Icon1", "Unknown"},
            {directory, "saved.ico", "1234 bytes"},
            {directory, "gone.ico", "Unknown"},
            {directory, "folder.ico", "Unknown"},
        };
        TIconDocument document;
        document.AddImage(SolidImage(16, 16, Depth8, 0));
        document.AddImage(SolidImage(32, 32, Depth32, 0));
        for (const Case& c : cases) {
            document.FileDir = c.fileDir;
            document.FileName = c.fileName;
            Tfrm_IconProperty dialog(document);
            QCOMPARE(child<QLabel>(dialog, "lab_FileName")->text(), QString::fromStdString(c.fileName));
            QCOMPARE(child<QLabel>(dialog, "lab_Location")->text(), QString::fromStdString(c.fileDir));
            QCOMPARE(child<QLabel>(dialog, "lab_FileSize")->text(), c.size);
            QCOMPARE(child<QPlainTextEdit>(dialog, "mem_Formats")->toPlainText(),
                     QStringLiteral("1. 16 x 16 256 Colors (8 bits)\n2. 32 x 32 True Color + Alpha (32 bits)"));
        }
    }
};

ORMEL_UI_TEST_MAIN(FormatDialogsTest)
#include "format_dialogs_test.moc"

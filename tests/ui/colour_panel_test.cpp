#include "colour/color_panel.h"
#include "colour/colour_views.h"
#include "document/document_window.h"
#include "history/history_window.h"
#include "main/floating_windows.h"
#include "main/main_window.h"
#include "raster/colour_space.h"
#include "ui_test_support.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>

#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

QPoint HandleCentre(QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

} // namespace

class ColourPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Tfrm_main> frame_;
    Tfrm_color_panel* panel_ = nullptr;

    template <typename T>
    T* child(const char* name) const
    {
        T* found = panel_->findChild<T*>(QLatin1String(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }
    int spin(const char* name) const { return child<QSpinBox>(name)->value(); }
    Rgb rgb() const { return {spin("spn_R"), spin("spn_G"), spin("spn_B")}; }
    Rgb hsv() const { return {spin("spn_H"), spin("spn_S"), spin("spn_V")}; }
    QLineEdit* htmlCode() const { return child<QLineEdit>("edt_htmlCode"); }
    void clickCell(const char* grid, int index)
    {
        auto* cells = child<ColourCellGrid>(grid);
        QTest::mouseClick(cells, Qt::LeftButton, {}, cells->cellCentre(index));
    }
    void typeCode(const QString& keys)
    {
        // The code field keeps what is typed while it has the keyboard focus.
        QApplication::setActiveWindow(panel_);
        htmlCode()->setFocus();
        QVERIFY(htmlCode()->hasFocus());
        htmlCode()->selectAll();
        QTest::keyClick(htmlCode(), Qt::Key_Backspace);
        QTest::keyClicks(htmlCode(), keys);
    }
    Tfrm_childwin* openImage(int depth, TColor colour = 0)
    {
        TIconDocument document;
        document.AddImage(SolidImage(16, 16, depth, colour));
        document.FileName = "Icon1";
        return frame_->AddDocumentWindow(std::move(document));
    }

private slots:
    void init()
    {
        frame_ = std::make_unique<Tfrm_main>(std::make_unique<FakeDialogs>());
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        panel_ = &frame_->Floating().ColourPanel();
        QCOMPARE(frame_->Services().colourSource(), static_cast<ColourSource*>(panel_));
    }
    void cleanup()
    {
        for (Tfrm_childwin* document : frame_->Documents())
            document->SetModified(false);
        frame_.reset();
    }

    // Typed codes, letters turned to upper case and anything else refused; H, S, V follow.
    void htmlCodeSetsTheColourAndRefusesNonHexadecimalKeys()
    {
        QSignalSpy changes(&frame_->Services(), &EditorServices::coloursChanged);
        typeCode(QStringLiteral("ff8000"));
        QCOMPARE(htmlCode()->text(), QStringLiteral("FF8000"));
        QCOMPARE(rgb(), (Rgb{255, 128, 0}));
        QCOMPARE(hsv(), (Rgb{30, 255, 255}));
        QCOMPARE(panel_->CurrentColor(), MakeColor(255, 128, 0));

        typeCode(QStringLiteral("0a"));
        QCOMPARE(rgb(), (Rgb{0, 0, 10}));
        changes.clear();
        for (const char* refused : {"g", "#", " ", "z"}) {
            QTest::keyClicks(htmlCode(), QLatin1String(refused));
            QCOMPARE(htmlCode()->text(), QStringLiteral("0A"));
        }
        QCOMPARE(changes.count(), 0);
        QCOMPARE(rgb(), (Rgb{0, 0, 10}));
        // A pasted text is held to the same rule.
        htmlCode()->selectAll();
        htmlCode()->insert(QStringLiteral("12xy"));
        QCOMPARE(htmlCode()->text(), QStringLiteral("0A"));
    }

    // Each edit of one model sets the other once, and announces one change.
    void rgbAndHsvFollowEachOtherOneChangePerEdit()
    {
        QSignalSpy changes(&frame_->Services(), &EditorServices::coloursChanged);
        QTest::keyClick(child<QSlider>("trc_R"), Qt::Key_End);
        QCOMPARE(rgb(), (Rgb{255, 0, 0}));
        QCOMPARE(hsv(), (Rgb{0, 255, 255}));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(htmlCode()->text(), QStringLiteral("FF0000"));

        child<QSpinBox>("spn_H")->setFocus();
        child<QSpinBox>("spn_H")->selectAll();
        QTest::keyClicks(child<QSpinBox>("spn_H"), QStringLiteral("200"));
        QTest::keyClick(child<QSpinBox>("spn_H"), Qt::Key_Return);
        std::uint8_t r = 0, g = 0, b = 0;
        HSVToRGB(200, 255, 255, r, g, b);
        QCOMPARE(rgb(), (Rgb{r, g, b}));
        QCOMPARE(changes.count(), 2);
    }

    // Dragging the R track bar edits the selected entry of the image's palette: one step.
    void paletteEditIsOneUndoStepAndMarksTheDocument()
    {
        Tfrm_childwin* document = openImage(Depth8);
        QCOMPARE(panel_->ColorMode(), int(Depth8));
        const TLogPalette before = document->CurrentImage()->Palette;
        clickCell("img_Palette", 40);
        QCOMPARE(panel_->SelectedIndex(), 40);
        const int red = before.palPalEntry[40].peRed;
        QCOMPARE(spin("spn_R"), red);
        QVERIFY(!document->Document().Modified);

        auto* track = child<QSlider>("trc_R");
        const QPoint handle = HandleCentre(track);
        QTest::mousePress(track, Qt::LeftButton, {}, handle);
        for (int dx : {10, 20, 30, 40})
            QTest::mouseMove(track, handle + QPoint(red > 128 ? -dx : dx, 0));
        QTest::mouseRelease(track, Qt::LeftButton, {}, handle + QPoint(red > 128 ? -40 : 40, 0));
        const int edited = spin("spn_R");
        QVERIFY(edited != red);
        QCOMPARE(int(document->CurrentImage()->Palette.palPalEntry[40].peRed), edited);
        QCOMPARE(int(panel_->CurrentPalette()->palPalEntry[40].peRed), edited);
        QVERIFY(document->Document().Modified);
        const auto captions = [this] {
            QStringList list;
            for (const THistoryRow& row : frame_->Services().history().Rows())
                list.append(QString::fromStdString(row.Caption));
            return list;
        };
        QCOMPARE(captions(), QStringList({"New", "Palette"}));

        // A key on the spin box is one more step; the entries elsewhere are untouched.
        QTest::keyClick(child<QSpinBox>("spn_G"), Qt::Key_Down);
        QCOMPARE(captions(), QStringList({"New", "Palette", "Palette"}));
        for (int i : {0, 39, 41, 255})
            QCOMPARE(document->CurrentImage()->Palette.palPalEntry[i], before.palPalEntry[i]);

        // A typed code is one step when it is complete, though the entry follows every digit.
        typeCode(QStringLiteral("1020"));
        QCOMPARE(int(document->CurrentImage()->Palette.palPalEntry[40].peBlue), 0x20);
        QCOMPARE(captions(), QStringList({"New", "Palette", "Palette"}));
        QTest::keyClicks(htmlCode(), QStringLiteral("30"));
        QTest::keyClick(htmlCode(), Qt::Key_Return);
        const TPaletteEntry typed = document->CurrentImage()->Palette.palPalEntry[40];
        QCOMPARE((Rgb{typed.peRed, typed.peGreen, typed.peBlue}), (Rgb{0x10, 0x20, 0x30}));
        QCOMPARE(captions(), QStringList({"New", "Palette", "Palette", "Palette"}));

        // Undo gives the image and the panel the palette back.
        for (int i = 0; i < 3; ++i)
            frame_->Floating().History().Undo();
        QCOMPARE(document->CurrentImage()->Palette, before);
        QCOMPARE(int(panel_->CurrentPalette()->palPalEntry[40].peRed), red);
        QCOMPARE(captions(), QStringList({"New", "Palette", "Palette", "Palette"}));
        // Choosing entries is no edit.
        clickCell("img_Palette", 41);
        clickCell("img_Palette", 40);
        QCOMPARE(frame_->Services().history().SelectedRow(), 0);
    }
};

ORMEL_UI_TEST_MAIN(ColourPanelTest)
#include "colour_panel_test.moc"

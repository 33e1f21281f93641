#include "document/canvas_view.h"
#include "document/document_window.h"
#include "tool_test_support.h"
#include "main/main_window.h"
#include "text/qt_text_rasterizer.h"
#include "tools/text_page.h"
#include "tools/text_placement.h"
#include "tools/tool_palette.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QSpinBox>

#include <memory>

using namespace ormel;
using namespace ormel::test;

namespace {

TIconImage White(int size, int depth)
{
    TIconImage image;
    NewIconImage(image, size, size, -1, depth);
    image.Bitmap.fill(255, 255, 255);
    image.Mask.fill(0, 0, 0);
    return image;
}

bool Same(const TIconImage& a, const TIconImage& b) { return a.Bitmap == b.Bitmap && a.Mask == b.Mask; }

} // namespace

class TextToolTest : public QObject {
    Q_OBJECT

    FakeDialogs* dialogs_ = nullptr;
    FakeColours colours_;
    std::unique_ptr<Tfrm_main> frame_;

    template <typename T> T* control(const char* name) { return frame_->findChild<T*>(QLatin1String(name)); }
    TextPage& page() { return *frame_->findChild<TextPage*>(); }
    void click(const char* button) { QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton); }
    void trigger(const char* action) { control<QAction>(action)->trigger(); }
    int spin(const char* name) { return control<QSpinBox>(name)->value(); }
    Tfrm_childwin* open(int images = 1)
    {
        TIconDocument document;
        for (int i = 0; i < images; ++i)
            document.AddImage(White(32, Depth32));
        document.CurrentIndex = 0;
        Tfrm_childwin* window = frame_->AddDocumentWindow(std::move(document));
        QCoreApplication::processEvents();
        return window;
    }
    const std::vector<THistoryStepItem>& steps() { return frame_->Services().history().CurrentItem()->Steps; }
    QString lastStep() { return QString::fromStdString(steps().back().Caption); }

    // The white image with the page's text rendered by the core at the geometry.
    TIconImage expected(const TTextGeometry& geometry)
    {
        const TTextLook look = page().Look(colours_.colour, colours_.alpha);
        TIconImage image = White(32, Depth32);
        QtTextRasterizer rasterizer;
        TTextPlacement placement;
        placement.Start(image, look, rasterizer);
        placement.SetGeometry(geometry);
        placement.Render(image, look, rasterizer);
        return image;
    }
    TTextGeometry shown()
    {
        return TTextGeometry{spin("spn_TextX"), spin("spn_TextY"), spin("spn_TextW"), spin("spn_TextH"),
                             spin("spn_TextAngle")};
    }

private slots:
    void init() { frame_ = MakeToolFrame(dialogs_, colours_); }
    void cleanup() { CloseToolFrame(frame_); }

    void placesHelloCentredAndCommitsOneTextStepOnAnotherTool()
    {
        Tfrm_childwin* document = open();
        const std::size_t before = steps().size();
        click("btn_Text");
        QCOMPARE(control<QLineEdit>("edt_TextText")->text(), QStringLiteral("Hello"));
        QCOMPARE(spin("spn_TextX"), 16);
        QCOMPARE(spin("spn_TextY"), 16);
        QCOMPARE(spin("spn_TextAngle"), 0);
        QVERIFY(Same(*document->CurrentImage(), expected(shown())));
        QVERIFY(!Same(*document->CurrentImage(), White(32, Depth32)));
        QVERIFY(document->Canvas().frame().has_value());
        QCOMPARE(steps().size(), before);

        const TIconImage text = *document->CurrentImage();
        click("btn_pencil");
        QCOMPARE(steps().size(), before + 1);
        QCOMPARE(lastStep(), QStringLiteral("Text"));
        QVERIFY(!document->Canvas().frame().has_value());
        trigger("act_Undo");
        QVERIFY(Same(*document->CurrentImage(), White(32, Depth32)));

        // Undo with a text placed commits it first and takes the whole text away.
        trigger("act_Redo");
        click("btn_Text");
        trigger("act_Undo");
        QCOMPARE(steps().size(), before + 2);
        QVERIFY(Same(*document->CurrentImage(), text));
        QVERIFY(!document->Canvas().frame().has_value());
    }

    void commandsCommitTheTextAsItsOwnStepFirst()
    {
        Tfrm_childwin* document = open(2);
        click("btn_Text");
        const TIconImage text = *document->CurrentImage();
        trigger("act_InvertColor");
        QCOMPARE(QString::fromStdString(steps()[steps().size() - 2].Caption), QStringLiteral("Text"));
        QCOMPARE(lastStep(), QStringLiteral("Invert Color"));
        trigger("act_Undo");
        QVERIFY(Same(*document->CurrentImage(), text));

        // Another image of the document: a new text starts there, the first image keeps its own.
        document->SelectImage(1);
        QVERIFY(Same(document->Document().Images[0], text));
        QVERIFY(Same(document->Document().Images[1], expected(shown())));
        click("btn_pencil");
        QCOMPARE(lastStep(), QStringLiteral("Text"));
    }
};

QTEST_MAIN(TextToolTest)
#include "text_tool_test.moc"

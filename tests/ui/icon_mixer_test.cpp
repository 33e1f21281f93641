#include "creators/icon_mixer.h"
#include "frame_fixture.h"
#include "widgets/angle_control.h"

#include <QLabel>
#include <QListWidget>

using namespace ormel;
using namespace ormel::test;

namespace {

TIconDocument Icon(const char* name, TIconImageArray images)
{
    TIconDocument document;
    document.Images = std::move(images);
    document.CurrentIndex = 0;
    document.FileName = name;
    return document;
}

// What the user does in the dialog: select a list row, click a button `count` times, click the
// opacity bar or the angle dial at (x, y).
struct Step {
    enum Kind { Select, Click, Bar, Dial } kind;
    const char* button = nullptr;
    int count = 1;
    int x = 0, y = 0;
};
Step Row(int row) { return {Step::Select, nullptr, 1, row}; }
Step Press(const char* button, int count = 1) { return {Step::Click, button, count}; }
Step BarAt(int x) { return {Step::Bar, nullptr, 1, x, 10}; }
Step DialAt(int x, int y) { return {Step::Dial, nullptr, 1, x, y}; }

// How one item ends up: which document it is, and its settings.
struct Expected {
    int document;
    int offsetX = 0, offsetY = 0;
    bool flipVertical = false, flipHorizontal = false;
    int angle = 0, zoom = 0, opacity = 255;
};

void Perform(QDialog& dialog, const Step& step)
{
    switch (step.kind) {
    case Step::Select: {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lsv_Icon"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(step.x)).center());
        break;
    }
    case Step::Click:
        for (int i = 0; i < step.count; ++i)
            PressButton(dialog, step.button);
        break;
    case Step::Bar:
        QTest::mouseClick(dialog.findChild<QLabel*>(QStringLiteral("img_transparent")), Qt::LeftButton, {},
                          QPoint(step.x, step.y));
        break;
    case Step::Dial:
        QTest::mouseClick(dialog.findChild<TOrm_Angle*>(QStringLiteral("ang_angle")), Qt::LeftButton, {},
                          QPoint(step.x, step.y));
        break;
    }
}

// The preview once the pending redraw has run.
QImage Preview(QDialog& dialog)
{
    QCoreApplication::processEvents();
    return dialog.findChild<QLabel*>(QStringLiteral("img_view"))->pixmap().toImage();
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Step>)
Q_DECLARE_METATYPE(std::vector<Expected>)

class IconMixerTest : public QObject, FrameFixture {
    Q_OBJECT

    // A frame with the icons open, in this order.
    void Open(std::vector<TIconDocument> icons)
    {
        startFrame();
        for (TIconDocument& icon : icons)
            frame_->AddDocumentWindow(std::move(icon));
    }

private slots:
    void cleanup()
    {
        VERIFY_NO_PROBLEMS();
        for (Tfrm_childwin* document : frame_->Documents())
            document->SetModified(false);
        frame_.reset();
    }

    // Icon a (16, 32, 48) over b (32 twice, 48): the mix has the sizes 32 and 48, and each
    // image is what the mixing engine makes of the same settings.
    void mixesAsTheEngineDoes_data()
    {
        QTest::addColumn<std::vector<Step>>("steps");
        QTest::addColumn<std::vector<Expected>>("expected");
        QTest::addColumn<bool>("previewChanges");
        QTest::newRow("moves and flips") << std::vector<Step>{Row(0), Press("btn_right", 3), Press("btn_down", 2),
                                                               Press("btn_flipH"), Row(1), Press("btn_left"),
                                                               Press("btn_up", 4), Press("btn_flipV")}
                                          << std::vector<Expected>{{0, 3, 2, false, true}, {1, -1, -4, true, false}}
                                          << true;
        // Straight above the dial's centre is 90 degrees; 60 pixels into the 135-pixel bar is
        // the whole part of 256 / 135 x 60.
        QTest::newRow("turns and fades")
            << std::vector<Step>{Row(0), DialAt(33, 4), Press("btn_rotateLeft"), Row(1), Press("btn_rotateRight"),
                                 BarAt(60)}
            << std::vector<Expected>{{0, 0, 0, false, false, 180}, {1, 0, 0, false, false, 270, 0, 113}} << true;
        QTest::newRow("offsets stop at 256") << std::vector<Step>{Row(1), Press("btn_right", 260), Press("btn_left", 250),
                                                                  Press("btn_up", 258), Press("btn_down", 250)}
                                             << std::vector<Expected>{{0}, {1, 6, -6}} << true;
        QTest::newRow("nothing selected")
            << std::vector<Step>{Press("btn_up"), Press("btn_down", 2), Press("btn_left"), Press("btn_right", 2),
                                 Press("btn_flipH"), Press("btn_flipV"), Press("btn_rotateLeft"),
                                 Press("btn_rotateRight"),
                                 Press("btn_zoomIn", 300), Press("btn_zoomOut"), Press("btn_orderUp"),
                                 Press("btn_orverDown"), BarAt(30), DialAt(4, 33)}
            << std::vector<Expected>{{0}, {1}} << false;
    }

    void mixesAsTheEngineDoes()
    {
        QFETCH(std::vector<Step>, steps);
        QFETCH(std::vector<Expected>, expected);
        QFETCH(bool, previewChanges);
        std::vector<TIconDocument> icons{
            Icon("a.ico", {PatternedImage(16, 16, Depth32, 1), PatternedImage(32, 32, Depth32, 2), PatternedImage(48, 48, Depth32, 3)}),
            Icon("b.ico", {PatternedImage(32, 32, Depth24, 4), PatternedImage(32, 32, Depth32, 5), PatternedImage(48, 48, Depth24, 6)})};
        const std::vector<TIconDocument> sources = icons;
        Open(std::move(icons));
        dialogs_->dialogHandlers.append([&](QDialog& dialog) {
            dialog.show();
            const QImage before = Preview(dialog);
            for (const Step& step : steps)
                Perform(dialog, step);
            const QImage after = Preview(dialog);
            check((before != after) == previewChanges, "preview redrawn after a change only");
            PressButton(dialog, "btn_OK");
            return dialog.result();
        });
        trigger("act_IconsMixer");
        QCOMPARE(dialogs_->dialogsRun, QStringList{QStringLiteral("frm_icon_mixer")});
        QVERIFY(dialogs_->messages.isEmpty());

        const QList<Tfrm_childwin*> documents = frame_->Documents();
        QCOMPARE(documents.size(), 3);
        Tfrm_childwin* mix = frame_->ActiveDocument();
        QCOMPARE(mix, documents.last());
        QVERIFY(mix->Document().Modified);
        QString caption = QStringLiteral("Mixer Icon(");
        std::vector<TMixerItem> items;
        for (const Expected& e : expected) {
            const TIconDocument& source = sources[std::size_t(e.document)];
            caption += QString::fromStdString(source.FileName) + QLatin1Char(' ');
            items.push_back(TMixerItem{source.FileName, &source.Images, {}, {}, e.offsetX, e.offsetY, e.flipVertical,
                                       e.flipHorizontal, e.angle, e.zoom, e.opacity});
        }
        QCOMPARE(mix->windowTitle(), caption + QStringLiteral(") *"));
        const std::vector<TMixerSize> sizes = FindCommonSizes(items);
        QVERIFY(sizes == (std::vector<TMixerSize>{{32, 32}, {48, 48}}));
        QCOMPARE(mix->Document().Images.size(), sizes.size());
        for (int k = 0; k < int(sizes.size()); ++k) {
            TIconImage engine;
            MixCommonSize(items, k, sizes[std::size_t(k)], engine);
            const TIconImage& made = mix->Document().Images[std::size_t(k)];
            QCOMPARE(made.ColorDepth, int(Depth32));
            QVERIFY2(made.Bitmap == engine.Bitmap && made.Mask == engine.Mask, qPrintable(QString::number(k)));
        }
        // The sources are only read.
        for (int i = 0; i < 2; ++i)
            for (std::size_t j = 0; j < sources[std::size_t(i)].Images.size(); ++j) {
                const TIconImage& image = documents[i]->Document().Images[j];
                QVERIFY(image.Bitmap == sources[std::size_t(i)].Images[j].Bitmap);
                QVERIFY(image.Mask == sources[std::size_t(i)].Images[j].Mask);
            }
    }

    // Cancel, fewer than two icons and icons without a common size make nothing.
    void refusalsCreateNothing_data()
    {
        QTest::addColumn<int>("icons");
        QTest::addColumn<bool>("commonSize");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("dialogsRun");
        QTest::newRow("cancel") << 2 << true << QString() << 1;
        QTest::newRow("one icon") << 1 << true << QStringLiteral("At least two icons opening.") << 0;
        QTest::newRow("no common size") << 3 << false << QStringLiteral("No same size in icons, can not be mixed!")
                                        << 1;
    }

    void refusalsCreateNothing()
    {
        QFETCH(int, icons);
        QFETCH(bool, commonSize);
        QFETCH(QString, message);
        QFETCH(int, dialogsRun);
        std::vector<TIconDocument> documents;
        for (int i = 0; i < icons; ++i)
            documents.push_back(Icon("x.ico", {PatternedImage(commonSize || i == 0 ? 32 : 16, commonSize || i == 0 ? 32 : 16, Depth32, i)}));
        const std::vector<TIconDocument> sources = documents;
        Open(std::move(documents));
        // Cancel after changing things; OK where there is nothing to mix.
        dialogs_->dialogHandlers.append([this, commonSize](QDialog& dialog) {
            dialog.show();
            for (const Step& step : {Row(0), Press("btn_right", 5), Press("btn_flipH"), BarAt(40)})
                Perform(dialog, step);
            const char* button = commonSize ? "btn_Cancel" : "btn_OK";
            PressButton(dialog, button);
            check(Preview(dialog).isNull() != commonSize, "preview empty only without a common size");
            return dialog.result();
        });
        trigger("act_IconsMixer");
        QCOMPARE(dialogs_->dialogsRun.size(), dialogsRun);
        const Messages expected = message.isEmpty() ? Messages{} : Messages{{QStringLiteral("Icons Mixer"), message}};
        QCOMPARE(dialogs_->messages, expected);
        const QList<Tfrm_childwin*> open = frame_->Documents();
        QCOMPARE(open.size(), icons);
        for (int i = 0; i < icons; ++i) {
            QVERIFY(!open[i]->Document().Modified);
            QVERIFY(open[i]->Document().Images.front().Bitmap == sources[std::size_t(i)].Images.front().Bitmap);
        }
    }
};

ORMEL_UI_TEST_MAIN(IconMixerTest)
#include "icon_mixer_test.moc"

// The "Photo to Icon" command and dialog driven through the frame: pictures of every readable
// kind, the placement, OK and Cancel.
#include "../core/pictures/picture_samples.h"
#include "creators/photo_to_icon_dialog.h"
#include "document/document_window.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>

#include <fstream>

using namespace ormel;
using namespace ormel::test;

namespace {

constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kWhite = MakeColor(255, 255, 255);

// Faults seen inside a dialog handler, where Qt Test's macros cannot end the test.
QStringList problems;
void Check(bool ok, const QString& what)
{
    if (!ok)
        problems.append(what);
}

TColor ColourAt(const TIconImage& image, int x, int y)
{
    const std::uint8_t* p = image.Bitmap.pixel(x, y);
    return MakeColor(p[2], p[1], p[0]);
}

// A 24-bit BMP of one colour, or with `border` pixels of red coverage round it and fully
// transparent (blue 255) corners of that size when border is positive.
Bytes Bmp24(int width, int height, TColor colour, int border = 0)
{
    BmpParts parts;
    parts.width = width;
    parts.height = height;
    const int stride = (width * 3 + 3) & ~3;
    parts.data.assign(std::size_t(stride * height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = parts.data.data() + y * stride + 3 * x;
            const bool nearX = x < border || x >= width - border;
            const bool nearY = y < border || y >= height - border;
            const TColor c = border == 0 ? colour : nearX && nearY ? MakeColor(0, 0, 255) : nearX || nearY ? kRed : 0;
            p[0] = std::uint8_t(c >> 16), p[1] = std::uint8_t(c >> 8), p[2] = std::uint8_t(c);
        }
    return MakeBmp(parts);
}

void Save(const QString& path, const Bytes& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                              std::streamsize(bytes.size()));
}

template <class T> T* Child(QWidget& parent, const char* name) { return parent.findChild<T*>(QLatin1String(name)); }

void Click(QWidget& dialog, const char* name) { QTest::mouseClick(Child<QAbstractButton>(dialog, name), Qt::LeftButton); }

} // namespace

class PhotoToIconTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<Tfrm_main> frame_;

    QString file(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // Runs the command on `path`; `inside` acts on the shown dialog, then OK or Cancel is pressed.
    void run(const QString& path, bool ok, const std::function<void(Tfrm_PhotoToIcon&)>& inside = {})
    {
        problems.clear();
        dialogs_->openAnswer = QStringList{path};
        dialogs_->dialogHandlers.append([ok, inside](QDialog& dialog) {
            dialog.show();
            if (inside)
                inside(static_cast<Tfrm_PhotoToIcon&>(dialog));
            Click(dialog, ok ? "btn_OK" : "btn_Cancel");
            return dialog.result();
        });
        frame_->findChild<QAction*>(QStringLiteral("act_PhotoToIcon"))->trigger();
    }

private slots:
    void initTestCase()
    {
        const QString home = QString::fromLocal8Bit(qgetenv("ORMEL_HOME"));
        QFile::copy(QStringLiteral(ORMEL_DATA_DIR "/cartoon3.set"), home + QStringLiteral("/cartoon3.set"));
        QDir(home).mkpath(QStringLiteral("frames"));
        Save(home + QStringLiteral("/frames/Edge.BMP"), Bmp24(16, 16, 0, 4));
        Save(file("red.bmp"), Bmp24(640, 480, kRed));
    }
    void init() { frame_ = MakeFrame(dialogs_); }
    void cleanup() { frame_.reset(); }

    // Fit Width letter-boxes the 640 x 480 picture: white above and below, all opaque. Cancel
    // opens nothing; OK opens "Icon" + (windows with the new one + 1) holding the formats.
    void fitWidthLetterboxesAndOkOpensTheIcon()
    {
        run(file("red.bmp"), false);
        QVERIFY(frame_->Documents().isEmpty());
        QCOMPARE(dialogs_->dialogsRun, QStringList{QStringLiteral("frm_PhotoToIcon")});

        run(file("red.bmp"), true, [](Tfrm_PhotoToIcon& dialog) {
            Click(dialog, "btn_FitWidth");
            Check(dialog.Formats().size() == 4, "four formats");
            for (const TIconImage& image : dialog.Formats()) {
                const int side = image.Width;
                const int top = 32 * side / 256;
                const int bottom = 224 * side / 256;
                const QString at = QString::number(side);
                for (int x : {0, side / 2, side - 1}) {
                    Check(ColourAt(image, x, top - 1) == kWhite && ColourAt(image, x, bottom) == kWhite, "white bands " + at);
                    Check(ColourAt(image, x, top) == kRed && ColourAt(image, x, bottom - 1) == kRed, "picture rows " + at);
                }
                for (int y = 0; y < side; ++y)
                    Check(image.Mask.pixel(side / 2, y)[0] == 0, "opaque " + at);
            }
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
        const QList<Tfrm_childwin*> documents = frame_->Documents();
        QCOMPARE(documents.size(), 1);
        QCOMPARE(QString::fromStdString(documents.front()->Document().FileName), QStringLiteral("Icon2"));
        QList<int> sides;
        for (const TIconImage& image : documents.front()->Document().Images)
            sides.append(image.Width * 100 + DepthToBits(image.ColorDepth));
        QCOMPARE(sides, (QList<int>{2432, 3232, 4832, 25632}));
    }

    // Every kind of picture the readers take gives the formats; an unreadable file is refused.
    void picturesOfEveryKind()
    {
        Save(file("turned.jpg"), WithExifOrientation(MakeBlockJpeg(4, 2, std::vector<std::array<std::uint8_t, 3>>(8, {0, 0, 255})), 6, false));
        BmpParts mono;
        mono.width = 16;
        mono.height = 8;
        mono.bits = 1;
        mono.palette = {{0, 0, 0}, {255, 255, 255}};
        mono.data.assign(4 * 8, 0x0F);
        Save(file("mono.bmp"), MakeBmp(mono));
        Save(file("notes.jpg"), Bytes{'h', 'e', 'l', 'l', 'o'});
        const QString pictures[] = {file("turned.jpg"), file("mono.bmp"), DataFile("pictures/board-rle8.bmp"),
                                    DataFile("pictures/board-alpha.png"), DataFile("pictures/board-transparent.gif")};
        for (const QString& path : pictures) {
            REQUIRE_DATA(path);
            run(path, true, [&path](Tfrm_PhotoToIcon& dialog) {
                Click(dialog, "btn_FitWidth");
                for (const TIconImage& image : dialog.Formats())
                    Check(image.Bitmap.width() == image.Width && image.Mask.pixel(image.Width / 2, image.Height / 2)[0] == 0,
                          "rendered " + path);
            });
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
        }
        QCOMPARE(frame_->Documents().size(), 5);
        QVERIFY(dialogs_->messages.isEmpty());

        dialogs_->dialogsRun.clear();
        run(file("notes.jpg"), true);
        QCOMPARE(dialogs_->messages, (Messages{{QStringLiteral("Open Picture"),
                                                QStringLiteral("notes.jpg open failed.\nThe file format is not available.")}}));
        QVERIFY(dialogs_->dialogsRun.isEmpty());
        dialogs_->dialogHandlers.clear();
    }
};

ORMEL_UI_TEST_MAIN(PhotoToIconTest)
#include "photo_to_icon_test.moc"

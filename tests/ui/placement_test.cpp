#include "main/window_placement_keeper.h"
#include "settings/app_directories.h"
#include "settings/ini_file.h"
#include "ui_test_support.h"

#include <QWidget>

#include <memory>

namespace ormel {

// Windows with a PlacementKeeper on the offscreen platform, whose one screen is 800 x 800
// with all of it as work area and whose windows have a frame of 2 pixels all round. That
// platform pushes a framed window whose frame would start left of or above the screen onto it
// when the window first appears, so stored positions are checked on frameless windows.
// Settings live under ORMEL_HOME, a fresh directory.
class PlacementTest : public QObject {
    Q_OBJECT

    std::string positionFile() const { return PositionFilePath(LocateAppDirectories("").ConfigDir); }

    std::unique_ptr<QWidget> makeWindow(bool snapToEdges = false, bool resizable = true,
                                        Qt::WindowFlags flags = {}) const
    {
        auto window = std::make_unique<QWidget>(nullptr, flags);
        window->setObjectName("frm_test");
        window->move(40, 30);
        window->resize(300, 200);
        new PlacementKeeper(*window, positionFile(), snapToEdges, resizable);
        return window;
    }

    void store(const QByteArray& section) const
    {
        const QByteArray text = "[frm_test]\n" + section;
        const TIniFile ini = TIniFile::Parse(std::span(reinterpret_cast<const std::uint8_t*>(text.constData()), text.size()));
        QVERIFY(ini.Save(positionFile()));
    }

    TIniFile stored() const
    {
        TIniFile ini;
        ini.Load(positionFile());
        return ini;
    }

    static void showAndWait(QWidget& window)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

private slots:
    void init() { QFile::remove(QString::fromStdString(positionFile())); }

    void comesBackWhereItWasLeft()
    {
        auto first = makeWindow();
        showAndWait(*first);
        QCOMPARE(first->pos(), QPoint(40, 30)); // nothing stored: its own place
        first->move(120, 130);
        first->resize(310, 210);
        first->close();
        QCOMPARE(stored().ReadInteger("frm_test", "left", 0), 120);
        QCOMPARE(stored().ReadInteger("frm_test", "height", 0), 210);
        QCOMPARE(stored().ReadInteger("frm_test", "WindowState", -1), 0);
        first.reset();

        auto second = makeWindow();
        showAndWait(*second);
        QCOMPARE(second->pos(), QPoint(120, 130));
        QCOMPARE(second->size(), QSize(310, 210));
        second->move(60, 70);
        second.reset(); // destruction alone writes too

        auto third = makeWindow();
        showAndWait(*third);
        QCOMPARE(third->pos(), QPoint(60, 70));
        QCOMPARE(third->size(), QSize(310, 210));
    }

    void neverShownWindowKeepsTheStoredPlacement()
    {
        store("left=500\ntop=400\n");
        makeWindow().reset();
        QCOMPARE(stored().ReadInteger("frm_test", "left", 0), 500);
    }

    void storedPlacementIsApplied_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("far off screen keeps 50 pixels on it")
            << QByteArray("left=5000\ntop=-3000\nwidth=320\nheight=240\n") << true << QRect(750, -190, 320, 240);
        QTest::newRow("fixed size ignores the stored size")
            << QByteArray("left=10\ntop=20\nwidth=500\nheight=400\n") << false << QRect(10, 20, 300, 200);
    }

    void storedPlacementIsApplied()
    {
        QFETCH(QByteArray, section);
        QFETCH(bool, resizable);
        QFETCH(QRect, expected);
        store(section);
        auto window = makeWindow(false, resizable, Qt::FramelessWindowHint);
        showAndWait(*window);
        QCOMPARE(QRect(window->pos(), window->size()), expected);
        QCOMPARE(window->windowState(), Qt::WindowNoState);
    }

    void restoresOnFirstShowOnly()
    {
        store("left=100\ntop=100\n");
        auto window = makeWindow();
        showAndWait(*window);
        QCOMPARE(window->pos(), QPoint(100, 100));
        window->move(200, 220);
        window->hide();
        showAndWait(*window);
        QCOMPARE(window->pos(), QPoint(200, 220));
    }

    void stateIsStoredWithTheNormalGeometry_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<bool>("minimise");
        QTest::addColumn<int>("storedState");
        QTest::newRow("maximised") << QByteArray("WindowState=2\n") << false << 2;
        QTest::newRow("minimised is stored as normal") << QByteArray() << true << 0;
    }

    void stateIsStoredWithTheNormalGeometry()
    {
        QFETCH(QByteArray, state);
        QFETCH(bool, minimise);
        QFETCH(int, storedState);
        store("left=50\ntop=60\nwidth=320\nheight=240\n" + state);
        auto window = makeWindow();
        showAndWait(*window);
        QCOMPARE(window->isMaximized(), storedState == 2);
        if (minimise) {
            window->showMinimized();
            QTRY_VERIFY(window->isMinimized());
        }
        window.reset();
        const TIniFile ini = stored();
        QCOMPARE(ini.ReadInteger("frm_test", "WindowState", -1), storedState);
        QCOMPARE(ini.ReadInteger("frm_test", "left", 0), 50);
        QCOMPARE(ini.ReadInteger("frm_test", "width", 0), 320);
    }

    void movesKeepFiftyPixelsAndSnapWithinFourteen_data()
    {
        QTest::addColumn<bool>("snap");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("14 from the left snaps") << true << QPoint(14, 300) << QPoint(0, 300);
        QTest::newRow("past the right edge") << false << QPoint(790, 300) << QPoint(750, 300);
    }

    void movesKeepFiftyPixelsAndSnapWithinFourteen()
    {
        QFETCH(bool, snap);
        QFETCH(QPoint, to);
        QFETCH(QPoint, expected);
        auto window = makeWindow(snap);
        showAndWait(*window);
        window->move(to);
        QTRY_COMPARE(window->pos(), expected);
    }
};

} // namespace ormel

ORMEL_UI_TEST_MAIN(ormel::PlacementTest)

#include "placement_test.moc"

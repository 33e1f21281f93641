#include "main/window_placement_keeper.h"
#include "settings/app_directories.h"
#include "settings/ini_file.h"
#include "ui_test_support.h"

#include <QWidget>

#include <memory>

namespace ormel {

// Windows with a PlacementKeeper on the offscreen platform, whose one screen is 800 x 800
// with all of it as work area. The placement rules themselves are pinned by the core tests;
// these check that windows restore and store through them. Settings live under ORMEL_HOME, a
// fresh directory.
class PlacementTest : public QObject {
    Q_OBJECT

    std::string positionFile() const { return PositionFilePath(LocateAppDirectories("").ConfigDir); }

    std::unique_ptr<QWidget> makeWindow(bool snapToEdges = false) const
    {
        auto window = std::make_unique<QWidget>();
        window->setObjectName("frm_test");
        window->move(40, 30);
        window->resize(300, 200);
        new PlacementKeeper(*window, positionFile(), snapToEdges, true);
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

    // A maximised window comes back maximised and stores its normal geometry with the state.
    void stateIsStoredWithTheNormalGeometry()
    {
        store("left=50\ntop=60\nwidth=320\nheight=240\nWindowState=2\n");
        auto window = makeWindow();
        showAndWait(*window);
        QVERIFY(window->isMaximized());
        window.reset();
        const TIniFile ini = stored();
        QCOMPARE(ini.ReadInteger("frm_test", "WindowState", -1), 2);
        QCOMPARE(ini.ReadInteger("frm_test", "left", 0), 50);
        QCOMPARE(ini.ReadInteger("frm_test", "width", 0), 320);
    }

    // Moves go through the work-area rule: 14 pixels from the left edge snaps onto it.
    void movesSnapToTheEdges()
    {
        auto window = makeWindow(true);
        showAndWait(*window);
        window->move(14, 300);
        QTRY_COMPARE(window->pos(), QPoint(0, 300));
    }
};

} // namespace ormel

ORMEL_UI_TEST_MAIN(ormel::PlacementTest)

#include "placement_test.moc"

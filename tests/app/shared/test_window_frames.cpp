// Where the windows opened from the main window stand: kept on the screen's free area, and the
// data window by the main window's frame, its Julian calendar line and its state.
#include <QtTest>

#include "app/data/DataWindowFrame.h"
#include "app/shared/MainPlacement.h"

using namespace orlun::app;
using orlun::DataMode;

Q_DECLARE_METATYPE(MainPlacement)
Q_DECLARE_METATYPE(orlun::DataMode)

namespace {

// A 1280 x 1000 free area on a second screen to the right of a first one.
const QRect kArea(1920, 24, 1280, 1000);

// The main window in the area's upper left, 900 x 700, its Julian line 160 pixels below its top.
MainPlacement MainAt(const QPoint& topLeft, bool maximized = false)
{
    MainPlacement main;
    main.frame = QRect(topLeft, QSize(900, 700));
    main.screenArea = kArea;
    main.julianLineTop = topLeft.y() + 160;
    main.maximized = maximized;
    return main;
}

} // namespace

class TestWindowFrames : public QObject {
    Q_OBJECT
private slots:
    void keptWithinTheArea_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("kept");
        QTest::newRow("inside stays") << QRect(2000, 100, 300, 200) << QRect(2000, 100, 300, 200);
        QTest::newRow("touching the right edge stays") << QRect(2900, 100, 300, 200) << QRect(2900, 100, 300, 200);
        QTest::newRow("one pixel over the right edge") << QRect(2901, 100, 300, 200) << QRect(2900, 100, 300, 200);
        QTest::newRow("over the bottom") << QRect(2000, 900, 300, 200) << QRect(2000, 824, 300, 200);
        QTest::newRow("on the screen to the left") << QRect(1800, -50, 300, 200) << QRect(1920, 24, 300, 200);
        QTest::newRow("wider than the area") << QRect(2500, 100, 1500, 200) << QRect(1920, 100, 1280, 200);
        QTest::newRow("taller than the area") << QRect(2000, 300, 300, 1200) << QRect(2000, 24, 300, 1000);
        QTest::newRow("exactly the area") << kArea << kArea;
    }

    void keptWithinTheArea()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, kept);
        QCOMPARE(KeptWithin(frame, kArea), kept);
    }

    void theDataWindowByTheMainWindow_data()
    {
        QTest::addColumn<MainPlacement>("main");
        QTest::addColumn<DataMode>("mode");
        QTest::addColumn<bool>("termNames");
        QTest::addColumn<bool>("large");
        QTest::addColumn<QRect>("frame");
        const MainPlacement main = MainAt({2000, 100});
        // Level with the main window's right edge (2899) and bottom (799), 30 below the Julian line.
        QTest::newRow("year data") << main << DataMode::YearData << false << false << QRect(2240, 290, 660, 510);
        QTest::newRow("year data with term names, 30% wider")
            << main << DataMode::YearData << true << false << QRect(2042, 290, 858, 510);
        QTest::newRow("term names widen only the year data")
            << main << DataMode::LunarNewYears << true << false << QRect(2240, 290, 660, 510);
        QTest::newRow("Western new years, 10% wider")
            << main << DataMode::EuroNewYears << false << false << QRect(2174, 290, 726, 510);
        QTest::newRow("self-test") << main << DataMode::SelfTest << false << false << QRect(2240, 290, 660, 510);
        MainPlacement low = main;
        low.julianLineTop = 700; // the window's bottom 69 below where the data window starts
        QTest::newRow("never lower than 200") << low << DataMode::YearData << false << false
                                              << QRect(2240, 730, 660, 200);
        low.julianLineTop = 900;
        QTest::newRow("moved up onto the screen") << low << DataMode::YearData << false << false
                                                  << QRect(2240, 824, 660, 200);
        // Large: against the top of the screen, 90% of its height; one pixel short of the right edge.
        QTest::newRow("large") << main << DataMode::YearData << false << true << QRect(2239, 31, 660, 900);
        QTest::newRow("large wins over maximized")
            << MainAt({1920, 24}, true) << DataMode::MonthStarts << false << true << QRect(2159, 31, 660, 900);
        // By a maximized main window: a quarter down, half the height, from a third of the width.
        const MainPlacement maximized = MainAt({1920, 24}, true);
        QTest::newRow("maximized") << maximized << DataMode::LunarNewYears << false << false
                                   << QRect(1920 + 426, 24 + 250, 660, 500);
        QTest::newRow("maximized, Western new years from a fifth")
            << maximized << DataMode::EuroNewYears << false << false << QRect(1920 + 256, 274, 726, 500);
        QTest::newRow("maximized, term names from a sixth")
            << maximized << DataMode::YearData << true << false << QRect(1920 + 213, 274, 858, 500);
        MainPlacement offRight = MainAt({2700, 100});
        QTest::newRow("main window partly off the screen")
            << offRight << DataMode::YearData << false << false << QRect(2540, 290, 660, 510);
        MainPlacement narrow = main;
        narrow.screenArea = QRect(0, 0, 600, 480);
        narrow.frame = QRect(0, 0, 600, 480);
        narrow.julianLineTop = 100;
        QTest::newRow("narrow screen: cut to its width")
            << narrow << DataMode::YearData << true << false << QRect(0, 130, 600, 350);
    }

    void theDataWindowByTheMainWindow()
    {
        QFETCH(MainPlacement, main);
        QFETCH(DataMode, mode);
        QFETCH(bool, termNames);
        QFETCH(bool, large);
        QFETCH(QRect, frame);
        QCOMPARE(DataWindowFrame(main, {mode, termNames, large}), frame);
    }
};

QTEST_MAIN(TestWindowFrames)
#include "test_window_frames.moc"

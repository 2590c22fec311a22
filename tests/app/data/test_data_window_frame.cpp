// Where the data window stands by the main window's frame and Julian calendar line, for each of
// its modes and looks, kept on the screen's free area.
#include <QtTest>

#include "app/data/DataWindowFrame.h"

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

class TestDataWindowFrame : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(TestDataWindowFrame)
#include "test_data_window_frame.moc"

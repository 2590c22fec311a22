// The main window stays still: lines and buttons that come and go keep their place, the value
// column does not follow the length of a caption, and the display lines keep one row height.
// With ORLUN_SCREENSHOT_DIR set, each state is also saved there as a picture.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

#include "app/main/frmMain.h"
#include "calendar/arc/ArcChlNote.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;
using orlun::test::ControlOf;

namespace {

using Places = QMap<QString, QRect>;

void Settle(frmMain& w)
{
    w.layout()->activate();
    QCoreApplication::processEvents();
}

// Where every visible named control sits in the window.
Places PlacesOf(frmMain& w)
{
    Settle(w);
    Places places;
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || !child->isVisible()) continue;
        places.insert(child->objectName(), QRect(child->mapTo(&w, QPoint(0, 0)), child->size()));
    }
    return places;
}

// Every control on show in both states is where it was.
void RequireStill(const Places& before, const Places& after, const char* action)
{
    int compared = 0;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key())) continue;
        ++compared;
        if (after[it.key()] != it.value())
            QFAIL(qPrintable(QString("%1 moved %2 from (%3,%4 %5x%6) to (%7,%8 %9x%10)")
                                 .arg(action, it.key())
                                 .arg(it.value().x()).arg(it.value().y())
                                 .arg(it.value().width()).arg(it.value().height())
                                 .arg(after[it.key()].x()).arg(after[it.key()].y())
                                 .arg(after[it.key()].width()).arg(after[it.key()].height())));
    }
    QVERIFY2(compared > 40, action);
}

void Shot(frmMain& w, const char* name)
{
    const QString dir = qEnvironmentVariable("ORLUN_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    Settle(w);
    w.grab().save(dir + "/" + name + ".png");
}

void Click(frmMain& w, const char* name)
{
    auto* button = w.findChild<QAbstractButton*>(name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestFrmMainLayout : public QObject {
    Q_OBJECT

private slots:
    void showingAndHidingMovesNoControl()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Shot(w, "1-start");
        const Places start = PlacesOf(w);

        Click(w, "chkShowARC");
        QVERIFY(!w.findChild<QLabel*>("lblArchetypesCalendarGMT_1")->isVisible());
        Shot(w, "2-arc-hidden");
        RequireStill(start, PlacesOf(w), "hiding the ARC lines");
        if (QTest::currentTestFailed()) return;
        Click(w, "chkShowARC");

        Click(w, "chkShowCJDs");
        QVERIFY(w.findChild<QLabel*>("lblChronologicalJulianDateLondon_1")->isVisible());
        Shot(w, "3-cjds-shown");
        RequireStill(start, PlacesOf(w), "showing the CJD lines");
        if (QTest::currentTestFailed()) return;
        Click(w, "chkShowCJDs");

        Click(w, "cmdAddToLog");
        QVERIFY(w.findChild<QPushButton*>("cmdViewLog")->isVisible());
        Shot(w, "4-log-filled");
        RequireStill(start, PlacesOf(w), "the first log entry");
    }

    // The test screen (800 wide) is narrower than the window's usual size, as a 1600-pixel screen
    // is at scale 2: the window fits it, and every control can be scrolled into view.
    void theWindowFitsASmallScreenAndEveryControlCanBeReached()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Settle(w);
        const QRect area = w.screen()->availableGeometry();
        QVERIFY2(area.width() < 1000, "the screen of this test is as wide as the window");
        QVERIFY2(area.contains(w.frameGeometry()),
                 qPrintable(QString("window frame %1x%2 at %3,%4").arg(w.frameGeometry().width()).arg(w.frameGeometry().height()).arg(w.frameGeometry().x()).arg(w.frameGeometry().y())));
        auto* scroll = w.findChild<QScrollArea*>("scrMain");
        QVERIFY(scroll);
        const QRect view(scroll->viewport()->mapTo(&w, QPoint(0, 0)), scroll->viewport()->size());
        int reached = 0;
        for (QWidget* control : w.findChildren<QWidget*>()) {
            const bool input = qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
                               qobject_cast<QLineEdit*>(control);
            if (!input || control->objectName().isEmpty() || !control->isVisible()) continue;
            scroll->ensureWidgetVisible(control, 0, 0);
            Settle(w);
            const QRect at(control->mapTo(&w, QPoint(0, 0)), control->size());
            QVERIFY2(view.contains(at), qPrintable(control->objectName()));
            ++reached;
        }
        QVERIFY(reached > 30);
    }

    // A page that needs more room makes the window grow by as much, as far as the screen allows.
    void theWindowGrowsWithItsPageWithinTheScreen()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Settle(w);
        const int before = w.height();
        QWidget* page = ControlOf<>(w, "pgeMain");
        auto* searching = ControlOf<QLabel>(w, "lblSearching");
        const int least = page->minimumSizeHint().height();
        searching->setMinimumHeight(searching->height() + 150);
        QTRY_VERIFY(w.height() > before);
        QCOMPARE(w.height(), before + page->minimumSizeHint().height() - least);
        searching->setMinimumHeight(5000);
        QTRY_VERIFY(w.frameGeometry().bottom() == w.screen()->availableGeometry().bottom());
        QVERIFY(w.screen()->availableGeometry().contains(w.frameGeometry()));
    }

    void theLinesKeepOneRowHeightAndTheValueColumnStays()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Click(w, "chkShowCJDs");
        const Places places = PlacesOf(w);
        // Even rows: every display line has the same height and the same distance to the next.
        const char* lines[] = {"lblChineseLunarDate_1", "lblChineseSolarDate_1", "lblCommonEraDate_1",
                               "lblJulianCalendarDate_1", "lblArchetypesCalendarGMT_1",
                               "lblArchetypesCalendarCCT_1", "lblChronologicalJulianDateLondon_1",
                               "lblChronologicalJulianDateBeijing_1", "lblAstronomicalJulianDate_1",
                               "lblElementAnimalOfDay_1", "lblPhaseOfMoon_1", "lblAgeOfMoon_1",
                               "lblDeltaT_1"};
        const QRect first = places[lines[0]];
        const int pitch = places[lines[1]].y() - first.y();
        QVERIFY(first.height() >= w.findChild<QLabel*>(lines[0])->fontMetrics().height());
        for (int i = 1; i < int(std::size(lines)); ++i) {
            QCOMPARE(places[lines[i]].height(), first.height());
            QCOMPARE(places[lines[i]].y() - places[lines[i - 1]].y(), pitch);
        }

        // The longest note beside the ARC line does not push the values sideways.
        auto* note = w.findChild<QLabel*>("lblArchetypesCalendarCCT_0");
        for (const char* text : orlun::kArcChlNotes) {
            note->setText(text);
            RequireStill(places, PlacesOf(w), text);
            QVERIFY(note->fontMetrics().horizontalAdvance(text) <= note->width());
        }
    }
};

QTEST_MAIN(TestFrmMainLayout)
#include "test_frmMain_layout.moc"

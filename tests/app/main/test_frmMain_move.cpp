// The Move panel of the main window: single and repeated moves paced by the Clock (played by the
// fake event pump), Pause/Resume, Stop, refused steps, the range test and "one day".
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "app/main/frmMain.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;
using orlun::test::ControlOf;

namespace {

template <class T>
T* Child(frmMain& w, const char* name) { return w.findChild<T*>(name); }

QString Line(frmMain& w, const char* name) { return Child<QLabel>(w, name)->text(); }

// Types the date, chooses the unit, direction and pace, and clicks Move.
void Move(frmMain& w, const QString& date, int unit, bool forward, bool repeatedly)
{
    Child<QLineEdit>(w, "txbDate")->setText(date);
    Child<QComboBox>(w, "cboMoveStep")->setCurrentIndex(unit);
    Child<QRadioButton>(w, forward ? "optMoveDirection_0" : "optMoveDirection_1")->setChecked(true);
    Child<QCheckBox>(w, "chkRepeatedly")->setChecked(repeatedly);
    QTest::mouseClick(Child<QPushButton>(w, "cmdMove"), Qt::LeftButton);
}

constexpr int kDay = 2, kCEMonth = 3, kCHLMonth = 6;

} // namespace

class TestFrmMainMove : public QObject {
    Q_OBJECT

private slots:
    void aSingleStepKeepsTheTimeAndEmptiesTheFields()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Child<QLineEdit>(w, "txbTime")->setText("09:30");
        Child<QComboBox>(w, "cboTimeZone")->setCurrentIndex(0);
        Move(w, "2011-10-15 CE", kCEMonth, true, false);
        QCOMPARE(Line(w, "lblCommonEraDate_1"), QString("2011-11-15 CE 09:30 GMT Tuesday"));
        QCOMPARE(w.intCalendar, int(orlun::kRowCE));
        QVERIFY(Child<QLineEdit>(w, "txbDate")->text().isEmpty());
        QVERIFY(Child<QLineEdit>(w, "txbTime")->text().isEmpty());
        QVERIFY(fake.messages.shown.isEmpty());
        QVERIFY(Child<QPushButton>(w, "cmdSaveState")->isEnabled());
    }

    void aRepeatedMovePausesResumesAndStops()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Child<QComboBox>(w, "cboRefreshPeriod")->setCurrentIndex(0); // "0.5"
        QList<double> seen;
        const auto tick = [&] { w.Clock_Timer(); };
        const auto note = [&] { seen.append(w.dblCurrentAJDate); };
        auto* pause = Child<QPushButton>(w, "cmdPauseResume");
        fake.events.script = {
            [&] {
                note();
                QVERIFY(ControlOf<QTimer>(w, "Clock")->isActive());
                QCOMPARE(ControlOf<QTimer>(w, "Clock")->interval(), 500);
                QVERIFY(!Child<QPushButton>(w, "cmdMove")->isEnabled());
                QVERIFY(Child<QPushButton>(w, "cmdNow")->isHidden());
                QVERIFY(!Child<QGroupBox>(w, "fraConvert")->isEnabled());
                QVERIFY(!Child<QComboBox>(w, "cboRefreshPeriod")->isEnabled());
                tick();
            },
            [&] { note(); pause->click(); },
            [&] {
                QCOMPARE(pause->text(), QString("Resume"));
                QVERIFY(!ControlOf<QTimer>(w, "Clock")->isActive());
                QVERIFY(Child<QComboBox>(w, "cboRefreshPeriod")->isEnabled());
                tick(); // a tick already on its way makes no step while paused
            },
            [&] { note(); pause->click(); },
            [&] { QCOMPARE(pause->text(), QString("Pause")); tick(); },
            [&] { note(); Child<QPushButton>(w, "cmdStop")->click(); },
        };
        Move(w, "2013-02-10 CE", kDay, false, true);
        QCOMPARE(seen, (QList<double>{2456333.0, 2456332.0, 2456332.0, 2456331.0}));
        QVERIFY(!w.blnRepeat);
        QVERIFY(!Child<QCheckBox>(w, "chkRepeatedly")->isChecked());
        QVERIFY(Child<QGroupBox>(w, "fraStopPauseResume")->isHidden());
        QVERIFY(!ControlOf<QTimer>(w, "Clock")->isActive());
        QVERIFY(Child<QPushButton>(w, "cmdMove")->isEnabled());
        QVERIFY(Child<QGroupBox>(w, "fraConvert")->isEnabled());
        QVERIFY(Child<QGroupBox>(w, "fraSearch")->isEnabled()); // as it was before the move
        QVERIFY(!Child<QPushButton>(w, "cmdNow")->isHidden());
        QVERIFY(fake.messages.shown.isEmpty());
    }

    // Reset would change the unit and untick "repeatedly" under a running move.
    void resetWaitsForARepeatedMoveToEnd()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* reset = Child<QPushButton>(w, "cmdReset");
        bool disabledWhileMoving = false;
        fake.events.script = {
            [&] {
                disabledWhileMoving = !reset->isEnabled();
                QTest::mouseClick(reset, Qt::LeftButton);
                w.Clock_Timer();
            },
            [&] { Child<QPushButton>(w, "cmdStop")->click(); },
        };
        Move(w, "2013-02-10 CE", kDay, true, true);
        QVERIFY(disabledWhileMoving);
        QCOMPARE(Line(w, "lblCommonEraDate_1"), QString("2013-02-12 CE 12:00 GMT Tuesday"));
        QCOMPARE(Child<QComboBox>(w, "cboMoveStep")->currentIndex(), kDay);
        QVERIFY(reset->isEnabled());
    }

    void aRefusedStepEndsTheMoveAndLeavesStopOnShow()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        fake.events.whenIdle = [&] { Child<QPushButton>(w, "cmdStop")->click(); };
        Move(w, "-2750-06-01 CE", kCHLMonth, false, true);
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].kind, QString("plain"));
        QCOMPARE(fake.messages.shown[0].title, QString("Out of range"));
        QCOMPARE(fake.messages.shown[0].text, QString("Earliest admissible date reached."));
        QCOMPARE(fake.events.waits, 0);
        QVERIFY(!w.blnRepeat);
        QVERIFY(!Child<QCheckBox>(w, "chkRepeatedly")->isChecked());
        QVERIFY(!Child<QGroupBox>(w, "fraStopPauseResume")->isHidden());
        QVERIFY(Child<QPushButton>(w, "cmdMove")->isEnabled());
        Child<QPushButton>(w, "cmdStop")->click();
        QVERIFY(Child<QGroupBox>(w, "fraStopPauseResume")->isHidden());
    }

    // A typed starting date that is refused leaves the moment and makes no step.
    void aRefusedStartingDateMakesNoStep()
    {
        const struct {
            const char* date;
            const char* title;
            const char* text;
        } cases[] = {
            {"2011/10/15 CE", "Invalid date or time entry", "Date separator must be a dash, '-'."},
            {"3000-01-02 CE", "Date out of range", "Date is later than 3000-01-01 CE."},
        };
        for (const auto& c : cases) {
            FakePlatform fake;
            frmMain w(fake.platform);
            w.Form_Load();
            const double before = w.dblCurrentAJDate;
            Move(w, c.date, kDay, true, false);
            QCOMPARE(fake.messages.shown.size(), 1);
            QCOMPARE(fake.messages.shown[0].kind, QString("warning"));
            QCOMPARE(fake.messages.shown[0].title, QString(c.title));
            QCOMPARE(fake.messages.shown[0].text, QString(c.text));
            QCOMPARE(w.dblCurrentAJDate, before);
        }
    }

    void theRangeTestStopsAfterShowingTheFirstMomentBeyond()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        fake.events.whenIdle = [&] { w.Clock_Timer(); };
        Move(w, "-2999-12-31 CE", kDay, false, true);
        QCOMPARE(Line(w, "lblCommonEraDate_1"), QString("-3001-12-31 CE 12:00 GMT Tuesday"));
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].kind, QString("warning"));
        QCOMPARE(fake.messages.shown[0].text, QString("Earliest date exceeded."));
        QVERIFY(Child<QGroupBox>(w, "fraStopPauseResume")->isHidden());

        // The way back works from there: a single step is not range-tested.
        Move(w, "", kDay, true, false);
        QCOMPARE(Line(w, "lblCommonEraDate_1"), QString("-3000-01-01 CE 12:00 GMT Wednesday"));
    }

    void oneDayRefusesToLeaveTheRange()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        w.dblCurrentAJDate = 625333.0;
        Child<QRadioButton>(w, "optMoveDirection_1")->setChecked(true);
        Child<QCheckBox>(w, "chkRepeatedly")->setChecked(true);
        QTest::mouseClick(Child<QPushButton>(w, "cmdMoveOneDay"), Qt::LeftButton);
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].text, QString("Earliest date reached."));
        QCOMPARE(w.dblCurrentAJDate, 625333.0);
        QVERIFY(!Child<QCheckBox>(w, "chkRepeatedly")->isChecked());
    }

    void keep30thShowsForDay30OfARepeatedLunarMove()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Move(w, "79-37-04-29 CHL", kDay, true, false); // onto 4-30 of 2020
        auto* keep = Child<QCheckBox>(w, "chkKeep30th");
        QVERIFY(keep->isHidden());
        Child<QComboBox>(w, "cboMoveStep")->setCurrentIndex(kCHLMonth);
        Child<QCheckBox>(w, "chkRepeatedly")->setChecked(true);
        QVERIFY(!keep->isHidden());
        keep->setChecked(true);
        QCOMPARE(keep->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        // 4-30 -> 4*-29 (29 days) -> 5-30 with the 30th kept.
        fake.events.script = {[&] { w.Clock_Timer(); }, [&] { w.cmdStop_Click(); }};
        QTest::mouseClick(Child<QPushButton>(w, "cmdMove"), Qt::LeftButton);
        QVERIFY(Line(w, "lblChineseLunarDate_1").startsWith("79-37-05-30 CHL"));
    }

    // The step list holds the units at the numbers the state file keeps; the ARC units name the
    // zone of the country chosen.
    void theStepListNamesTheUnitsAndTheZone()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* steps = Child<QComboBox>(w, "cboMoveStep");
        QCOMPARE(steps->count(), 16);
        QCOMPARE(steps->itemText(0), QString("minute"));
        QCOMPARE(steps->itemText(kCHLMonth), QString("CHL month"));
        QCOMPARE(steps->itemText(13), QString("80-year cycle (JC)"));
        QCOMPARE(steps->itemText(14), QString("ARC month (CCT)"));
        Child<QComboBox>(w, "cboRefLong")->setCurrentIndex(2); // Japan
        w.cboRefLong_Click();
        QCOMPARE(steps->itemText(14), QString("ARC month (JST)"));
        QCOMPARE(steps->itemText(15), QString("ARC year (JST)"));
        QCOMPARE(steps->itemText(13), QString("80-year cycle (JC)"));
    }
};

QTEST_MAIN(TestFrmMainMove)
#include "test_frmMain_move.moc"

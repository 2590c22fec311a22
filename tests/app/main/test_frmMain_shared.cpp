// What the main window hands the windows it opens: its state as a value that agrees with what
// it shows, after every kind of change, and the data window placed by it.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/data/frmData.h"
#include "app/main/frmMain.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using orlun::app::frmMain;
using orlun::app::MainState;
using orlun::test::ControlOf;
using orlun::test::FakePlatform;
using orlun::test::LineValue;

namespace {

void Convert(frmMain& w, const QString& date)
{
    ControlOf<QLineEdit>(w, "txbDate")->setText(date);
    QTest::mouseClick(ControlOf<QPushButton>(w, "cmdCompute"), Qt::LeftButton);
}

// Each value line the state carries, against the label that shows it.
void CompareLinesShown(const frmMain& w, const MainState& state)
{
    const orlun::DisplayTexts& t = state.texts;
    for (const orlun::DisplayLine* line : {&t.chineseLunar, &t.chineseSolar, &t.commonEra, &t.julianCalendar,
                                           &t.arcGMT, &t.arcReference, &t.cjdLondon, &t.cjdReference,
                                           &t.astronomicalJD, &t.elementAnimalOfDay})
        QCOMPARE(LineValue(w, QString::fromStdString(line->control))->text(), QString::fromStdString(line->value));
}

} // namespace

class TestFrmMainShared : public QObject {
    Q_OBJECT

private slots:
    void theStateIsWhatTheWindowShows_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("calendar");
        QTest::newRow("a Common Era date") << "2001-12-31 CE" << int(orlun::kRowCE);
        QTest::newRow("a Julian date") << "1582-10-04 JC" << int(orlun::kRowJC);
        QTest::newRow("a leap month") << "79-29-4*-1 CHL" << int(orlun::kRowCHL);
        QTest::newRow("the first day of the range") << "-3000-01-01 CE" << int(orlun::kRowCE);
        QTest::newRow("an astronomical Julian date") << "2456334.5 AJD" << int(orlun::kRowAJD);
    }

    void theStateIsWhatTheWindowShows()
    {
        QFETCH(QString, date);
        QFETCH(int, calendar);
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, date);
        QVERIFY2(fake.messages.shown.isEmpty(), qPrintable(date));
        const MainState state = w.State();
        QCOMPARE(state.moment, w.dblCurrentAJDate);
        QCOMPARE(int(state.calendar), calendar);
        QCOMPARE(state.texts.ajd.ajd(), w.dblCurrentAJDate);
        QVERIFY(!state.initializing);
        CompareLinesShown(w, state);
    }

    void theStateFollowsTheSettingsAndTheSwitches()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QVERIFY(w.State().showArc);
        QTest::mouseClick(ControlOf<QCheckBox>(w, "chkShowARC"), Qt::LeftButton);
        QVERIFY(!w.State().showArc);

        ControlOf<QComboBox>(w, "cboRefLong")->setCurrentIndex(0); // Vietnam
        w.cboRefLong_Click();
        const MainState vietnam = w.State();
        QVERIFY(vietnam.settings.country == orlun::Country::Vietnam);
        QCOMPARE(vietnam.settings.meridian.degreesEast(), 105);
        QCOMPARE(LineValue(w, "lblChineseLunarDate")->text(), QString::fromStdString(vietnam.texts.chineseLunar.value));
        CompareLinesShown(w, vietnam);
    }

    // Below the Julian calendar line, level with the main window's right edge, wherever it stands;
    // never beyond the screen.
    void theDataWindowStandsByTheMainWindow_data()
    {
        QTest::addColumn<QPoint>("moveTo"); // null: where start-up put it
        QTest::addColumn<QSize>("size");    // invalid: the size start-up gave it
        QTest::newRow("as started") << QPoint() << QSize();
        QTest::newRow("smaller and moved") << QPoint(150, 60) << QSize(560, 400);
        QTest::newRow("partly beyond the screen's right edge") << QPoint(40, 0) << QSize();
    }

    void theDataWindowStandsByTheMainWindow()
    {
        QFETCH(QPoint, moveTo);
        QFETCH(QSize, size);
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        if (size.isValid()) w.resize(size);
        if (!moveTo.isNull()) w.move(moveTo);
        QTest::mouseClick(ControlOf<QPushButton>(w, "cmdDisplayYearData"), Qt::LeftButton);
        const QWidget* data = w.DataWindow();
        const QLabel* julian = LineValue(w, "lblJulianCalendarDate");
        const int julianTop = w.geometry().top() + julian->mapTo(&w, QPoint(0, 0)).y();
        const QRect area = w.screen()->availableGeometry();
        QCOMPARE(data->y(), julianTop + 30);
        QCOMPARE(data->x() + data->width(), std::min(w.frameGeometry().right(), area.right()) + 1);
        QCOMPARE(data->width(), 660);
    }
};

QTEST_MAIN(TestFrmMainShared)
#include "test_frmMain_shared.moc"

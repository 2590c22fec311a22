// The Convert panel of the main window: typed dates, the "Calendar?" question, plus/minus days,
// the refusals and their messages.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QApplication>
#include <QtTest>

#include "app/log/frmLog.h"
#include "app/main/frmMain.h"
#include "support/FakePlatform.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;

namespace {

QString Text(frmMain& w, const char* name) { return w.findChild<QLabel*>(name)->text(); }
QLineEdit* Field(frmMain& w, const char* name) { return w.findChild<QLineEdit*>(name); }

void Convert(frmMain& w, const QString& date, const QString& time = QString(),
             const QString& plusMinus = QString())
{
    Field(w, "txbDate")->setText(date);
    Field(w, "txbTime")->setText(time);
    Field(w, "txbPlusMinus")->setText(plusMinus);
    QTest::mouseClick(w.findChild<QPushButton*>("cmdCompute"), Qt::LeftButton);
}

} // namespace

class TestFrmMainConvert : public QObject {
    Q_OBJECT

private slots:
    // Refusals after the parse leave the user in the date field, as entry errors do.
    void rangeRefusalsAndUnchangedDatesReturnToTheDateField_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("plusMinus");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("beyond by days") << "2999-12-31 CE" << "2" << "Date out of range"
                                        << "Date is later than 3000-01-01 CE.";
        QTest::newRow("a Chinese year after 3000") << "95-58-01-01 CHL" << "" << "Date out of range"
                                                   << "Date is later than 3000-01-01 CE.";
        QTest::newRow("a Chinese year before -3000") << "-5-55-01-01 CHL" << ""
                                                     << "Invalid date or time entry" << "Date too early.";
        QTest::newRow("the displayed minute") << "2013-02-10 CE" << "0" << "Convert date"
                                              << "Calendar dates unchanged.";
    }
    void rangeRefusalsAndUnchangedDatesReturnToTheDateField()
    {
        QFETCH(QString, date);
        QFETCH(QString, plusMinus);
        QFETCH(QString, title);
        QFETCH(QString, text);
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QApplication::setActiveWindow(&w);
        const double before = w.dblCurrentAJDate;
        Convert(w, date, "12:00", plusMinus);
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].title, title);
        QCOMPARE(fake.messages.shown[0].text, text);
        QCOMPARE(w.dblCurrentAJDate, before);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Field(w, "txbDate")));
    }

    void aCEDateAtNoonGMT()
    {
        FakePlatform fake;
        fake.clock.date = "12-31-2001";
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, "2013-02-10 ce");
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
        QCOMPARE(Text(w, "lblCommonEraDate_1"), QString("2013-02-10 CE 12:00 GMT Sunday"));
        QCOMPARE(Text(w, "lblChineseLunarDate_1"), QString("79-30-01-01 CHL 20:00 CCT"));
        QCOMPARE(Field(w, "txbDate")->text(), QString("2013-02-10 CE"));
        QCOMPARE(Field(w, "txbTime")->text(), QString("12:00"));
        QCOMPARE(w.findChild<QComboBox*>("cboTimeZone")->currentIndex(), 0);
        QCOMPARE(w.intCalendar, int(orlun::kRowCE));
        QCOMPARE(w.findChild<QLabel*>("lblCommonEraDate_0")->palette().color(QPalette::WindowText),
                 QColor(255, 255, 255));
        QVERIFY(w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
    }

    void theSameMomentAgainIsUnchanged()
    {
        FakePlatform fake;
        frmMain w(fake.platform); // the clock reads 2013-02-10 12:00 GMT
        w.Form_Load();
        Convert(w, "2013-02-10 CE");
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].title, QString("Convert date"));
        QCOMPARE(fake.messages.shown[0].text, QString("Calendar dates unchanged."));
        // A different moment within the same minute is displayed, then called unchanged.
        Convert(w, "2,456,334.00001 AJD");
        QCOMPARE(fake.messages.shown.size(), 2);
        QCOMPARE(fake.messages.shown[1].text, QString("Calendar dates unchanged."));
        QCOMPARE(w.dblCurrentAJDate, 2456334.00001);
    }

    void refusalsLeaveTheMomentAlone_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("plusMinus");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("slashes") << "2011/10/15 CE" << "" << "" << "Invalid date or time entry"
                                 << "Date separator must be a dash, '-'.";
        QTest::newRow("time in date") << "2011-10-15 12:00 CE" << "" << ""
                                      << "Invalid date or time entry"
                                      << "Time specification not permitted in date string.";
        QTest::newRow("bad time") << "2011-10-15 CE" << "24:00" << "" << "Invalid date or time entry"
                                  << "Invalid time specification.  Times must be, e.g., 23:50.";
        QTest::newRow("too early") << "625332.9 AJD" << "" << "" << "Invalid date or time entry"
                                   << "Date too early.";
        QTest::newRow("plus/minus") << "2011-10-15 CE" << "" << "3-" << "Invalid date or time entry"
                                    << "Invalid plus/minus days.";
        QTest::newRow("beyond 3000") << "2999-12-31 CE" << "" << "10" << "Date out of range"
                                     << "Date is later than 3000-01-01 CE.";
        QTest::newRow("day 30") << "79-30-02-30 CHL" << "" << "" << "Invalid date or time entry"
                                << "Invalid CHL date.  Day number exceeds number of days in the month.";
        QTest::newRow("nothing") << "" << "" << "" << "Invalid date or time entry" << "No date specified.";
    }
    void refusalsLeaveTheMomentAlone()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, plusMinus);
        QFETCH(QString, title);
        QFETCH(QString, message);
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        const QString ce = Text(w, "lblCommonEraDate_1");
        Convert(w, date, time, plusMinus);
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].title, title);
        QCOMPARE(fake.messages.shown[0].text, message);
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
        QCOMPARE(Text(w, "lblCommonEraDate_1"), ce);
    }

    void theCHLMessageDependsOnTheCountry()
    {
        FakePlatform fake;
        fake.settings.values.insert("\\ORLUN/cboRefLong", "0");
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, "4709-1-1 CHL");
        QCOMPARE(fake.messages.shown.size(), 1);
        QVERIFY(fake.messages.shown[0].text.startsWith(
            "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.\r\n\r\n"));
        QVERIFY(!fake.messages.shown[0].text.contains("Overseas"));
    }

    void aDateWithoutCalendarIsAskedAbout()
    {
        FakePlatform fake;
        fake.messages.answers = {true};
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, "2011-10-15");
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].kind, QString("question"));
        QCOMPARE(fake.messages.shown[0].title, QString("Calendar?"));
        QCOMPARE(fake.messages.shown[0].text, QString("Is this a CHL Calendar date?"));
        // In China 2011 is then the overseas Chinese year.
        QCOMPARE(Field(w, "txbDate")->text(), QString("2011-10-15 CHL"));
        QCOMPARE(Text(w, "lblChineseLunarDate_1"), QString("34-30-10-15 CHL 12:00 CCT"));

        // No: code 2, nothing changes.
        FakePlatform fake2;
        frmMain w2(fake2.platform);
        w2.Form_Load();
        Convert(w2, "2011-10-15");
        QCOMPARE(fake2.messages.shown.size(), 2);
        QCOMPARE(fake2.messages.shown[1].text,
                 QString("Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD)."));
        QCOMPARE(w2.dblCurrentAJDate, 2456334.0);
    }

    void plusMinusDaysOnTheDisplayedDate()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        // An empty date field takes the displayed date of the current calendar (CHL).
        Convert(w, "", "", "10");
        QVERIFY2(fake.messages.shown.isEmpty(), qPrintable(fake.messages.shown.value(0).text));
        QCOMPARE(Field(w, "txbDate")->text(), QString("79-30-01-01 CHL"));
        QCOMPARE(Text(w, "lblCommonEraDate_1"), QString("2013-02-20 CE 12:00 GMT Wednesday"));
        // Minus with a negative amount goes forward. The zone stays that of the CHL date: noon at
        // 120 E is 04:00 GMT, and a day and a half later 16:00 GMT.
        w.findChild<QRadioButton*>("optMinus")->setChecked(true);
        Convert(w, "2013-02-10 CE", "", "-1.5");
        QCOMPARE(w.findChild<QComboBox*>("cboTimeZone")->currentIndex(), 1);
        QCOMPARE(Text(w, "lblCommonEraDate_1"), QString("2013-02-11 CE 16:00 GMT Monday"));
        QCOMPARE(Field(w, "txbPlusMinus")->text(), QString("-1.5"));
    }

    void enterConvertsOnlyWithADate()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Field(w, "txbPlusMinus")->setText("5");
        QTest::keyClick(Field(w, "txbPlusMinus"), Qt::Key_Return); // no date: nothing
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
        QVERIFY(fake.messages.shown.isEmpty());
        Field(w, "txbPlusMinus")->clear();
        Field(w, "txbDate")->setText("2000-01-01 CE");
        QTest::keyClick(Field(w, "txbDate"), Qt::Key_Return);
        QCOMPARE(w.dblCurrentAJDate, 2451545.0);
    }

    void convertMakesAnAutomaticLogEntry()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        w.findChild<QCheckBox*>("chkAutoLog")->setChecked(true);
        Convert(w, "2000-01-01 CE", "", "1");
        const QString log = w.Log()->Text();
        QVERIFY2(log.startsWith("Orlun 1.00\r\n\r\nPlus 1 day\r\n----------\r\n"), qPrintable(log));
        QVERIFY2(log.contains("2000-01-02 CE 12:00 GMT\r\n"), qPrintable(log));
        QVERIFY(w.findChild<QPushButton*>("cmdViewLog")->isVisible());
        // A refused entry logs nothing.
        Convert(w, "2000/01/01 CE");
        QCOMPARE(w.Log()->Text(), log);
    }

    void clearEmptiesDateTimeAndZone()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QTest::mouseClick(w.findChild<QLabel*>("lblCommonEraDate_1"), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QPushButton*>("cmdClearDate"), Qt::LeftButton);
        QVERIFY(Field(w, "txbDate")->text().isEmpty());
        QVERIFY(Field(w, "txbTime")->text().isEmpty());
        QCOMPARE(w.findChild<QComboBox*>("cboTimeZone")->currentIndex(), -1);
    }
};

QTEST_MAIN(TestFrmMainConvert)
#include "test_frmMain_convert.moc"

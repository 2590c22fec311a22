// The main window: start-up, the display lines, "Now", "Reset", the switches, the clicks that
// copy a displayed date, the highlight and "Quit".
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/main/frmMain.h"
#include "support/FakePlatform.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;

namespace {

QString Text(frmMain& w, const char* name)
{
    auto* label = w.findChild<QLabel*>(name);
    if (!label) qFatal("no label %s", name);
    return label->text();
}

QColor Foreground(frmMain& w, const char* name)
{
    return w.findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
}

} // namespace

class TestFrmMainStartup : public QObject {
    Q_OBJECT

private slots:
    void startsOnThePresentMomentOfTheClock()
    {
        FakePlatform fake; // 2013-02-10 12:00:00 at Greenwich
        frmMain w(fake.platform);
        w.Form_Load();

        QCOMPARE(w.windowTitle(), QString("Orlun 1.00"));
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
        QCOMPARE(Text(w, "lblAstronomicalJulianDate_1"), QString("2,456,334.0000 AJD"));
        QCOMPARE(Text(w, "lblChronologicalJulianDateLondon_1"), QString("2,456,334.5000 CJDL"));
        QCOMPARE(Text(w, "lblCommonEraDate_1"), QString("2013-02-10 CE 12:00 GMT Sunday"));
        QCOMPARE(Text(w, "lblJulianCalendarDate_1"), QString("2013-01-28 JC 12:00 GMT Sunday"));
        QCOMPARE(Text(w, "lblChronologicalJulianDateBeijing_0"),
                 QString::fromUtf8("Chronological JD 120\u00BA East"));
        QCOMPARE(Text(w, "lblChronologicalJulianDateBeijing_1"), QString("2,456,334.8333 CJDC"));
        QCOMPARE(Text(w, "lblDeltaT_1"), QString("1 minute"));
        QCOMPARE(w.findChild<QLabel*>("lblCommonEraDate_1")->toolTip(),
                 QString("The 10th day of February in the year 2013 in the Common Era Calendar "
                         "(London)."));
        QCOMPARE(w.findChild<QLabel*>("lblJulianCalendarDate_1")->toolTip(),
                 QString("The 28th day of January in the year 2013 in the Julian Calendar "
                         "(London)."));
        // After start-up the current calendar is CHL and its caption alone is highlighted.
        QCOMPARE(w.intCalendar, int(orlun::kRowCHL));
        QCOMPARE(Foreground(w, "lblChineseLunarDate_0"), QColor(255, 255, 255));
        QCOMPARE(Foreground(w, "lblCommonEraDate_0"), QColor(200, 200, 200));
        QCOMPARE(w.findChild<QComboBox*>("cboRefLong")->currentText(), QString("China"));
        // The Reset defaults: ARC shown, CJDs hidden, auto log off.
        QVERIFY(w.findChild<QCheckBox*>("chkShowARC")->isChecked());
        QVERIFY(!w.findChild<QCheckBox*>("chkShowCJDs")->isChecked());
        QVERIFY(!w.findChild<QLabel*>("lblChronologicalJulianDateLondon_1")->isVisible());
        QVERIFY(w.findChild<QLabel*>("lblArchetypesCalendarGMT_0")->isVisible());
        QCOMPARE(w.findChild<QComboBox*>("cboMoveStep")->currentText(), QString("CHL month"));
        QCOMPARE(w.findChild<QComboBox*>("cboTarget")->currentText(), QString("Full moon"));
        QCOMPARE(w.findChild<QComboBox*>("cboTimeZone")->currentIndex(), -1);
        QVERIFY(fake.messages.shown.isEmpty());
    }

    void showsTheChineseDateAndItsNames()
    {
        FakePlatform fake; // 2013-02-10: the Chinese new year of the water-snake year
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(Text(w, "lblChineseLunarDate_0"), QString("Chinese Lunar"));
        QCOMPARE(Text(w, "lblChineseLunarDate_1"), QString("79-30-01-01 CHL 20:00 CCT"));
        QCOMPARE(Text(w, "lblChineseSolarDate_1"), QString("79-30-04-07 CHS 20:00 CCT"));
        QCOMPARE(Text(w, "lblElementAnimalOfYear"), QString("gui-si water-snake year"));
        QCOMPARE(Text(w, "lblElementAnimalOfMonth"), QString("jia-yin wood-tiger month"));
        QCOMPARE(Text(w, "lblYear"), QString("Year 4710"));
        QCOMPARE(Text(w, "lblElementAnimalOfDay_0"), QString("ding-wei"));
        QCOMPARE(Text(w, "lblElementAnimalOfDay_1"), QString("fire-sheep day"));
        QCOMPARE(Text(w, "lblArchetypesCalendarGMT_1"), QString("4710-13-30 ARC 12:00 GMT Pluto Day"));
        // ARC 13-30 against CHL 01-01: no rule holds, the note is empty.
        QCOMPARE(Text(w, "lblArchetypesCalendarCCT_0"), QString());
        QVERIFY(!w.findChild<QLabel*>("picStem_0")->pixmap().isNull());
        QVERIFY(!w.findChild<QLabel*>("picBranch_1")->pixmap().isNull());
        QVERIFY(w.findChild<QLabel*>("picStem_0")->isVisible());
        QVERIFY(!w.findChild<QLabel*>("picMoon")->pixmap().isNull());
        QVERIFY(Text(w, "lblPhaseOfMoon_1").startsWith("Dark moon"));
        QVERIFY(Text(w, "lblAgeOfMoon_1").startsWith("[162] 0 days, "));
    }

    void theARCNoteComparesMonthAndDay()
    {
        FakePlatform fake;
        fake.clock.date = "01-01-2000"; // CHL 11-25 and ARC 11-25
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(Text(w, "lblArchetypesCalendarCCT_0"), QString("ARC month & day same as CHL"));
        QCOMPARE(Foreground(w, "lblArchetypesCalendarCCT_0"), QColor(200, 200, 200));
    }

    void japanHasItsZoneColourAndAnimals()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* country = w.findChild<QComboBox*>("cboRefLong");
        country->setCurrentIndex(2);
        w.cboRefLong_Click();
        QCOMPARE(w.palette().color(QPalette::Window), QColor(64, 64, 224));
        QCOMPARE(Text(w, "lblChineseLunarDate_0"), QString("Japanese Lunar"));
        QVERIFY(Text(w, "lblChineseLunarDate_1").endsWith(" JST"));
        QCOMPARE(w.findChild<QComboBox*>("cboAnimal")->itemText(11), QString("boar"));
        QCOMPARE(w.findChild<QComboBox*>("cboAnimal")->itemText(3), QString("rabbit"));
        QCOMPARE(w.findChild<QLineEdit*>("txbCCT")->text(), QString("JST"));
        // The pinyin names and the stem and branch pictures are shown for China only.
        QVERIFY(!w.findChild<QLabel*>("picStem_0")->isVisible());
        QVERIFY(!w.findChild<QLabel*>("lblYear")->isVisible());
        QVERIFY(!w.findChild<QLabel*>("lblElementAnimalOfDay_0")->isVisible());
        QCOMPARE(Text(w, "lblElementAnimalOfYear"), QString("water-snake year"));
        // Vietnam: the cat and the goat.
        country->setCurrentIndex(0);
        w.cboRefLong_Click();
        QCOMPARE(w.findChild<QComboBox*>("cboAnimal")->itemText(3), QString("cat"));
        QCOMPARE(w.findChild<QComboBox*>("cboAnimal")->itemText(7), QString("goat"));
        QCOMPARE(w.findChild<QComboBox*>("cboAnimal")->itemText(11), QString("pig"));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 128, 0));
        QVERIFY(Text(w, "lblChineseSolarDate_1").endsWith(" ICT"));
    }

    void theEpochChangesOnlyTheChineseYearNumbers()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        const QString ce = Text(w, "lblCommonEraDate_1");
        auto* epoch = w.findChild<QComboBox*>("cboEpoch");
        epoch->setCurrentIndex(1);
        w.cboEpoch_Click();
        QCOMPARE(w.Epoch(), -2636);
        QCOMPARE(Text(w, "lblChineseLunarDate_1"), QString("78-30-01-01 CHL 20:00 CCT"));
        QCOMPARE(Text(w, "lblYear"), QString("Year 4650"));
        QCOMPARE(Text(w, "lblCommonEraDate_1"), ce);
    }

    void readsATwelveHourClockAndTheZone()
    {
        FakePlatform fake;
        fake.clock.time = "1:05:09 PM";
        fake.clock.secondsWest = -19800; // 5.5 hours East of Greenwich
        frmMain w(fake.platform);
        w.Form_Load();
        // 13:05:09 local is 07:35:09 GMT.
        QCOMPARE(Text(w, "lblCommonEraDate_1"), QString("2013-02-10 CE 07:35 GMT Sunday"));
    }

    void theStoredCountryChoosesTheMeridian_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Vietnam") << "0" << "Vietnam" << QString::fromUtf8("Chronological JD 105\u00BA East");
        QTest::newRow("Japan") << "2" << "Japan" << QString::fromUtf8("Chronological JD 135\u00BA East");
        // Anything but exactly "0", "1" or "2" is ignored.
        QTest::newRow("out of range") << "3" << "China" << QString::fromUtf8("Chronological JD 120\u00BA East");
        QTest::newRow("blank") << " 2" << "China" << QString::fromUtf8("Chronological JD 120\u00BA East");
        QTest::newRow("text") << "Japan" << "China" << QString::fromUtf8("Chronological JD 120\u00BA East");
    }
    void theStoredCountryChoosesTheMeridian()
    {
        QFETCH(QString, stored);
        QFETCH(QString, country);
        QFETCH(QString, caption);
        FakePlatform fake;
        fake.settings.values.insert("\\ORLUN/cboRefLong", stored);
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(w.findChild<QComboBox*>("cboRefLong")->currentText(), country);
        QCOMPARE(Text(w, "lblChronologicalJulianDateBeijing_0"), caption);
    }

    void nowTakesTheClockAgain()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        w.findChild<QLineEdit*>("txbDate")->setText("2001-12-31 CE");
        fake.clock.date = "12-31-2001";
        fake.clock.time = "02:32:00";
        QTest::mouseClick(w.findChild<QPushButton*>("cmdNow"), Qt::LeftButton);
        QCOMPARE(Text(w, "lblCommonEraDate_1"), QString("2001-12-31 CE 02:32 GMT Monday"));
        QVERIFY(w.findChild<QLineEdit*>("txbDate")->text().isEmpty());
    }

    void aCaptionClickCopiesAndChoosesTheCalendarOnly()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QTest::mouseClick(w.findChild<QLabel*>("lblCommonEraDate_0"), Qt::LeftButton);
        QCOMPARE(fake.clipboard.text, QString("2013-02-10 CE 12:00 GMT Sunday"));
        QCOMPARE(w.intCalendar, int(orlun::kRowCE));
        QVERIFY(w.findChild<QLineEdit*>("txbDate")->text().isEmpty());
        QCOMPARE(Foreground(w, "lblCommonEraDate_0"), QColor(255, 255, 255));
        QCOMPARE(Foreground(w, "lblChineseLunarDate_0"), QColor(200, 200, 200));
    }

    void aValueClickAlsoFillsTheEntryFields_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("zone");
        QTest::newRow("CE") << "lblCommonEraDate_1" << int(orlun::kRowCE) << "2013-02-10 CE"
                            << "12:00" << 0;
        QTest::newRow("JC") << "lblJulianCalendarDate_1" << int(orlun::kRowJC) << "2013-01-28 JC"
                            << "12:00" << 0;
        QTest::newRow("CHL") << "lblChineseLunarDate_1" << int(orlun::kRowCHL)
                             << "79-30-01-01 CHL" << "20:00" << 1;
        QTest::newRow("CHS") << "lblChineseSolarDate_1" << int(orlun::kRowCHS)
                             << "79-30-04-07 CHS" << "20:00" << 1;
        QTest::newRow("ARC GMT") << "lblArchetypesCalendarGMT_1" << int(orlun::kRowARCGMT)
                                 << "4710-13-30 ARC" << "12:00" << 0;
        QTest::newRow("ARC CCT") << "lblArchetypesCalendarCCT_1" << int(orlun::kRowARCCCT)
                                 << "4710-13-30 ARC" << "20:00" << 1;
        QTest::newRow("CJDC") << "lblChronologicalJulianDateBeijing_1" << int(orlun::kRowCJDC)
                              << "2,456,334.8333 CJDC" << "" << -1;
        QTest::newRow("AJD") << "lblAstronomicalJulianDate_1" << int(orlun::kRowAJD)
                             << "2,456,334.0000 AJD" << "" << -1;
    }
    void aValueClickAlsoFillsTheEntryFields()
    {
        QFETCH(QString, label);
        QFETCH(int, row);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(int, zone);
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        w.findChild<QComboBox*>("cboElement")->setCurrentIndex(2);
        QTest::mouseClick(w.findChild<QLabel*>(label), Qt::LeftButton);
        QCOMPARE(w.intCalendar, row);
        QCOMPARE(w.findChild<QLineEdit*>("txbDate")->text(), date);
        QCOMPARE(w.findChild<QLineEdit*>("txbTime")->text(), time);
        QCOMPARE(w.findChild<QComboBox*>("cboTimeZone")->currentIndex(), zone);
        // A new date in the field resets the lists to their empty items; the Chinese values name
        // no element or animal that would choose one again.
        QCOMPARE(w.findChild<QComboBox*>("cboElement")->currentIndex(), 5);
        QCOMPARE(w.findChild<QComboBox*>("cboAnimal")->currentIndex(), 12);
        QCOMPARE(fake.clipboard.text, Text(w, label.toLatin1().constData()));
    }

    void theMoonLinesOnlyCopyTheirValues()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        for (const char* label : {"lblPhaseOfMoon_0", "lblAgeOfMoon_1"}) {
            fake.clipboard.text.clear();
            QTest::mouseClick(w.findChild<QLabel*>(label), Qt::LeftButton);
            const QString value = Text(w, QByteArray(label).replace("_0", "_1").constData());
            QCOMPARE(fake.clipboard.text, value);
        }
        QCOMPARE(w.intCalendar, int(orlun::kRowCHL));
        QVERIFY(w.findChild<QLineEdit*>("txbDate")->text().isEmpty());
    }

    void theChosenDirectionOfDaysIsHighlighted()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto colour = [&](const char* name) {
            return w.findChild<QWidget*>(name)->palette().color(QPalette::WindowText);
        };
        QCOMPARE(colour("optPlus"), QColor(255, 255, 255));
        QCOMPARE(colour("optMinus"), QColor(200, 200, 200));
        QTest::mouseClick(w.findChild<QWidget*>("optMinus"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(colour("optPlus"), QColor(200, 200, 200));
        QCOMPARE(colour("optMinus"), QColor(255, 255, 255));
    }

    void theCJDSwitchSwapsTheCJDLinesAndTheYearLabels()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* cjds = w.findChild<QCheckBox*>("chkShowCJDs");
        QTest::mouseClick(cjds, Qt::LeftButton);
        QVERIFY(w.findChild<QLabel*>("lblChronologicalJulianDateLondon_1")->isVisible());
        QVERIFY(w.findChild<QLabel*>("lblChronologicalJulianDateBeijing_0")->isVisible());
        QVERIFY(!w.findChild<QLabel*>("lblElementAnimalOfYear")->isVisible());
        QVERIFY(!w.findChild<QLabel*>("lblElementAnimalOfMonth")->isVisible());
        // The year labels stay hidden through a redisplay.
        QTest::mouseClick(w.findChild<QPushButton*>("cmdNow"), Qt::LeftButton);
        QVERIFY(!w.findChild<QLabel*>("lblElementAnimalOfYear")->isVisible());
        QTest::mouseClick(cjds, Qt::LeftButton);
        QVERIFY(!w.findChild<QLabel*>("lblChronologicalJulianDateLondon_1")->isVisible());
        QVERIFY(w.findChild<QLabel*>("lblElementAnimalOfYear")->isVisible());
    }

    void theARCSwitchHidesBothARCLines()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* arc = w.findChild<QCheckBox*>("chkShowARC");
        QTest::mouseClick(arc, Qt::LeftButton);
        for (const char* name : {"lblArchetypesCalendarGMT_0", "lblArchetypesCalendarGMT_1",
                                 "lblArchetypesCalendarCCT_0", "lblArchetypesCalendarCCT_1"})
            QVERIFY2(!w.findChild<QLabel*>(name)->isVisible(), name);
        QTest::mouseClick(arc, Qt::LeftButton);
        QVERIFY(w.findChild<QLabel*>("lblArchetypesCalendarGMT_0")->isVisible());
    }

    void resetRestoresTheDefaultsButNotTheCountry()
    {
        FakePlatform fake;
        fake.settings.values.insert("\\ORLUN/cboRefLong", "2");
        frmMain w(fake.platform);
        w.Form_Load();
        QTest::mouseClick(w.findChild<QCheckBox*>("chkShowARC"), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QCheckBox*>("chkShowCJDs"), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QLabel*>("lblCommonEraDate_1"), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QPushButton*>("cmdReset"), Qt::LeftButton);
        QVERIFY(w.findChild<QCheckBox*>("chkShowARC")->isChecked());
        QVERIFY(!w.findChild<QCheckBox*>("chkShowCJDs")->isChecked());
        QVERIFY(w.findChild<QLineEdit*>("txbDate")->text().isEmpty());
        QVERIFY(w.findChild<QLineEdit*>("txbTime")->text().isEmpty());
        QCOMPARE(w.intCalendar, int(orlun::kRowCHL));
        QCOMPARE(w.findChild<QComboBox*>("cboRefLong")->currentText(), QString("Japan"));
    }

    void theCountryMovesTheReferenceMeridian()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* country = w.findChild<QComboBox*>("cboRefLong");
        w.findChild<QLineEdit*>("txbDate")->setText("2013-02-10 CE");
        country->setCurrentIndex(2);
        w.cboRefLong_Click();
        QCOMPARE(Text(w, "lblChronologicalJulianDateBeijing_1"), QString("2,456,334.8750 CJDC"));
        QCOMPARE(w.findChild<QComboBox*>("cboTimeZone")->itemText(1), QString("JST"));
        QCOMPARE(w.findChild<QComboBox*>("cboMoveStep")->itemText(14), QString("ARC month (JST)"));
        // A date typed for the old meridian is not kept.
        QVERIFY(w.findChild<QLineEdit*>("txbDate")->text().isEmpty());
        QCOMPARE(w.palette().color(QPalette::Window), QColor(64, 64, 224));
    }

    void quitStoresTheCountry()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QSignalSpy quit(&w, &frmMain::quitRequested);
        auto* country = w.findChild<QComboBox*>("cboRefLong");
        country->setCurrentIndex(0);
        w.cboRefLong_Click();
        QTest::mouseClick(w.findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(fake.settings.values.value("\\ORLUN/cboRefLong"), QString("0"));
    }
};

QTEST_MAIN(TestFrmMainStartup)
#include "test_frmMain_startup.moc"

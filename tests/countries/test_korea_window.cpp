// The main window built with a fourth country (Korea, 127 E): it is in the country list, takes
// its meridian, zone code, colour and captions from its row, and a state saved with it restores it.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/main/frmMain.h"
#include "support/FakePlatform.h"
#include "support/StateFiles.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;
using orlun::test::ReadAll;
using orlun::test::StatePath;

namespace {

const QString kCountryKey = QStringLiteral("\\ORLUN/cboRefLong");

QString Text(frmMain& w, const char* name)
{
    auto* label = w.findChild<QLabel*>(name);
    if (!label) qFatal("no label %s", name);
    return label->text();
}

QComboBox* List(frmMain& w, const char* name) { return w.findChild<QComboBox*>(name); }

void ChooseKorea(frmMain& w)
{
    List(w, "cboRefLong")->setCurrentIndex(3);
    w.cboRefLong_Click();
}

} // namespace

class TestKoreaWindow : public QObject {
    Q_OBJECT

private slots:
    void koreaHasItsMeridianZoneColourAndCaptions()
    {
        FakePlatform fake; // 2013-02-10 12:00 at Greenwich: 20:28 at 127 E, the lunar new year
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(List(w, "cboRefLong")->count(), 4);
        QCOMPARE(List(w, "cboRefLong")->itemText(3), QString("Korea"));
        ChooseKorea(w);
        QCOMPARE(w.Settings().meridian.degreesEast(), 127);
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 96, 160));
        QCOMPARE(Text(w, "lblChineseLunarDate_0"), QString("Korean Lunar"));
        QCOMPARE(Text(w, "lblChineseLunarDate_1"), QString("79-30-01-01 CHL 20:28 KST"));
        QCOMPARE(Text(w, "lblChronologicalJulianDateBeijing_0"), QString::fromUtf8("Chronological JD 127\u00BA East"));
        QCOMPARE(w.findChild<QLineEdit*>("txbCCT")->text(), QString("KST"));
        QCOMPARE(List(w, "cboTimeZone")->itemText(1), QString("KST"));
        QCOMPARE(List(w, "cboMoveStep")->itemText(static_cast<int>(orlun::MoveUnit::ARCYear)),
                 QString("ARC year (KST)"));
        // Only China shows the pinyin names and the year number.
        QVERIFY(w.findChild<QLabel*>("lblYear")->isHidden());
    }

    // Its own word for the eighth animal is in the animal list and names the year of a typed date.
    void aDateTypedWithItsOwnAnimalWord()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        ChooseKorea(w);
        QComboBox* animals = List(w, "cboAnimal");
        QCOMPARE(animals->itemText(7), QString("ram"));
        List(w, "cboElement")->setCurrentIndex(1); // fire
        animals->setCurrentIndex(7);
        w.findChild<QLineEdit*>("txbDate")->setText("79-?-01-01 CHL");
        QTest::mouseClick(w.findChild<QPushButton*>("cmdCompute"), Qt::LeftButton);
        QVERIFY2(fake.messages.shown.isEmpty(), qPrintable(fake.messages.shown.value(0).text));
        QCOMPARE(Text(w, "lblChineseLunarDate_1").left(15), QString("79-44-01-01 CHL"));
    }

    void theStoredCountry_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("country");
        QTest::addColumn<int>("longitude");
        QTest::newRow("Korea") << "3" << "Korea" << 127;
        QTest::newRow("Japan") << "2" << "Japan" << 135;
        QTest::newRow("past the table") << "4" << "China" << 120;
        QTest::newRow("not exactly the index") << "03" << "China" << 120;
    }
    void theStoredCountry()
    {
        QFETCH(QString, stored);
        QFETCH(QString, country);
        QFETCH(int, longitude);
        FakePlatform fake;
        fake.settings.values.insert(kCountryKey, stored);
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(List(w, "cboRefLong")->currentText(), country);
        QCOMPARE(w.Settings().meridian.degreesEast(), longitude);
    }

    void aStateSavedWithKoreaRestoresIt()
    {
        FakePlatform fake;
        {
            frmMain w(fake.platform);
            w.Form_Load();
            ChooseKorea(w);
            QTest::mouseClick(w.findChild<QPushButton*>("cmdSaveState"), Qt::LeftButton);
            QVERIFY(fake.messages.shown.isEmpty());
        }
        QCOMPARE(fake.settings.values.value(kCountryKey), QString("3"));
        const QList<QByteArray> lines = ReadAll(StatePath(fake)).split('\n');
        QCOMPARE(lines[26 + 27], QByteArray("\"KST\"\r")); // the zone code of 127 E
        QCOMPARE(lines[72], QByteArray("27\r"));           // the longitude list index

        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(List(w, "cboRefLong")->currentText(), QString("Korea"));
        QCOMPARE(w.Settings().meridian.degreesEast(), 127);
        QCOMPARE(QString::fromStdString(w.Settings().zoneCode), QString("KST"));
        QCOMPARE(Text(w, "lblChineseLunarDate_1"), QString("79-30-01-01 CHL 20:28 KST"));
        QVERIFY(!w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
    }
};

QTEST_MAIN(TestKoreaWindow)
#include "test_korea_window.moc"

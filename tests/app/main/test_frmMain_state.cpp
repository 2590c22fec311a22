// "Save state" and "Restore state": the file "orlun.usr", its round trip through the window, and
// files that must not be applied.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/log/frmLogPreferences.h"
#include "app/main/frmMain.h"
#include "support/FakePlatform.h"
#include "support/StateFiles.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;
using orlun::test::ReadAll;
using orlun::test::StatePath;

namespace {

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void Click(frmMain& w, const char* button)
{
    QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
}

} // namespace

class TestFrmMainState : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheStateAndRestoreBringsItBack()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        // Change every kind of value the file holds.
        w.findChild<QLineEdit*>("txbDate")->setText("2000-01-01 CE");
        Click(w, "cmdCompute");
        w.findChild<QRadioButton*>("optMoveDirection_1")->setChecked(true);
        w.findChild<QRadioButton*>("optMinus")->setChecked(true);
        w.findChild<QRadioButton*>("optPrevious")->setChecked(true);
        w.findChild<QComboBox*>("cboMoveStep")->setCurrentIndex(9);
        w.findChild<QComboBox*>("cboTarget")->setCurrentIndex(4);
        w.findChild<QComboBox*>("cboRefreshPeriod")->setCurrentIndex(3);
        w.findChild<QComboBox*>("cboMethod")->setCurrentIndex(1);
        w.cboMethod_Click();
        w.findChild<QComboBox*>("cboEpoch")->setCurrentIndex(1);
        w.cboEpoch_Click();
        w.LogPreferencesWindow()->chkIncludeJC->setChecked(true);
        w.findChild<QCheckBox*>("chkShowARC")->setChecked(false);
        w.findChild<QCheckBox*>("chkShowCJDs")->setChecked(true);
        w.findChild<QCheckBox*>("chkAutoLog")->setChecked(true);
        const double moment = w.dblCurrentAJDate;
        const int calendar = w.intCalendar;

        Click(w, "cmdSaveState");
        QVERIFY(fake.messages.shown.isEmpty());
        QVERIFY(!w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
        QVERIFY(!w.findChild<QPushButton*>("cmdRestoreState")->isEnabled());
        QCOMPARE(fake.settings.values.value("\\ORLUN/cboRefLong"), QString("1"));

        const QByteArray file = ReadAll(StatePath(fake));
        const QList<QByteArray> lines = file.split('\n');
        QCOMPARE(lines.size(), 80); // 79 lines, each ended by CR LF
        QVERIFY(file.endsWith("\r\n"));
        QCOMPARE(lines[1], QByteArray("0\r"));     // CE, the calendar of the last conversion
        QCOMPARE(lines[2], QByteArray("0\r"));     // back
        QCOMPARE(lines[3], QByteArray("0\r"));     // minus
        QCOMPARE(lines[4], QByteArray("0\r"));     // previous
        QCOMPARE(lines[5], QByteArray("9\r"));
        QCOMPARE(lines[8], QByteArray("1\r"));
        QCOMPARE(lines[9], QByteArray("-2636\r"));
        QCOMPARE(lines[18], QByteArray("1\r"));    // chkIncludeJC
        QCOMPARE(lines[23], QByteArray("0\r"));    // show ARC
        QCOMPARE(lines[24], QByteArray("1\r"));    // show CJDs
        QCOMPARE(lines[25], QByteArray("1\r"));    // auto log
        QCOMPARE(lines[46], QByteArray("\"CCT\"\r"));
        QCOMPARE(lines[72], QByteArray("20\r"));

        // A second window restores it at start-up, silently.
        frmMain w2(fake.platform);
        w2.Form_Load();
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(w2.dblCurrentAJDate, moment);
        QCOMPARE(w2.intCalendar, int(orlun::kRowCHL)); // start-up always begins on CHL
        QVERIFY(w2.findChild<QRadioButton*>("optMoveDirection_1")->isChecked());
        QVERIFY(w2.findChild<QRadioButton*>("optMinus")->isChecked());
        QVERIFY(w2.findChild<QRadioButton*>("optPrevious")->isChecked());
        QCOMPARE(w2.findChild<QComboBox*>("cboMoveStep")->currentIndex(), 9);
        QCOMPARE(w2.findChild<QComboBox*>("cboTarget")->currentIndex(), 4);
        QCOMPARE(w2.findChild<QComboBox*>("cboRefreshPeriod")->currentIndex(), 3);
        QCOMPARE(w2.findChild<QComboBox*>("cboMethod")->currentIndex(), 1);
        QCOMPARE(w2.Epoch(), -2636);
        QVERIFY(w2.LogPreferencesWindow()->chkIncludeJC->isChecked());
        QVERIFY(!w2.findChild<QCheckBox*>("chkShowARC")->isChecked());
        QVERIFY(w2.findChild<QCheckBox*>("chkShowCJDs")->isChecked());
        QVERIFY(w2.findChild<QCheckBox*>("chkAutoLog")->isChecked());
        QCOMPARE(w2.findChild<QLabel*>("lblCommonEraDate_1")->text(),
                 QString("2000-01-01 CE 12:00 GMT Saturday"));
        QCOMPARE(w2.findChild<QLabel*>("lblChineseLunarDate_1")->text(),
                 QString("78-16-11-25 CHL 20:00 CCT"));
        // After a start that restored the state both buttons are disabled.
        QVERIFY(!w2.findChild<QPushButton*>("cmdSaveState")->isEnabled());
        QVERIFY(!w2.findChild<QPushButton*>("cmdRestoreState")->isEnabled());
        // Saving again writes the very same file.
        Q_UNUSED(calendar);
        w2.intCalendar = orlun::kRowCE;
        w2.CmdSaveStateEnabled(true);
        Click(w2, "cmdSaveState");
        QCOMPARE(ReadAll(StatePath(fake)), file);
    }

    void restoreAsksAboutTheLogConfiguration()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        w.LogPreferencesWindow()->chkIncludeJC->setChecked(true);
        w.findChild<QCheckBox*>("chkShowCJDs")->setChecked(true);
        Click(w, "cmdSaveState");
        w.LogPreferencesWindow()->chkIncludeJC->setChecked(false);
        w.findChild<QCheckBox*>("chkShowCJDs")->setChecked(false);
        w.findChild<QLineEdit*>("txbDate")->setText("2000-01-01 CE");
        Click(w, "cmdCompute");

        // No: everything but the log configuration comes back.
        fake.messages.answers = {false};
        Click(w, "cmdRestoreState");
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].title, QString("Restore state"));
        QCOMPARE(fake.messages.shown[0].text, QString("Restore previous log configuration also?"));
        QVERIFY(!w.LogPreferencesWindow()->chkIncludeJC->isChecked());
        QVERIFY(w.findChild<QCheckBox*>("chkShowCJDs")->isChecked());
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
        QVERIFY(!w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
        // Yes: the log configuration too.
        w.CmdSaveStateEnabled(true);
        fake.messages.answers = {true};
        Click(w, "cmdRestoreState");
        QVERIFY(w.LogPreferencesWindow()->chkIncludeJC->isChecked());
    }

    void aDamagedFileIsNotAppliedAtAll_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("empty file") << -1 << QByteArray();
        QTest::newRow("truncated") << -2 << QByteArray();
        QTest::newRow("not a number") << 5 << QByteArray("six");
        QTest::newRow("no such calendar") << 1 << QByteArray("9");
        QTest::newRow("no such step") << 5 << QByteArray("16");
        QTest::newRow("no such longitude") << 72 << QByteArray("46");
        QTest::newRow("huge line") << 40 << QByteArray(100000, '7');
        QTest::newRow("moment beyond 3000") << 0 << QByteArray("9999999");
    }
    void aDamagedFileIsNotAppliedAtAll()
    {
        QFETCH(int, line);
        QFETCH(QByteArray, value);
        FakePlatform fake;
        {
            frmMain w(fake.platform);
            w.Form_Load();
            w.findChild<QLineEdit*>("txbDate")->setText("2000-01-01 CE");
            Click(w, "cmdCompute");
            w.findChild<QComboBox*>("cboMoveStep")->setCurrentIndex(2);
            Click(w, "cmdSaveState");
        }
        QList<QByteArray> lines = ReadAll(StatePath(fake)).split('\n');
        lines.removeLast();
        if (line == -1) lines.clear();
        else if (line == -2) lines = lines.mid(0, 40);
        else lines[line] = value + "\r";
        const QByteArray damaged = lines.join('\n') + (lines.isEmpty() ? "" : "\n");
        WriteAll(StatePath(fake), damaged);

        // At start-up: the "Reset" defaults and the present moment.
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
        QCOMPARE(w.findChild<QComboBox*>("cboMoveStep")->currentIndex(), 6);
        QVERIFY(w.findChild<QPushButton*>("cmdRestoreState")->isEnabled());
        // From the button: nothing changes, not even in part; no question is asked, and the
        // user is told which file could not be read.
        w.findChild<QComboBox*>("cboMoveStep")->setCurrentIndex(12);
        Click(w, "cmdRestoreState");
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].title, QString("Restore state"));
        QCOMPARE(fake.messages.shown[0].text,
                 "The saved state could not be read from the file " +
                     QDir::toNativeSeparators(StatePath(fake)) + "\nNothing was changed.");
        QCOMPARE(w.findChild<QComboBox*>("cboMoveStep")->currentIndex(), 12);
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
        // The damaged file is left as it was.
        QCOMPARE(ReadAll(StatePath(fake)), damaged);
    }

    void restoreWithoutAFileDoesNothing()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Click(w, "cmdRestoreState");
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
    }

    void aStateFromJapanRestoredInChinaKeepsTheChineseMeridian()
    {
        FakePlatform fake;
        fake.settings.values.insert("\\ORLUN/cboRefLong", "2");
        {
            frmMain w(fake.platform);
            w.Form_Load();
            Click(w, "cmdSaveState");
        }
        QCOMPARE(ReadAll(StatePath(fake)).split('\n')[72], QByteArray("35\r"));
        fake.settings.values.insert("\\ORLUN/cboRefLong", "1");
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(w.Settings().meridian.degreesEast(), 120);
        QVERIFY(w.findChild<QLabel*>("lblChineseLunarDate_1")->text().endsWith(" CCT"));
    }

    void aFailedSaveSaysWhyAndKeepsTheButtonEnabled()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        // The state file's place is taken by a folder: the file cannot be written.
        QDir().mkpath(StatePath(fake));
        Click(w, "cmdSaveState");
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].title, QString("Save state"));
        QVERIFY2(fake.messages.shown[0].text.startsWith("Error when attempting to save the state: "),
                 qPrintable(fake.messages.shown[0].text));
        QVERIFY(w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
    }

    void convertingEnablesSaveAgain()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Click(w, "cmdSaveState");
        QVERIFY(!w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
        w.findChild<QLineEdit*>("txbDate")->setText("2000-01-01 CE");
        Click(w, "cmdCompute");
        QVERIFY(w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
        QVERIFY(w.findChild<QPushButton*>("cmdRestoreState")->isEnabled());
    }
};

QTEST_MAIN(TestFrmMainState)
#include "test_frmMain_state.moc"

// A screen reader names every control of every window by the caption or label the user sees,
// and names each display line by the calendar it shows.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/data/frmData.h"
#include "app/help/frmHelp.h"
#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"
#include "app/month/frmCalendar.h"
#include "app/search/frmMultiple_El_An.h"
#include "support/AccessibleNames.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using namespace orlun::app;
using orlun::test::UnnamedControls;
using orlun::test::ControlOf;
using orlun::test::LineValue;

namespace {

QString Name(QWidget* w) { return orlun::test::SpokenName(w); }
QString Value(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Value); }

} // namespace

class TestAccessibleNames : public QObject {
    Q_OBJECT
private slots:
    void everyWindowNamesEveryControl()
    {
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        ControlOf<QPushButton>(w, "cmdDisplayCalendar")->click();
        ControlOf<QPushButton>(w, "cmdHelp")->click();
        ControlOf<QPushButton>(w, "cmdDisplayYearData")->click();
        QVERIFY(w.CalendarWindow() && w.HelpWindow() && w.DataWindow());
        const QList<QWidget*> windows = {&w, w.DataWindow(), w.Log(), w.LogPreferencesWindow(),
                                         w.CalendarWindow(), w.HelpWindow(), w.MultipleWindow()};
        for (QWidget* window : windows)
            QVERIFY2(UnnamedControls(*window).isEmpty(),
                     qPrintable(window->objectName() + ": " + UnnamedControls(*window).join("; ")));
    }

    void namesAreTheCaptionsShown_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("button, && shown as &") << "cmdDisplayYearData"
                                               << "Dates/times/CJDs of dark moons & solar terms";
        QTest::newRow("field by its label") << "txbDate" << "Date:";
        QTest::newRow("country list by its label") << "cboRefLong" << "Reference longitude:";
        QTest::newRow("list without a label") << "cboMoveStep" << "Move step";
        QTest::newRow("CE line") << "lblCommonEraDate_1" << "Common Era (Gregorian):";
        QTest::newRow("CHL line follows the country") << "lblChineseLunarDate_1" << "Chinese Lunar";
        QTest::newRow("CJDC line") << "lblChronologicalJulianDateBeijing_1"
                                   << QString::fromUtf8("Chronological JD 120\u00BA East");
        QTest::newRow("second ARC line") << "lblArchetypesCalendarCCT_1"
                                         << "Zodozizidu Zidevuze (reference meridian)";
    }

    void namesAreTheCaptionsShown()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QWidget* widget = w.findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(Name(widget), name);
    }

    void aDisplayLineSaysItsValue()
    {
        orlun::test::FakePlatform fake; // 2013-02-10 12:00 GMT
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(Value(LineValue(w, "lblCommonEraDate")), QString("2013-02-10 CE 12:00 GMT Sunday"));
        ControlOf<QComboBox>(w, "cboRefLong")->setCurrentIndex(0); // Vietnam
        w.cboRefLong_Click();
        QCOMPARE(Name(LineValue(w, "lblChineseLunarDate")), QString("Vietnamese Lunar"));
    }

    // The check itself finds what it is for.
    void aPlantedControlWithoutANameIsReported()
    {
        QWidget window;
        auto* named = new QPushButton("Close", &window);
        named->setObjectName("cmdClose");
        auto* field = new QLineEdit(&window);
        field->setObjectName("txbPlanted");
        QVERIFY(UnnamedControls(window).isEmpty() == false);
        QCOMPARE(UnnamedControls(window), QStringList{"txbPlanted (QLineEdit): no name"});

        field->setAccessibleName("txbPlanted");
        QCOMPARE(UnnamedControls(window), QStringList{"txbPlanted (QLineEdit): named by its object name"});

        auto* label = new QLabel("Start:", &window);
        label->setBuddy(field);
        field->setAccessibleName("End");
        QCOMPARE(UnnamedControls(window),
                 QStringList{"txbPlanted (QLineEdit): named \"End\", shown as \"Start:\""});
        field->setAccessibleName(QString());
        QVERIFY(UnnamedControls(window).isEmpty());
    }
};

QTEST_MAIN(TestAccessibleNames)
#include "test_accessible_names.moc"

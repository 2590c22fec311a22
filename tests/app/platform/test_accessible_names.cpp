// A screen reader names every control of every window by the caption or label the user sees,
// and names each display line by the calendar it shows.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/data/frmData.h"
#include "app/festivals/frmFestivals.h"
#include "app/help/frmHelp.h"
#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"
#include "app/month/DayNames.h"
#include "app/month/frmCalendar.h"
#include "app/search/frmMultiple_El_An.h"
#include "app/platform/AccessibleComboBox.h"
#include "app/platform/ControlNames.h"
#include "support/AccessibleNames.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/monthview/NativeMonthView.h"

using namespace orlun::app;
using orlun::test::UnnamedControls;
using orlun::test::UnnamedItems;
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

    // As a screen reader walks them: every control and picture of every shown window has a name.
    void everyWindowNamesEveryItem()
    {
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        for (const char* button : {"cmdDisplayCalendar", "cmdHelp", "cmdDisplayYearData", "cmdFestivals"})
            ControlOf<QPushButton>(w, button)->click();
        QVERIFY(w.CalendarWindow() && w.HelpWindow() && w.DataWindow() && w.FestivalsWindow());
        const QList<QWidget*> windows = {&w, w.DataWindow(), w.Log(), w.LogPreferencesWindow(), w.CalendarWindow(),
                                         w.HelpWindow(), w.MultipleWindow(), w.FestivalsWindow()};
        for (QWidget* window : windows) {
            window->show();
            QVERIFY2(UnnamedItems(*window).isEmpty(),
                     qPrintable(window->objectName() + ": " + UnnamedItems(*window).join("; ")));
        }
        // The pictures of the main window say what they show.
        QCOMPARE(Name(ControlOf<QLabel>(w, "picStem_0")), QString("Stem of the year"));
        QCOMPARE(ControlOf<QLabel>(w, "picStem_0")->accessibleDescription(), QString::fromUtf8("The character 癸 (gui)"));
        QCOMPARE(ControlOf<QLabel>(w, "picBranch_1")->accessibleDescription(), QString::fromUtf8("The character 未 (wei)"));
        QVERIFY(ControlOf<QLabel>(w, "picMoon")->accessibleDescription().contains(QRegularExpression("^The Moon, [0-9]% lit, waxing$")));
    }

    // The lists of the multiple search are named by their captions, not by the item they show.
    void multipleSearchListsSayTheirCaptions()
    {
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QWidget* search = w.MultipleWindow();
        QStringList names;
        for (QComboBox* list : search->findChildren<QComboBox*>()) names << Name(list);
        names.sort(Qt::CaseInsensitive);
        QCOMPARE(names, QStringList({"day animal", "day element", "month animal", "month element", "Search within",
                                     "year animal", "year element"}));
        auto* first = search->findChildren<QComboBox*>().value(0);
        QCOMPARE(Value(first), first->currentText());
    }

    // One item per day of the month grid: 2013-02-10 begins the first month of 癸巳 (30 days).
    void theMonthGridHasAnItemPerDay()
    {
        orlun::test::FakePlatform fake; // 2013-02-10 12:00 GMT
        frmMain w(fake.platform);
        w.Form_Load();
        ControlOf<QPushButton>(w, "cmdDisplayCalendar")->click();
        QWidget* month = w.CalendarWindow();
        QVERIFY(month);
        const QStringList days = orlun::test::ItemNames(*month, "lblDay");
        QCOMPARE(days.size(), 30);
        QCOMPARE(days.value(0), QString("2013-02-10, lunar date 01-01, Spring Festival"));
        QCOMPARE(days.value(8), QString("2013-02-18, lunar date 01-09, Rain water"));
        QCOMPARE(days.value(14), QString("2013-02-24, lunar date 01-15, Lantern Festival"));
        QCOMPARE(days.value(29), QString("2013-03-11, lunar date 01-30"));
        ControlOf<QPushButton>(*month, "cmdShowPreviousOrNext1")->click(); // a month of 29 days
        QCOMPARE(orlun::test::ItemNames(*month, "lblDay").size(), 29);
    }

    void dayNamesInEachLanguage_data()
    {
        QTest::addColumn<orlun::Language>("language");
        QTest::addColumn<orlun::Country>("country");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("ninth");
        QTest::newRow("en") << orlun::Language::English << orlun::Country::China << "2013-02-10, lunar date 01-01, Spring Festival"
                            << "2013-02-18, lunar date 01-09, Rain water";
        QTest::newRow("zh-Hans") << orlun::Language::ChineseSimplified << orlun::Country::China
                                 << QString::fromUtf8("2013-02-10, 农历癸巳年正月初一, 春节")
                                 << QString::fromUtf8("2013-02-18, 农历癸巳年正月初九, 雨水");
        QTest::newRow("vi") << orlun::Language::Vietnamese << orlun::Country::Vietnam
                            << QString::fromUtf8("2013-02-10, Âm lịch: mùng 1 tháng Giêng năm Quý Tỵ, Tết Nguyên Đán")
                            << QString::fromUtf8("2013-02-18, Âm lịch: mùng 9 tháng Giêng năm Quý Tỵ, Vũ thủy");
    }

    void dayNamesInEachLanguage()
    {
        QFETCH(orlun::Language, language);
        QFETCH(orlun::Country, country);
        QFETCH(QString, first);
        QFETCH(QString, ninth);
        const orlun::CalendarSettings settings = orlun::SettingsForCountry(country);
        const orlun::MonthView view = orlun::InLanguage(orlun::MonthViewOf(orlun::DayNumber(2456334), orlun::DayNumber(0), settings), language);
        const auto names = DayNames(view, settings);
        QCOMPARE(names[0], first);
        QVERIFY(names[7].isEmpty()); // the cell after day 7 shows no day
        QCOMPARE(names[9], ninth);
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

    void aPlantedPictureWithoutANameIsReported()
    {
        InstallAccessibleComboBoxes(); // as the program does at start
        QWidget window;
        auto* picture = new QLabel(&window);
        picture->setObjectName("picPlanted");
        picture->setPixmap(QPixmap(8, 8));
        auto* list = new QComboBox(&window);
        list->setObjectName("cboPlanted");
        list->addItem("in a");
        window.show();
        QCOMPARE(UnnamedItems(window), QStringList({"picPlanted (QLabel): no name", "cboPlanted (QComboBox): no name"}));
        picture->setAccessibleName("Moon");
        NameControl(*list, "day element");
        QVERIFY(UnnamedItems(window).isEmpty());
        QCOMPARE(Name(list), QString("day element"));
        QCOMPARE(Value(list), QString("in a"));
        picture->hide(); // what is not shown is not read
        picture->setAccessibleName(QString());
        QVERIFY(UnnamedItems(window).isEmpty());
    }
};

QTEST_MAIN(TestAccessibleNames)
#include "test_accessible_names.moc"

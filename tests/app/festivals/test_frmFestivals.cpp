// The festivals and anniversaries window: a lunar year's festivals and a run of anniversaries on
// their days, the names in the language chosen, the iCalendar file (read back with libical) and
// the clipboard, its keys and names, and the main window's button that opens it.
#include <libical/ical.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "app/festivals/frmFestivals.h"
#include "app/main/frmMain.h"
#include "app/month/SaveFileDialog.h"
#include "calendar/western/DatePr2.h"
#include "support/AccessibleNames.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using namespace orlun;
using namespace orlun::app;
using orlun::test::ControlOf;

namespace {

class AnsweredDialog final : public SaveFileDialog {
public:
    QString Ask(QWidget*, const QString&, const QString&) override { return answer; }
    QString answer;
};

// The UIDs of the VEVENTs of an iCalendar file, in order; empty when libical cannot read it.
QStringList EventIds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    icalcomponent* calendar = icalparser_parse_string(file.readAll().constData());
    if (!calendar) return {};
    QStringList ids;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        ids << QString::fromUtf8(icalcomponent_get_uid(e));
    icalcomponent_free(calendar);
    return ids;
}

// The days of China's festivals in the lunar year 2025, as orlun-cli lists them.
const QStringList kChina2025 = {"2025-01-29", "2025-02-12", "2025-03-01", "2025-04-04", "2025-05-31",
                                "2025-08-29", "2025-09-06", "2025-10-06", "2025-10-29", "2025-12-21",
                                "2026-01-26", "2026-02-10", "2026-02-11", "2026-02-16"};

} // namespace

class TestFrmFestivals : public QObject {
    Q_OBJECT
    test::FakePlatform fake;
    AnsweredDialog dialog;
    Country country = Country::China;
    std::unique_ptr<frmFestivals> window;
    QTemporaryDir dir;

    QStringList Row(int row) const
    {
        const QTreeWidgetItem* item = window->lstDays->topLevelItem(row);
        if (!item) return {};
        QStringList cells;
        for (int c = 0; c < item->columnCount(); ++c) cells << item->text(c);
        return cells;
    }

    void Type(QLineEdit* field, const QString& text)
    {
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    QString LastMessage() const
    {
        return fake.messages.shown.isEmpty() ? QString()
                                             : fake.messages.shown.last().kind + "|" + fake.messages.shown.last().text;
    }

private slots:
    void init()
    {
        country = Country::China;
        fake.messages.shown.clear();
        fake.clipboard.text.clear();
        // The main window stands on 2025-03-01, in the lunar year 2025.
        window = std::make_unique<frmFestivals>(fake.platform, [this] {
            return FestivalsContext{SettingsForCountry(country), GregorianJDN(2025, 3, 1).value() + 0.0, {}};
        });
        window->SetSaveFileDialog(dialog);
        window->ShowMomentsYear();
    }

    void listsTheFestivalsOfTheMomentsYear()
    {
        QCOMPARE(window->txbYear->text(), QString("2025"));
        QCOMPARE(window->lblHeading->text(), QString("Festivals of the lunar year 2025 in China"));
        QStringList days;
        for (int row = 0; row < window->lstDays->topLevelItemCount(); ++row) days << Row(row).first();
        QCOMPARE(days, kChina2025);
        QCOMPARE(Row(13), QStringList({"2026-02-16", "Monday", "New Year's Eve", "lunar date 12-29"}));
        window->cmdCopy->click();
        QCOMPARE(fake.clipboard.text.count('\n'), 14);
        QVERIFY(fake.clipboard.text.startsWith("2025-01-29 Wednesday Spring Festival (lunar date 01-01)\n"
                                               "2025-02-12 Wednesday Lantern Festival (lunar date 01-15)\n"));
    }

    void stepsAndTypesYearsWithinTheRange()
    {
        window->cmdNextYear->click();
        QCOMPARE(window->txbYear->text(), QString("2026"));
        QCOMPARE(Row(0).first(), QString("2026-02-17"));
        Type(window->txbYear, "3000");
        QVERIFY(!window->cmdNextYear->isEnabled());
        QVERIFY(window->cmdPreviousYear->isEnabled());
        QVERIFY(!window->lblNote->text().isEmpty()); // the eve of the year 3001 is past the range
        Type(window->txbYear, "3001");
        QCOMPARE(LastMessage(), QString("warning|The lunar year must be a whole number from -3000 to 3000."));
        QCOMPARE(window->lblHeading->text(), QString("Festivals of the lunar year 3000 in China"));
    }

    void namesFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("firstRow");
        QTest::newRow("English first") << 0 << QStringList{"2025-01-29", "Wednesday", "Spring Festival", "lunar date 01-01"};
        QTest::newRow("简体中文") << 1 << QStringList{"2025-01-29", "星期三", "春节", "农历乙巳年正月初一"};
        QTest::newRow("繁體中文") << 2 << QStringList{"2025-01-29", "星期三", "春節", "農曆乙巳年正月初一"};
    }

    void namesFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, firstRow);
        QCOMPARE(window->cboLanguage->count(), 5);
        QCOMPARE(window->cboLanguage->itemText(4), QString("日本語"));
        window->cboLanguage->setCurrentIndex(language);
        QCOMPARE(Row(0), firstRow);
    }

    void vietnamsTetLastsThreeDays()
    {
        country = Country::Vietnam;
        window->cboLanguage->setCurrentIndex(3);
        Type(window->txbYear, "2030");
        QCOMPARE(window->lblHeading->text(), QString("Festivals of the lunar year 2030 in Vietnam"));
        QCOMPARE(Row(0).mid(0, 3), QStringList({"2030-02-02 đến 2030-02-04", "Thứ Bảy", "Tết Nguyên Đán"}));
    }

    void listsAnniversaries_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QString>("lunar");
        // A 30th on the 29th of a short month 12, from the year in the year field.
        QTest::newRow("12-30") << "12-30" << "3" << QStringList{"2025-01-28", "2026-02-16", "2027-02-05"}
                               << "lunar date 12-29";
        // A typed date (a day of the leap month 2 of 2023) repeats from the year after, in month 2.
        QTest::newRow("typed date") << "2023-03-25 CE" << "1" << QStringList{"2024-03-13"} << "lunar date 02-04";
    }

    void listsAnniversaries()
    {
        QFETCH(QString, date);
        QFETCH(QString, years);
        QFETCH(QStringList, days);
        QFETCH(QString, lunar);
        window->txbYear->setText("2024");
        window->txbTitle->setText("Grandmother");
        window->txbYears->setText(years);
        Type(window->txbLunarDate, date);
        QVERIFY2(fake.messages.shown.isEmpty(), qPrintable(LastMessage()));
        QCOMPARE(window->lstDays->topLevelItemCount(), days.size());
        for (int i = 0; i < days.size(); ++i) {
            QCOMPARE(Row(i).first(), days[i]);
            QCOMPARE(Row(i).mid(2), QStringList({"Grandmother", lunar}));
        }
    }

    void refusesBadAnniversaryFields()
    {
        window->txbYears->setText("0");
        Type(window->txbLunarDate, "12-30");
        QCOMPARE(LastMessage(), QString("warning|The number of years must be a whole number from 1 to 1000."));
        window->txbYears->setText("10");
        const QString hint = "Type a lunar month and day, such as 12-30, or 4*-15 in a leap month, or a date as "
                             "in the main window's date field.";
        Type(window->txbLunarDate, "");
        QCOMPARE(LastMessage(), "warning|" + hint);
        Type(window->txbLunarDate, "banana");
        QCOMPARE(LastMessage(), "warning|No date specified.\n" + hint);
        // Day 31 is no lunar day: read as the date field reads it, and refused there.
        Type(window->txbLunarDate, "12-31");
        QVERIFY(LastMessage().startsWith("warning|Calendar must be specified"));
        // The festivals stay listed.
        QCOMPARE(window->lstDays->topLevelItemCount(), 14);
    }

    void takesTheLunarDateOfTheMoment()
    {
        window->cmdMomentsLunarDate->click();
        QCOMPARE(window->txbLunarDate->text(), QString("02-02")); // 2025-03-01
        window->cmdListAnniversaries->click();
        QCOMPARE(window->lstDays->topLevelItemCount(), 10);
        QCOMPARE(Row(0).first(), QString("2025-03-01"));
        window->cmdShowFestivals->click();
        QCOMPARE(window->lstDays->topLevelItemCount(), 14);
    }

    void exportsAFileThatReadsBackWithTheSameIds()
    {
        dialog.answer = dir.filePath("festivals");
        window->cmdExport->click();
        const QString path = dir.filePath("festivals.ics");
        QCOMPARE(LastMessage(), "information|14 events have been saved in the iCalendar file\n" + path);
        const QStringList first = EventIds(path);
        QCOMPARE(first.size(), 14);
        QCOMPARE(first.front(), QString("spring-festival-2025-cn@orlun.calendar"));
        dialog.answer = dir.filePath("again.ics");
        window->cmdExport->click();
        QCOMPARE(EventIds(dir.filePath("again.ics")), first);
        // Cancelled: nothing more.
        dialog.answer.clear();
        window->cmdExport->click();
        QCOMPARE(fake.messages.shown.size(), 2);
    }

    void anExportThatCannotBeWrittenSaysWhyAndLeavesNothing()
    {
        dialog.answer = dir.filePath("no-such-folder/days.ics");
        window->cmdExport->click();
        QCOMPARE(LastMessage(), "warning|Nothing was saved.\nThe folder " + dir.filePath("no-such-folder") +
                                    " does not take a new file (No such file or directory)");
        QVERIFY(!QDir(dir.filePath("no-such-folder")).exists());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).filter("days"), QStringList());
    }

    void keysAndNames()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY2(test::UnnamedControls(*window).isEmpty(), qPrintable(test::UnnamedControls(*window).join("; ")));
        QVERIFY(window->cmdClose->isDefault());
        // Tab goes through the window as it reads, from the year field to Close and round.
        QApplication::setActiveWindow(window.get());
        window->txbYear->setFocus();
        QStringList order = {window->focusWidget()->objectName()};
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"txbYear", "cmdShowFestivals", "cmdPreviousYear", "cmdNextYear", "cboLanguage",
                                     "lstDays", "txbLunarDate", "cmdMomentsLunarDate", "txbTitle", "txbYears",
                                     "cmdListAnniversaries", "cmdExport", "cmdCopy", "cmdClose", "txbYear",
                                     "cmdShowFestivals"}));
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(window->isHidden());
    }

    void theMainWindowsButtonOpensIt()
    {
        frmMain w(fake.platform);
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Beside "List Julian & Common Era new years", under "Show lunar calendar month".
        auto* festivals = ControlOf<QPushButton>(w, "cmdFestivals");
        auto* calendar = ControlOf<QPushButton>(w, "cmdDisplayCalendar");
        QCOMPARE(festivals->y(), ControlOf<QPushButton>(w, "cmdListJulianCENewYears")->y());
        QCOMPARE(festivals->x(), calendar->x());
        QCOMPARE(festivals->width(), calendar->width());
        festivals->click();
        QVERIFY(w.FestivalsWindow() && w.FestivalsWindow()->isVisible());
        // The fake clock stands on 2013-02-10, the first day of the lunar year 2013.
        QCOMPARE(w.FestivalsWindow()->lblHeading->text(), QString("Festivals of the lunar year 2013 in China"));
        QCOMPARE(w.FestivalsWindow()->Listed().front().first, GregorianJDN(2013, 2, 10));
    }
};

QTEST_MAIN(TestFrmFestivals)
#include "test_frmFestivals.moc"

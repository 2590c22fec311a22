// The data window opened from the main window: the year data and its options, the lists with
// their number of years, Stop while a list runs, copying, and the self-test shortcut.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "app/data/frmData.h"
#include "app/main/frmMain.h"
#include "calendar/western/DatePr2.h"
#include "support/FakePlatform.h"

using orlun::app::frmData;
using orlun::app::frmMain;
using orlun::test::FakePlatform;

namespace {

void Convert(frmMain& w, const QString& date)
{
    w.findChild<QLineEdit*>("txbDate")->setText(date);
    QTest::mouseClick(w.findChild<QPushButton*>("cmdCompute"), Qt::LeftButton);
}

void Click(QWidget& w, const char* name) { QTest::mouseClick(w.findChild<QPushButton*>(name), Qt::LeftButton); }

// Saves what the window shows when ORLUN_SCREENSHOT_DIR names a folder.
void Shot(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("ORLUN_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

} // namespace

class TestFrmData : public QObject {
    Q_OBJECT

private slots:
    void yearDataFollowsItsOptions()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, "2014-06-01 CE");
        Click(w, "cmdDisplayYearData");
        frmData* d = w.DataWindow();
        QVERIFY(d->isVisible());
        QCOMPARE(d->windowTitle(), QString("Dates, times and CJDs of dark moons and solar terms"));
        const std::string& text = d->Text();
        QVERIFY(text.find(" M9* (0 zq)\r\n") != std::string::npos);
        QVERIFY(text.find("Sui 79-31 was a long sui, with 13 months.\r\n") != std::string::npos);
        QVERIFY(text.find("---------- Nian  79-31\r\n") != std::string::npos);
        QVERIFY(d->findChild<QLineEdit*>("txbNumYears")->isHidden());
        Shot(d, "mode3");

        // It opens with the major terms only, their names off.
        QVERIFY(text.find("  ST 1 Z11\r\n") != std::string::npos);
        QVERIFY(text.find("  ST 2 J12") == std::string::npos);
        QVERIFY(!d->findChild<QCheckBox*>("chkIncludeMinorSolarTerms")->isChecked());
        QVERIFY(!d->findChild<QCheckBox*>("chkDisplaySolarTermNames")->isChecked());

        d->findChild<QCheckBox*>("chkIncludeMajorSolarTerms")->click();
        QVERIFY(d->Text().find("----------") == std::string::npos);
        QVERIFY(d->Text().find("\r\nSui 79-31\r\n") != std::string::npos);
        d->findChild<QRadioButton*>("optJC")->click();
        QVERIFY(d->Text().find(" 2014-10-11 JC ") != std::string::npos); // 2014-10-24 CE
        QVERIFY(d->Text().find(" CE ") == std::string::npos);
    }

    void numberOfYearsIsCleanedAndRemembered()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, "2013-06-01 CE");
        frmData* d = w.DataWindow();
        auto* years = d->findChild<QLineEdit*>("txbNumYears");
        Click(w, "cmdListLeapMonths");
        QVERIFY(d->Text().find("for 3 years from 2012 CE") != std::string::npos);
        years->setText("x4y");
        Click(*d, "cmdList");
        QCOMPARE(years->text(), QString("4"));
        QVERIFY(d->Text().find("for 4 years from 2012 CE") != std::string::npos);
        QVERIFY(d->Text().find("79-29-4*-01  CHL =  2012-05-21 CE =  2456069 JDN  29 days\r\n") != std::string::npos);
        Shot(d, "mode2");
        Click(*d, "cmdClose"); // empties the field: the remembered number serves
        QVERIFY(!d->isVisible());
        Click(w, "cmdListLeapMonths");
        QCOMPARE(years->text(), QString("4"));
        years->setText("abc"); // nothing left after cleaning: the default serves
        Click(*d, "cmdList");
        QCOMPARE(years->text(), QString("3"));
    }

    void stopEndsALongListAndCloseBecomesCloseAgain()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, "2013-02-10 CE");
        frmData* d = w.DataWindow();
        d->findChild<QLineEdit*>("txbNumYears")->setText("500");
        d->intWindow = orlun::DataMode::LunarNewYears;
        QString closeWhileRunning;
        QTimer::singleShot(0, d, [&] {
            closeWhileRunning = d->cmdClose->text();
            d->cmdClose->click();
        });
        d->cmdList_Click();
        QCOMPARE(closeWhileRunning, QString("Stop"));
        QCOMPARE(d->cmdClose->text(), QString("Close"));
        QVERIFY(d->isVisible()); // the first click only stops
        const std::string& text = d->Text();
        QVERIFY(text.rfind("79-30-01-01 CHL = 2013-02-10 CE =  2456334 JDN 12m J1:0 Z1:1\r\n", 0) == std::string::npos);
        QVERIFY(text.find("79-30-01-01 CHL = 2013-02-10 CE =  2456334 JDN 12m J1:0 Z1:1\r\n") != std::string::npos);
        QVERIFY(text.find("80-50-01-01") == std::string::npos); // far from 500 years
        Shot(d, "mode1");
    }

    // The window open behind the main window comes to the front for each list and the self-test.
    void eachListComesToTheFront()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        frmData* d = w.DataWindow();
        Click(w, "cmdDisplayYearData");
        const std::function<void()> opens[] = {
            [&] { Click(w, "cmdListLeapMonths"); },
            [&] { Click(w, "cmdListLunarNewYears"); },
            [&] { QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier); },
            [&] { Click(w, "cmdDisplayYearData"); },
        };
        for (const auto& open : opens) {
            w.activateWindow();
            QTRY_VERIFY(w.isActiveWindow());
            QVERIFY(d->isVisible());
            open();
            QTRY_VERIFY(d->isActiveWindow());
        }
    }

    void theSelfTestWrapsWithItsHeadingInViewAndLabelledFields()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        w.cmdTest_Click();
        frmData* d = w.DataWindow();
        QCOMPARE(d->Text().size(), size_t(53 + 2000));
        QCOMPARE(d->txbText->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(d->txbText->horizontalScrollBar()->value(), 0);
        QCOMPARE(d->txbText->verticalScrollBar()->value(), 0);
        QCOMPARE(d->txbText->textCursor().position(), d->txbText->document()->characterCount() - 1);
        for (QLineEdit* field : {d->txbStart, d->txbEnd}) {
            QLabel* label = nullptr;
            for (QLabel* l : d->findChildren<QLabel*>())
                if (l->buddy() == field) label = l;
            QVERIFY2(label && label->isVisible() && !label->text().isEmpty(), qPrintable(field->objectName()));
        }
        Shot(d, "mode4");
        Click(w, "cmdListJulianCENewYears"); // the lists keep their lines whole
        QCOMPARE(d->txbText->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(!d->lblStart->isVisible());
    }

    // The lists stop at the last supported day (the calculator tests say where) and say so.
    void listsEndAtTheRangeAndSaySo()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, "95-47-01-01 CHL");
        for (const char* button : {"cmdListLunarNewYears", "cmdListLeapMonths"}) {
            fake.messages.shown.clear();
            w.DataWindow()->txbNumYears->setText("30");
            Click(w, button);
            QVERIFY2(w.DataWindow()->Text().find("3000-01-28") == std::string::npos, button); // lunar year 3000
            QCOMPARE(fake.messages.shown.size(), 1);
            QCOMPARE(fake.messages.shown[0].title, w.DataWindow()->windowTitle());
            QCOMPARE(fake.messages.shown[0].text, QString("Date is later than 3000-01-01 CE."));
        }
    }

    void copiesTheSelectionOrTheWholeText()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Convert(w, "2013-06-01 CE");
        Click(w, "cmdListJulianCENewYears");
        frmData* d = w.DataWindow();
        QVERIFY(d->findChild<QRadioButton*>("optCE")->isChecked());
        Shot(d, "mode5");
        Click(*d, "cmdCopyToClipboard");
        QCOMPARE(fake.clipboard.text, QString::fromStdString(d->Text()));
        QVERIFY(fake.clipboard.text.contains("\r\n2013-01-01 CE = 79-29-11-20 CHL\r\n"));
        QTextCursor c = d->txbText->textCursor();
        c.movePosition(QTextCursor::Start);
        c.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
        d->txbText->setTextCursor(c);
        QCOMPARE(d->cmdCopyToClipboard->text(), QString("Copy selected text to clipboard"));
        Click(*d, "cmdCopyToClipboard");
        QCOMPARE(fake.clipboard.text,
                 QString("Lunar calendar dates of New Years Day in the Common Era Calendar\r\n"
                         "(epoch = -2696, method = true sun, longitude 120\u00BA E, China)\r\n"));
        QCOMPARE(d->cmdCopyToClipboard->text(), QString("Copy to clipboard"));
    }

    // A native language ends the lines of the year data and of each list with its texts, in a
    // window wide enough to show them whole; English keeps its lines.
    void aNativeLanguageEndsTheLinesWithItsTexts()
    {
        using orlun::Language;
        struct Row { Language language; const char* nian; const char* newYear; const char* month; const char* euro; };
        const Row rows[] = {
            {Language::English, "Nian  79-41\r\n", "JDN 12m J1:1 Z1:1\r\n", "2460351 JDN  29 days\r\n",
             "79-40-11-20 CHL\r\n"},
            {Language::ChineseSimplified, "Nian  79-41  甲辰年\r\n", "J1:0 Z1:1  甲辰年正月初一\r\n",
             "29 days  甲辰年正月初一\r\n", "CHL  癸卯年冬月二十\r\n"},
            {Language::ChineseTraditional, "Nian  79-41  甲辰年\r\n", "J1:0 Z1:1  甲辰年正月初一\r\n",
             "29 days  甲辰年正月初一\r\n", "CHL  癸卯年冬月二十\r\n"},
            {Language::Vietnamese, "Nian  79-41  năm Giáp Thìn\r\n", "  mùng 1 tháng Giêng năm Giáp Thìn\r\n",
             "days  mùng 1 tháng Hai nhuận năm Quý Mão\r\n", "CHL  ngày 20 tháng Mười Một năm Quý Mão\r\n"},
            {Language::Japanese, "Nian  79-41  甲辰年\r\n", "  旧暦1月1日\r\n", "29 days  旧暦閏2月1日\r\n",
             "CHL  旧暦11月20日\r\n"},
        };
        FakePlatform fake;
        orlun::app::MainState state;
        state.settings = orlun::SettingsForCountry(orlun::Country::China);
        state.moment = orlun::GregorianJDN(2024, 2, 10).value();
        state.texts = orlun::BuildDisplayTexts(orlun::Moment(state.moment), state.settings);
        state.placement = {QRect(900, 100, 700, 700), QRect(0, 0, 1920, 1080), 300, false};
        frmData d(fake.platform, [&] { return state; }, nullptr);
        d.chkDisplaySolarTermNames->setChecked(true);
        d.chkIncludeMinorSolarTerms->setChecked(true);
        for (const Row& row : rows) {
            state.language = row.language;
            const QString tag = QString::fromLatin1(orlun::TagOf(row.language));
            d.DisplayYearData();
            QVERIFY2(d.Text().find(row.nian) != std::string::npos, row.nian);
            QCOMPARE(d.txbText->horizontalScrollBar()->maximum(), 0); // the longest line is in view
            Shot(&d, "year-data-" + tag);
            const std::pair<orlun::DataMode, const char*> lists[] = {{orlun::DataMode::LunarNewYears, row.newYear},
                                                                     {orlun::DataMode::MonthStarts, row.month},
                                                                     {orlun::DataMode::EuroNewYears, row.euro}};
            for (const auto& [mode, line] : lists) {
                d.intWindow = mode;
                d.txbNumYears->setText("3");
                d.cmdList_Click();
                QVERIFY2(d.Text().find(line) != std::string::npos, line);
                QCOMPARE(d.txbText->horizontalScrollBar()->maximum(), 0);
                Shot(&d, QString("list-%1-").arg(static_cast<int>(mode)) + tag);
            }
        }
    }

    void theShortcutRunsTheSelfTest()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QVERIFY(w.findChild<QPushButton*>("cmdTest")->isHidden());
        QApplication::setActiveWindow(&w);
        QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        frmData* d = w.DataWindow();
        QCOMPARE(d->windowTitle(), QString("Second test"));
        const std::string text = d->Text();
        QCOMPARE(text.substr(0, 53), std::string("Doing 1000 random solar,lunar -> JDN -> solar,lunar\r\n"));
        QCOMPARE(text.size(), size_t(53 + 2000));
        QCOMPARE(text.find_first_not_of("01", 53), std::string::npos);

        d->txbStart->setText("2013-02-10 CE");
        QTest::keyClick(d->txbStart, Qt::Key_Return);
        QCOMPARE(d->Text().substr(53 + 2000), std::string("11"));
        // A date it cannot read is reported by its error code, as orlun-cli selftest reports it.
        d->txbStart->setText("2013-02-30 CE");
        QTest::keyClick(d->txbStart, Qt::Key_Return);
        QCOMPARE(d->Text().substr(53 + 2002), std::string("Error code = 6\r\n"));
        Shot(d, "self-test-error-code");
    }
};

QTEST_MAIN(TestFrmData)
#include "test_frmData.moc"

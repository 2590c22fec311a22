// The main window's language: the choice kept in the settings store, the native line under the
// Chinese dates (none in English), the note on the windows' texts and the log entry's native line.
// With ORLUN_SCREENSHOT_DIR set, the window in each language is also saved there as a picture.
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QtTest>

#include "app/log/frmLog.h"
#include "app/main/frmMain.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using orlun::Language;
using orlun::app::frmMain;
using orlun::test::ControlOf;
using orlun::test::FakePlatform;

namespace {

const QString kLanguageKey = "\\ORLUN/Language";
const QString kCountryKey = "\\ORLUN/cboRefLong";

// 2024-02-10 12:00 GMT: the lunar new year's day of a 甲辰 year in all three countries.
void NewYear2024(FakePlatform& fake, const QString& language, const QString& country = "1")
{
    fake.clock.date = "02-10-2024";
    fake.settings.values.insert(kLanguageKey, language);
    fake.settings.values.insert(kCountryKey, country);
}

QLabel* NativeLine(frmMain& w) { return ControlOf<QLabel>(w, "lblNativeDate"); }

void Choose(frmMain& w, int index)
{
    auto* list = ControlOf<QComboBox>(w, "cboLanguage");
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QRect PlaceOf(frmMain& w, const char* name)
{
    w.layout()->activate();
    QCoreApplication::processEvents();
    QWidget* control = ControlOf<>(w, name);
    return {control->mapTo(&w, QPoint(0, 0)), control->size()};
}

} // namespace

class TestFrmMainLanguage : public QObject {
    Q_OBJECT

private slots:
    void theListOffersEnglishTheFourAndSystem()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* list = ControlOf<QComboBox>(w, "cboLanguage");
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        QCOMPARE(items, QStringList({"English", "简体中文", "繁體中文", "Tiếng Việt", "日本語", "System"}));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(w.State().language, Language::English);
    }

    void theChoiceIsStoredAndRestored()
    {
        FakePlatform fake;
        {
            frmMain w(fake.platform);
            w.Form_Load();
            QVERIFY(!fake.settings.values.contains(kLanguageKey)); // nothing stored until chosen
            Choose(w, 4);
            QCOMPARE(fake.settings.values.value(kLanguageKey), QString("ja"));
            QCOMPARE(w.State().language, Language::Japanese);
        }
        frmMain again(fake.platform);
        again.Form_Load();
        QCOMPARE(ControlOf<QComboBox>(again, "cboLanguage")->currentText(), QString("日本語"));
        QCOMPARE(again.State().language, Language::Japanese);
    }

    void theNativeLineShowsTheLunarDate_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("line");
        QTest::newRow("zh-Hans, China") << "zh-Hans" << "1" << "甲辰年正月初一\u3000龙年\u3000甲辰日";
        QTest::newRow("zh-Hant, China") << "zh-Hant" << "1" << "甲辰年正月初一\u3000龍年\u3000甲辰日";
        QTest::newRow("vi, Vietnam") << "vi" << "0"
                                     << "mùng 1 tháng Giêng năm Giáp Thìn · năm Rồng · ngày Giáp Thìn";
        QTest::newRow("ja, Japan") << "ja" << "2" << "旧暦1月1日\u3000先勝\u3000甲辰年\u3000甲辰日";
    }
    void theNativeLineShowsTheLunarDate()
    {
        QFETCH(QString, language);
        QFETCH(QString, country);
        QFETCH(QString, line);
        FakePlatform fake;
        NewYear2024(fake, language, country);
        frmMain w(fake.platform);
        w.Form_Load();
        QVERIFY(NativeLine(w)->isVisible());
        QCOMPARE(NativeLine(w)->text(), line);
        // It sits under the Chinese dates and above the Common Era line.
        QVERIFY(PlaceOf(w, "lblNativeDate").top() >= PlaceOf(w, "lblChineseSolarDate_1").bottom());
        QVERIFY(PlaceOf(w, "lblNativeDate").bottom() <= PlaceOf(w, "lblCommonEraDate_1").top());
    }

    // English keeps the window as it was: the line is hidden and its row takes no room.
    void inEnglishThereIsNoNativeLine()
    {
        FakePlatform fake;
        NewYear2024(fake, "en");
        frmMain w(fake.platform);
        w.Form_Load();
        QVERIFY(!NativeLine(w)->isVisible());
        QCOMPARE(NativeLine(w)->text(), QString());
        const int pitch = PlaceOf(w, "lblChineseSolarDate_1").top() - PlaceOf(w, "lblChineseLunarDate_1").top();
        QCOMPARE(PlaceOf(w, "lblCommonEraDate_1").top() - PlaceOf(w, "lblChineseSolarDate_1").top(), pitch);
    }

    // The line follows a new choice and a new moment at once; the list and the buttons stay put.
    void aNewChoiceShowsAtOnceAndMovesNoButton()
    {
        FakePlatform fake;
        NewYear2024(fake, "en");
        frmMain w(fake.platform);
        w.Form_Load();
        const QRect list = PlaceOf(w, "cboLanguage");
        const QRect quit = PlaceOf(w, "cmdQuit");
        auto* note = ControlOf<QLabel>(w, "lblLanguageNote");
        QVERIFY(!note->isVisible());
        Choose(w, 1);
        QCOMPARE(NativeLine(w)->text(), QString("甲辰年正月初一\u3000龙年\u3000甲辰日"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QString("Window texts change at the next start."));
        QCOMPARE(PlaceOf(w, "cboLanguage"), list);
        QCOMPARE(PlaceOf(w, "cmdQuit"), quit);
        QTest::mouseClick(ControlOf<QPushButton>(w, "cmdMoveOneDay"), Qt::LeftButton);
        QCOMPARE(NativeLine(w)->text(), QString("甲辰年正月初二\u3000龙年\u3000乙巳日"));
        // Back to the language the windows started in: no note, no line.
        Choose(w, 0);
        QVERIFY(!note->isVisible());
        QVERIFY(!NativeLine(w)->isVisible());
        QCOMPARE(PlaceOf(w, "cboLanguage"), list);
    }

    // A line longer than its column wraps there, and its row grows: nothing of it is cut.
    void aLongLineWrapsInsteadOfBeingCut()
    {
        FakePlatform fake;
        NewYear2024(fake, "vi", "0");
        frmMain w(fake.platform);
        w.Form_Load();
        QLabel* line = NativeLine(w);
        const int oneLine = PlaceOf(w, "lblNativeDate").height();
        line->setText(line->text() + " · " + line->text() + " · " + line->text());
        const QRect place = PlaceOf(w, "lblNativeDate");
        QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) > place.width());
        QVERIFY(place.height() > oneLine);
        QVERIFY(place.height() >= line->heightForWidth(place.width()));
        QVERIFY(place.bottom() <= PlaceOf(w, "lblCommonEraDate_1").top());
    }

    // After the CHL line and its long form.
    void theLogEntryGainsTheNativeLine()
    {
        FakePlatform fake;
        NewYear2024(fake, "zh-Hans");
        frmMain w(fake.platform);
        w.Form_Load();
        QTest::mouseClick(ControlOf<QPushButton>(w, "cmdAddToLog"), Qt::LeftButton);
        QVERIFY2(w.Log()->Text().contains("(year 4722).\r\n甲辰年正月初一\u3000龙年\u3000甲辰日\r\n"),
                 qPrintable(w.Log()->Text()));
    }

    void screenshotsInEveryLanguage()
    {
        const QString dir = qEnvironmentVariable("ORLUN_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("ORLUN_SCREENSHOT_DIR is not set");
        const std::pair<const char*, const char*> languages[] = {
            {"en", "1"}, {"zh-Hans", "1"}, {"zh-Hant", "1"}, {"vi", "0"}, {"ja", "2"}};
        for (const auto& [language, country] : languages) {
            FakePlatform fake;
            NewYear2024(fake, language, country);
            frmMain w(fake.platform);
            w.Form_Load();
            PlaceOf(w, "lblNativeDate");
            QVERIFY(w.grab().save(dir + "/main-" + language + ".png"));
        }
    }
};

QTEST_MAIN(TestFrmMainLanguage)
#include "test_frmMain_language.moc"

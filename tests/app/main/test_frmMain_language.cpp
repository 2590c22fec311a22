// The main window's language: the choice kept in the settings store, the line under the Chinese
// dates (none in English) and the log's native line. The program runs under a Vietnamese system
// locale, set before the application reads it, for "System".
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QtTest>

#include "app/log/frmLog.h"
#include "app/festivals/frmFestivals.h"
#include "app/main/frmMain.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using orlun::Language;
using orlun::app::frmMain;
using orlun::test::ControlOf;
using orlun::test::FakePlatform;

namespace {

// 2024-02-10 12:00 GMT: the lunar new year's day of a 甲辰 year in China (20:00) and Vietnam.
void NewYear2024(FakePlatform& fake, const QString& language, const QString& country = "1")
{
    fake.clock.date = "02-10-2024";
    fake.settings.values.insert("\\ORLUN/Language", language);
    fake.settings.values.insert("\\ORLUN/cboRefLong", country);
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
    void theChoiceIsStoredAndRestored()
    {
        FakePlatform fake;
        {
            frmMain w(fake.platform);
            w.Form_Load();
            // Nothing stored: "System", which under this test's Vietnamese locale is Vietnamese.
            QCOMPARE(ControlOf<QComboBox>(w, "cboLanguage")->currentText(), QString("System"));
            QCOMPARE(w.State().language, Language::Vietnamese);
            Choose(w, 4);
            QCOMPARE(fake.settings.values.value("\\ORLUN/Language"), QString("ja"));
        }
        frmMain again(fake.platform);
        again.Form_Load();
        QCOMPARE(ControlOf<QComboBox>(again, "cboLanguage")->currentText(), QString("日本語"));
        QCOMPARE(again.State().language, Language::Japanese);
    }

    // The line sits under the Chinese dates, and the log entry carries it after the CHL item.
    void theLineShowsTheLunarDateInTheChosenScript()
    {
        FakePlatform fake;
        NewYear2024(fake, "zh-Hans");
        frmMain w(fake.platform);
        w.Form_Load();
        const QString line = "甲辰年正月初一\u3000龙年\u3000甲辰日";
        QCOMPARE(NativeLine(w)->text(), line);
        QVERIFY(PlaceOf(w, "lblNativeDate").top() >= PlaceOf(w, "lblChineseSolarDate_1").bottom());
        QTest::mouseClick(ControlOf<QPushButton>(w, "cmdAddToLog"), Qt::LeftButton);
        QVERIFY(w.Log()->Text().contains("(year 4722).\r\n" + line + "\r\n"));
    }

    // English leaves the line out, taking no room; a new choice shows at once, and moves neither
    // the list nor the buttons.
    void aNewChoiceShowsAtOnceAndEnglishHasNoLine()
    {
        FakePlatform fake;
        NewYear2024(fake, "en");
        frmMain w(fake.platform);
        w.Form_Load();
        QVERIFY(!NativeLine(w)->isVisible());
        const int pitch = PlaceOf(w, "lblChineseSolarDate_1").top() - PlaceOf(w, "lblChineseLunarDate_1").top();
        QCOMPARE(PlaceOf(w, "lblCommonEraDate_1").top() - PlaceOf(w, "lblChineseSolarDate_1").top(), pitch);
        const QRect list = PlaceOf(w, "cboLanguage");
        Choose(w, 2);
        QCOMPARE(NativeLine(w)->text(), QString("甲辰年正月初一\u3000龍年\u3000甲辰日"));
        QVERIFY(ControlOf<QLabel>(w, "lblLanguageNote")->isVisible());
        QCOMPARE(PlaceOf(w, "cboLanguage"), list);
        // A line longer than its column wraps, and its row grows.
        QLabel* line = NativeLine(w);
        const int oneLine = PlaceOf(w, "lblNativeDate").height();
        line->setText(line->text().repeated(12));
        QTRY_VERIFY(line->height() > oneLine && line->height() >= line->heightForWidth(line->width()));
        QVERIFY(PlaceOf(w, "lblNativeDate").bottom() <= PlaceOf(w, "lblCommonEraDate_1").top());
    }

    // The festivals window starts in the windows' language (the choice, or the system's).
    void theFestivalsWindowStartsInTheWindowsLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Japanese") << "ja" << "日本語";
        QTest::newRow("System under vi") << "System" << "Tiếng Việt";
        QTest::newRow("English") << "en" << "English";
    }

    void theFestivalsWindowStartsInTheWindowsLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        FakePlatform fake;
        NewYear2024(fake, stored);
        frmMain w(fake.platform);
        w.Form_Load();
        ControlOf<QPushButton>(w, "cmdFestivals")->click();
        QVERIFY(w.FestivalsWindow());
        QCOMPARE(w.FestivalsWindow()->findChild<QComboBox*>("cboLanguage")->currentText(), shown);
    }

    void systemUnderAVietnameseLocaleIsVietnamese()
    {
        FakePlatform fake;
        NewYear2024(fake, "System", "0");
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(w.State().language, Language::Vietnamese);
        QCOMPARE(NativeLine(w)->text(), QString("mùng 1 tháng Giêng năm Giáp Thìn · năm Rồng · ngày Giáp Thìn"));
    }
};

int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "vi_VN.UTF-8");
    QApplication app(argc, argv);
    TestFrmMainLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_frmMain_language.moc"

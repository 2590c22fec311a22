// Every window in each of the four languages: no visible text may still be its English source,
// but for the names that stay (calendar codes, "Zodozizidu Zidevuze", "Orlun"), numbers and dates.
// The choice "System" follows the system locale: run under LANG=vi_VN.UTF-8 (a ctest of its own),
// the windows speak Vietnamese.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <cstdio>

#include "app/data/frmData.h"
#include "app/festivals/frmFestivals.h"
#include "app/help/frmHelp.h"
#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "app/main/frmMain.h"
#include "app/month/frmCalendar.h"
#include "app/platform/Translations.h"
#include "app/search/frmMultiple_El_An.h"
#include "app/shared/LanguageChoice.h"
#include "support/FakePlatform.h"

using orlun::Language;
using orlun::app::frmMain;
using orlun::test::FakePlatform;

namespace {

// Where a text is shown ("frmMain/cmdQuit") and the text.
using ShownTexts = QMap<QString, QString>;

// The main window's calculated values: dates, day counts and the pinyin names of the day, year
// and month, whose native forms the native-script line shows.
bool IsCalculatedValue(const QWidget& control)
{
    static const QRegularExpression values(
        "^(lbl\\w+_1|lblYear|lblElementAnimalOfYear|lblElementAnimalOfMonth|lblElementAnimalOfDay_0)$");
    return values.match(control.objectName()).hasMatch();
}

// A text that stays in every language: a language's own name, or a text that has no letter left
// once the codes (CHL, GMT, CCT ...) and the names that stay are taken out.
bool StaysAsItIs(QString text)
{
    for (const Language language : orlun::kLanguages)
        if (text == QString::fromUtf8(orlun::OwnNameOf(language).data(), orlun::OwnNameOf(language).size()))
            return true;
    static const QRegularExpression names("Zodozizidu Zidevuze|Orlun|\\b[A-Z]{2,6}\\b");
    text.remove(names);
    return !text.contains(QRegularExpression("\\p{L}"));
}

void AddTexts(ShownTexts& shown, const QWidget& window)
{
    const QString where = window.objectName() + "/";
    shown.insert(where + "windowTitle", window.windowTitle());
    int index = 0;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString key = where + (control->objectName().isEmpty() ? QString::number(index) : control->objectName());
        ++index;
        // The windows the main window opens are its children too: each is collected on its own.
        if (control->window() != &window || !control->isVisibleTo(&window) || IsCalculatedValue(*control)) continue;
        if (const auto* label = qobject_cast<const QLabel*>(control)) shown.insert(key, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) shown.insert(key, button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(control)) shown.insert(key, group->title());
        if (const auto* list = qobject_cast<const QComboBox*>(control))
            for (int i = 0; i < list->count(); ++i) shown.insert(key + "/" + QString::number(i), list->itemText(i));
    }
}

void Click(frmMain& w, const char* button) { w.findChild<QPushButton*>(button)->click(); }

// The texts of every window: the main window, the log and its preferences, help, the year data,
// the month, the festivals and the multiple element-animal search.
// The language is chosen as the user chooses it, so the windows' dates follow it too.
// With no language stored when nullopt (a first start).
ShownTexts TextsOfEveryWindow(std::optional<Language> language)
{
    FakePlatform fake;
    if (language) orlun::app::SaveLanguageChoice(fake.settings, {*language});
    frmMain w(fake.platform);
    w.Form_Load();
    Click(w, "cmdDisplayYearData");
    Click(w, "cmdDisplayCalendar");
    Click(w, "cmdFestivals");
    Click(w, "cmdHelp");
    ShownTexts shown;
    for (const QWidget* window : std::initializer_list<const QWidget*>{
             &w, w.Log(), w.LogPreferencesWindow(), w.HelpWindow(), w.DataWindow(), w.CalendarWindow(),
             w.FestivalsWindow(), w.MultipleWindow()})
        if (window) AddTexts(shown, *window);
    return shown;
}

// "window/control: text" of every text still its English source.
QStringList Untranslated(const ShownTexts& english, const ShownTexts& translated)
{
    QStringList same;
    for (auto it = english.begin(); it != english.end(); ++it)
        if (!StaysAsItIs(it.value()) && translated.value(it.key()) == it.value())
            same << it.key() + ": " + it.value();
    return same;
}

} // namespace

class TestWindowLanguages : public QObject {
    Q_OBJECT

    ShownTexts english_;

private slots:
    void initTestCase() { english_ = TextsOfEveryWindow(Language::English); }

    void noTextStaysEnglish_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("zh_CN") << Language::ChineseSimplified;
        QTest::newRow("zh_TW") << Language::ChineseTraditional;
        QTest::newRow("vi") << Language::Vietnamese;
        QTest::newRow("ja") << Language::Japanese;
    }

    void noTextStaysEnglish()
    {
        QFETCH(Language, language);
        const orlun::app::InstalledTranslations translations(*QCoreApplication::instance(), language);
        QVERIFY(translations.ok());
        const QStringList same = Untranslated(english_, TextsOfEveryWindow(language));
        for (const QString& line : same) std::printf("  untranslated %s\n", qPrintable(line));
        QVERIFY2(same.isEmpty(), qPrintable(QString("%1 texts untranslated (listed above)").arg(same.size())));
    }

    // English installs nothing: every text is its source.
    void englishIsTheSource()
    {
        const orlun::app::InstalledTranslations translations(*QCoreApplication::instance(), Language::English);
        QVERIFY(translations.ok());
        QCOMPARE(TextsOfEveryWindow(Language::English), english_);
    }

    // Run by the ctests app.test_window_languages.first_start_* under another locale (C, fr_FR):
    // a first start speaks English, every text as it was.
    void aFirstStartUnderAnotherLocaleIsEnglish()
    {
        const QLocale::Language system = QLocale::system().language();
        if (system != QLocale::C && system != QLocale::French) QSKIP("needs LANG=C or fr_FR.UTF-8");
        FakePlatform fake;
        QCOMPARE(orlun::app::EffectiveLanguage(orlun::app::RestoreLanguageChoice(fake.settings), QLocale::system()),
                 Language::English);
        QCOMPARE(TextsOfEveryWindow(std::nullopt), english_);
    }

    // Run by the ctest app.test_window_languages.system_vi under LANG=vi_VN.UTF-8.
    void systemChoiceFollowsTheLocale()
    {
        if (QLocale::system().language() != QLocale::Vietnamese) QSKIP("needs LANG=vi_VN.UTF-8");
        FakePlatform fake;
        QVERIFY(orlun::app::SaveLanguageChoice(fake.settings, {std::nullopt}));
        const Language language =
            orlun::app::EffectiveLanguage(orlun::app::RestoreLanguageChoice(fake.settings), QLocale::system());
        QCOMPARE(language, Language::Vietnamese);
        const orlun::app::InstalledTranslations translations(*QCoreApplication::instance(), language);
        QVERIFY(translations.ok());
        const QStringList same = Untranslated(english_, TextsOfEveryWindow(language));
        for (const QString& line : same) std::printf("  untranslated %s\n", qPrintable(line));
        QVERIFY2(same.isEmpty(), qPrintable(QString("%1 texts untranslated (listed above)").arg(same.size())));
    }
};

QTEST_MAIN(TestWindowLanguages)
#include "test_window_languages.moc"

// The language choice: stored by tag, read back, and resolved against the system locale.
#include <QtTest>

#include "app/shared/LanguageChoice.h"
#include "support/FakePlatform.h"

using namespace orlun;
using namespace orlun::app;

class TestLanguageChoice : public QObject {
    Q_OBJECT
private slots:
    void listOrderAndOwnNames()
    {
        const QStringList expected = {"English", "简体中文", "繁體中文", "Tiếng Việt", "日本語", "System"};
        QStringList texts;
        for (int i = 0; i < kLanguageChoiceCount; ++i) texts << LanguageChoiceText(LanguageChoiceAt(i));
        QCOMPARE(texts, expected);
        for (int i = 0; i < kLanguageChoiceCount; ++i) QCOMPARE(IndexOfLanguageChoice(LanguageChoiceAt(i)), i);
    }

    void storedByTagAndReadBack()
    {
        test::FakeSettings store;
        QCOMPARE(RestoreLanguageChoice(store), LanguageChoice{std::nullopt}); // "System" by default
        for (int i = 0; i < kLanguageChoiceCount; ++i) {
            QVERIFY(SaveLanguageChoice(store, LanguageChoiceAt(i)));
            QCOMPARE(RestoreLanguageChoice(store), LanguageChoiceAt(i));
        }
        QCOMPARE(store.values.value("\\ORLUN/Language"), QString("System"));
        store.values["\\ORLUN/Language"] = "klingon";
        QCOMPARE(RestoreLanguageChoice(store), LanguageChoice{Language::English});
        store.refuseWrites = true;
        QVERIFY(!SaveLanguageChoice(store, LanguageChoice{Language::Japanese}));
    }

    void systemFollowsTheLocaleWhenItIsOneOfTheFour()
    {
        const LanguageChoice system{std::nullopt};
        QCOMPARE(EffectiveLanguage(system, QLocale("vi_VN")), Language::Vietnamese);
        QCOMPARE(EffectiveLanguage(system, QLocale("ja_JP")), Language::Japanese);
        QCOMPARE(EffectiveLanguage(system, QLocale("zh_CN")), Language::ChineseSimplified);
        QCOMPARE(EffectiveLanguage(system, QLocale("zh_TW")), Language::ChineseTraditional);
        QCOMPARE(EffectiveLanguage(system, QLocale("zh_HK")), Language::ChineseTraditional);
        QCOMPARE(EffectiveLanguage(system, QLocale("de_DE")), Language::English);
        QCOMPARE(EffectiveLanguage(system, QLocale("zh_SG")), Language::ChineseSimplified);
        for (const char* other : {"C", "en_US", "en_GB", "fr_FR", "ko_KR"})
            QCOMPARE(EffectiveLanguage(system, QLocale(other)), Language::English);
        QCOMPARE(EffectiveLanguage(LanguageChoice{Language::English}, QLocale("ja_JP")), Language::English);
    }
};

QTEST_MAIN(TestLanguageChoice)
#include "test_language_choice.moc"

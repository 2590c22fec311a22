// "System" under a Vietnamese system locale: the window takes Vietnamese, and the other windows
// read it from the main window's state. The locale is set before the application reads it.
#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "app/main/frmMain.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using orlun::Language;
using orlun::app::frmMain;
using orlun::test::ControlOf;
using orlun::test::FakePlatform;

class TestFrmMainLanguageSystem : public QObject {
    Q_OBJECT

private slots:
    void systemUnderAVietnameseLocaleGivesVietnamese()
    {
        QCOMPARE(QLocale::system().language(), QLocale::Vietnamese);
        FakePlatform fake;
        fake.clock.date = "02-10-2024";
        fake.settings.values.insert("\\ORLUN/Language", "System");
        fake.settings.values.insert("\\ORLUN/cboRefLong", "0"); // Vietnam
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(ControlOf<QComboBox>(w, "cboLanguage")->currentText(), QString("System"));
        QCOMPARE(w.State().language, Language::Vietnamese);
        QCOMPARE(ControlOf<QLabel>(w, "lblNativeDate")->text(),
                 QString("mùng 1 tháng Giêng năm Giáp Thìn · năm Rồng · ngày Giáp Thìn"));
        // English chosen over the system's language.
        auto* list = ControlOf<QComboBox>(w, "cboLanguage");
        list->setCurrentIndex(0);
        emit list->activated(0);
        QCOMPARE(w.State().language, Language::English);
        QVERIFY(!ControlOf<QLabel>(w, "lblNativeDate")->isVisible());
    }
};

int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "vi_VN.UTF-8");
    qputenv("LANG", "vi_VN.UTF-8");
    QApplication app(argc, argv);
    TestFrmMainLanguageSystem test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_frmMain_language_system.moc"

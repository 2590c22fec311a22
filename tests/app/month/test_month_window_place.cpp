// The month window opens against the right edge of the screen, wholly on it, in every language:
// a native script makes the month wider, and the window is placed after it has grown. Runs on a
// 1600 × 1100 offscreen screen, wide enough for the window beside the main window.
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main/frmMain.h"
#include "app/month/frmCalendar.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using orlun::app::frmMain;
using orlun::test::ControlOf;
using orlun::test::FakePlatform;

class TestMonthWindowPlace : public QObject {
    Q_OBJECT

private slots:
    void wholeOnTheScreen_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* tag : {"en", "zh-Hans", "zh-Hant", "vi", "ja"}) QTest::newRow(tag) << QString(tag);
    }

    void wholeOnTheScreen()
    {
        QFETCH(QString, language);
        FakePlatform fake;
        fake.clock.date = "02-10-2024";
        fake.settings.values.insert("\\ORLUN/Language", language);
        frmMain w(fake.platform);
        w.Form_Load();
        ControlOf<QPushButton>(w, "cmdDisplayCalendar")->click();
        QWidget* month = w.CalendarWindow();
        QVERIFY(month);
        const QRect area = w.screen()->availableGeometry();
        QVERIFY2(month->frameGeometry().right() <= area.right(),
                 qPrintable(QString("right edge %1 past %2").arg(month->frameGeometry().right()).arg(area.right())));
    }
};

int main(int argc, char* argv[])
{
    QTemporaryDir dir;
    QFile screens(dir.filePath("screens.json"));
    if (!screens.open(QIODevice::WriteOnly)) return 1;
    screens.write(R"({"screens":[{"name":"wide","x":0,"y":0,"width":1600,"height":1100,)"
                  R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toUtf8());
    QApplication app(argc, argv);
    TestMonthWindowPlace test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_month_window_place.moc"

// The main window comes back where it was left: its place kept as text in the settings store,
// read back strictly, and fitted to the screens there are at the next start.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main/WindowPlacement.h"
#include "app/main/frmMain.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using namespace orlun::app;
using orlun::test::ControlOf;

namespace {

const QString kKey = "\\ORLUN/MainWindowPlacement"; // the form kept before, still read
const QString kGeometryKey = "\\ORLUN/MainWindowGeometry";

} // namespace

// Where a window opens with nothing kept: (100, 100), moved in as far as the screen needs.
static QPoint DefaultPlace()
{
    orlun::test::FakePlatform fresh;
    frmMain w(fresh.platform);
    w.Form_Load();
    return w.pos();
}

class TestFrmMainPlacement : public QObject {
    Q_OBJECT
private slots:
    void readsOnlyWellFormedPlacements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // written back; empty when refused
        QTest::newRow("plain") << "201,70,1300,700" << "201,70,1300,700";
        QTest::newRow("maximized") << "0,0,1300,700,maximized" << "0,0,1300,700,maximized";
        QTest::newRow("left of the first screen") << "-1600,20,800,600" << "-1600,20,800,600";
        QTest::newRow("blanks") << " 201, 70 ,1300,700" << "201,70,1300,700";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("three fields") << "201,70,1300" << "";
        QTest::newRow("six fields") << "201,70,1300,700,maximized,1" << "";
        QTest::newRow("other fifth field") << "201,70,1300,700,minimized" << "";
        QTest::newRow("no width") << "201,70,0,700" << "";
        QTest::newRow("negative height") << "201,70,1300,-1" << "";
        QTest::newRow("beyond any desktop") << "201,70,1300,100001" << "";
        QTest::newRow("beyond 32 bits") << "99999999999,70,1300,700" << "";
        QTest::newRow("decimal") << "201.5,70,1300,700" << "";
        QTest::newRow("words") << "left,top,wide,high" << "";
    }

    void readsOnlyWellFormedPlacements()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        const auto placement = ParsePlacement(text);
        QCOMPARE(placement ? PlacementText(*placement) : QString(), read);
    }

    void fitsTheScreensThereAreNow_data()
    {
        const QRect left(-1600, 0, 1600, 1200), main(0, 0, 1920, 1050);
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("fitted"); // null: the default place
        QTest::newRow("inside") << QRect(201, 70, 1300, 700) << QList{main} << QRect(201, 70, 1300, 700);
        QTest::newRow("half off the right") << QRect(1500, 70, 1000, 700) << QList{main}
                                            << QRect(920, 70, 1000, 700);
        QTest::newRow("above the top") << QRect(100, -40, 800, 600) << QList{main} << QRect(100, 0, 800, 600);
        QTest::newRow("larger than the screen") << QRect(50, 50, 2500, 1400) << QList{main}
                                                << QRect(0, 0, 1920, 1050);
        QTest::newRow("on the left screen") << QRect(-1500, 100, 1300, 700) << QList{left, main}
                                            << QRect(-1500, 100, 1300, 700);
        QTest::newRow("mostly on the left screen") << QRect(-1000, 100, 1300, 700) << QList{left, main}
                                                   << QRect(-1300, 100, 1300, 700);
        QTest::newRow("the left screen gone") << QRect(-1500, 100, 1300, 700) << QList{main} << QRect();
        QTest::newRow("no screen") << QRect(201, 70, 1300, 700) << QList<QRect>{} << QRect();
    }

    void fitsTheScreensThereAreNow()
    {
        QFETCH(QRect, saved);
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, fitted);
        QCOMPARE(FitToScreens(saved, screens).value_or(QRect()), fitted);
    }

    void comesBackWhereItWasLeft()
    {
        orlun::test::FakePlatform fake;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        {
            frmMain w(fake.platform);
            w.Form_Load();
            QCOMPARE(w.pos(), DefaultPlace()); // nothing kept yet
            w.move(area.left() + 31, area.top() + 20);
            ControlOf<QPushButton>(w, "cmdQuit")->click();
        }
        // Qt's own record, in base64; the older form is no longer written.
        const QString kept = fake.settings.values.value(kGeometryKey);
        QVERIFY(QByteArray::fromBase64Encoding(kept.toLatin1(), QByteArray::AbortOnBase64DecodingErrors));
        QVERIFY(!fake.settings.values.contains(kKey));
        frmMain again(fake.platform);
        again.Form_Load();
        QCOMPARE(again.pos(), area.topLeft() + QPoint(31, 20));
    }

    // The size and place stay the same start after start (nothing is added at each start).
    void theSameOverFiveStarts()
    {
        orlun::test::FakePlatform fake;
        QRect first;
        for (int start = 0; start < 6; ++start) {
            frmMain w(fake.platform);
            w.Form_Load();
            QTest::qWait(50);
            if (start == 0) first = w.geometry();
            QCOMPARE(w.geometry(), first);
            ControlOf<QPushButton>(w, "cmdQuit")->click();
        }
    }

    // A record of Qt's that is damaged or not base64 is no error: the default place.
    void aDamagedRecordLeavesTheDefault_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::newRow("not base64") << "#*!";
        QTest::newRow("empty") << "";
        QTest::newRow("other bytes") << QString::fromLatin1(QByteArray("not a geometry").toBase64());
    }

    void aDamagedRecordLeavesTheDefault()
    {
        QFETCH(QString, kept);
        orlun::test::FakePlatform fake;
        fake.settings.values.insert(kGeometryKey, kept);
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(w.pos(), DefaultPlace());
        QVERIFY(fake.messages.shown.isEmpty());
    }

    // A place kept in the older form is read when no record of Qt's is kept.
    void theOlderFormIsReadOnce()
    {
        orlun::test::FakePlatform fake;
        fake.settings.values.insert(kKey, PlacementText({QRect(40, 30, 900, 500)}));
        frmMain w(fake.platform);
        w.Form_Load();
        // The corner was the frame's: the inside stands a title bar and a border below it (offscreen
        // windows have no frame, so the window stands that much lower).
        QVERIFY2(QRect(40, 30, 10, 50).contains(w.pos()), qPrintable(QString("%1,%2").arg(w.x()).arg(w.y())));
        ControlOf<QPushButton>(w, "cmdQuit")->click();
        QVERIFY(fake.settings.values.contains(kGeometryKey));
    }

    void aPlaceThatCannotBeUsedLeavesTheDefault_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::newRow("damaged") << "201;70;1300;700";
        QTest::newRow("on a screen that is gone") << "-30000,-30000,1300,700";
    }

    void aPlaceThatCannotBeUsedLeavesTheDefault()
    {
        QFETCH(QString, kept);
        orlun::test::FakePlatform fake;
        fake.settings.values.insert(kKey, kept);
        frmMain w(fake.platform);
        w.Form_Load();
        QCOMPARE(w.pos(), DefaultPlace());
        QVERIFY(fake.messages.shown.isEmpty());
    }
};

// A screen wide enough for the window (the offscreen default is 800 x 600).
int main(int argc, char* argv[])
{
    QTemporaryDir dir;
    QFile screens(dir.filePath("screens.json"));
    if (!screens.open(QIODevice::WriteOnly)) return 1;
    screens.write(R"({"screens":[{"name":"wide","x":0,"y":0,"width":1600,"height":1000,)"
                  R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toUtf8());
    QApplication app(argc, argv);
    TestFrmMainPlacement test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_frmMain_placement.moc"

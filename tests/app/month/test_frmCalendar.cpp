// The calendar month window: the drawn month and its steps, and saving it as a PNG image.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main/Pictures.h"
#include "app/month/MonthCanvas.h"
#include "app/month/SaveFileDialog.h"
#include "app/month/frmCalendar.h"
#include "calendar/western/DatePr2.h"
#include "support/FakePlatform.h"

using namespace orlun;
using namespace orlun::app;

namespace {

class AnsweredDialog final : public SaveFileDialog {
public:
    QString Ask(QWidget*, const QString& t, const QString& f) override
    {
        title = t;
        filter = f;
        return answer;
    }
    QString answer, title, filter;
};

} // namespace

class TestFrmCalendar : public QObject {
    Q_OBJECT
    test::FakePlatform fake;
    AnsweredDialog dialog;
    std::unique_ptr<frmCalendar> window;
    QTemporaryDir dir;

    QString Saved(const QString& name)
    {
        fake.messages.shown.clear();
        dialog.answer = name.isEmpty() ? QString() : dir.filePath(name);
        window->cmdSaveCalendarImage->click();
        return fake.messages.shown.isEmpty() ? QString()
                                             : fake.messages.shown.last().title + "|" + fake.messages.shown.last().text;
    }

private slots:
    void init()
    {
        window = std::make_unique<frmCalendar>(fake.platform, [] {
            return CalendarContext{SettingsForCountry(Country::China), "79-30-01-01 CHL 12:00 CCT", true, {}};
        });
        QVERIFY(window->Form_Load(PictureFolder()));
        window->SetSaveFileDialog(dialog);
        window->lngJDN1stOfMonth = GregorianJDN(2013, 2, 10).value();
        window->DrawMonth();
    }

    void drawsThirtyDaysAndStepsByWholeMonths()
    {
        QCOMPARE(window->windowTitle(), QString("79-30-01-01 CHL"));
        QCOMPARE(window->lblYearAndMonth->text(), QString("Common Era year 2013 (February-March)"));
        auto& moons = window->Canvas()->imgMoon;
        QVERIFY(!moons[31]->isHidden() && !moons[15]->isHidden());
        QVERIFY(moons[7]->isHidden() && moons[23]->isHidden());

        window->cmdShowPreviousOrNext[1]->click(); // month 2: 29 days from 12 March
        QCOMPARE(window->lngJDN1stOfMonth, GregorianJDN(2013, 3, 12).value());
        QVERIFY(moons[31]->isHidden() && !moons[30]->isHidden());
        window->cmdShowPreviousOrNext[0]->click(); // back to day 1 of the 30-day month
        QCOMPARE(window->lngJDN1stOfMonth, GregorianJDN(2013, 2, 10).value());
        window->cmdShowPreviousOrNext[0]->click(); // into the last month of the lunar year
        QCOMPARE(window->lngJDN1stOfMonth, GregorianJDN(2013, 1, 12).value());
        QCOMPARE(window->lblYearAndMonth->text(), QString("Common Era year 2013 (January-February)"));
    }

    void savesAPngAndRemovesTheBmp()
    {
        QCOMPARE(Saved("month"), "Save image|The image has been saved in the PNG file\n" + dir.filePath("month.png"));
        QCOMPARE(dialog.title, QString("Save image of this calendar month as a PNG file"));
        QCOMPARE(dialog.filter, QString("PNG graphics file (*.png)"));
        QCOMPARE(QImage(dir.filePath("month.png"), "PNG").size(), window->Canvas()->size());
        QVERIFY(!QFile::exists(dir.filePath("month.bmp")));
        QCOMPARE(Saved(""), QString()); // cancelled: nothing happens
    }

    void failuresKeepWhatCanBeKept()
    {
        // The PNG cannot be written (a folder has its name): the picture stays as the BMP.
        QVERIFY(QDir(dir.path()).mkdir("taken.png"));
        QCOMPARE(Saved("taken.png"),
                 "Save image|Save error.  The image has been saved instead in the BMP file\n" + dir.filePath("taken.bmp"));
        QVERIFY(!QImage(dir.filePath("taken.bmp"), "BMP").isNull());
        // Not even the BMP can be written.
        QCOMPARE(Saved("no-such-folder/x.png"),
                 QString("Save as PNG image|Error when attempting to save image.  Please try again."));
        // A file that already has the BMP name is left alone.
        QFile mine(dir.filePath("mine.bmp"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("the user's own file");
        mine.close();
        QVERIFY(Saved("mine.png").startsWith("Save image|The image has been saved in the PNG file"));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("the user's own file"));
        QCOMPARE(QDir(dir.path()).entryList({"mine*"}), QStringList({"mine.bmp", "mine.png"}));
    }
};

QTEST_MAIN(TestFrmCalendar)
#include "test_frmCalendar.moc"

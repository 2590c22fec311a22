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
#include "calendar/monthview/MonthView.h"
#include "calendar/western/DatePr2.h"
#include "support/FakePlatform.h"
#include "support/FileSizeLimit.h"
#include "support/StateFiles.h"

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
    Language language = Language::English; // the main window's choice

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
        language = Language::English;
        window = std::make_unique<frmCalendar>(fake.platform, [this] {
            return CalendarContext{SettingsForCountry(Country::China), "79-30-01-01 CHL 12:00 CCT", true, {}, language};
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

    // Day 1 of 甲辰 in each language, in a grid that grows for native texts and keeps its size from
    // month to month; back in English, the English month.
    void showsTheChosenLanguage()
    {
        const std::pair<Language, const char*> rows[] = {
            {Language::ChineseSimplified, "初一"}, {Language::ChineseTraditional, "初一"},
            {Language::Vietnamese, "mùng 1"}, {Language::Japanese, "1日"}, {Language::English, "1 "}};
        window->show();
        for (const auto& [chosen, dayOne] : rows) {
            language = chosen;
            window->lngJDN1stOfMonth = GregorianJDN(2024, 2, 10).value();
            window->DrawMonth();
            QCOMPARE(QString::fromStdString(window->Canvas()->Month().cells[0].dayText), QString(dayOne));
            const QSize size = window->Canvas()->size();
            QCOMPARE(size.height() > 568, chosen != Language::English);
            window->cmdShowPreviousOrNext[0]->click(); // the month before, at the same size
            QCOMPARE(window->Canvas()->size(), size);
            QVERIFY(window->cmdClose->geometry().top() >= size.height()); // the buttons below the grid
            const QString dir = qEnvironmentVariable("ORLUN_SCREENSHOT_DIR");
            if (!dir.isEmpty()) window->grab().save(dir + "/calendar-" + QString::fromLatin1(TagOf(chosen)) + ".png");
        }
        language = Language::ChineseSimplified;
        window->lngJDN1stOfMonth = GregorianJDN(2023, 3, 22).value();
        window->DrawMonth();
        QCOMPARE(window->lblTitle->text(), QString("癸卯年\u3000闰二月小"));
        QVERIFY(window->Canvas()->imgMoon[31]->geometry().top() > 80 + 122 * 3 + 2); // the rows grew
    }

    // Today on day 30, the last cell of the last row: its box is whole in the saved picture and
    // ends above the buttons.
    void todaysBoxInTheLastRowIsWhole()
    {
        fake.clock.date = "03-11-2013"; // day 30 of the month from 2013-02-10
        window->DrawMonth();
        window->show();
        const QImage picture = fake.capture.Grab(window->Canvas());
        QCOMPARE(picture.devicePixelRatio(), 1.0);
        const QPoint cell(20 + 110 * 7, 80 + 122 * 3); // cell 31
        const int bottom = cell.y() + 118;
        QVERIFY2(picture.height() > bottom + 1, qPrintable(QString::number(picture.height())));
        for (const QPoint edge : {QPoint(cell.x() + 40, bottom), QPoint(cell.x() + 40, cell.y() - 4),
                                  QPoint(cell.x() - 10, cell.y() + 60), QPoint(cell.x() + 90, cell.y() + 60)})
            QCOMPARE(picture.pixelColor(edge), QColor(Qt::black));
        const QWidget* canvas = window->Canvas();
        QVERIFY(window->cmdClose->mapTo(window.get(), QPoint(0, 0)).y() > canvas->geometry().bottom());
        fake.clock.date = "02-10-2013";
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
                 "Save image|Save error.  The image has been saved instead in the BMP file\n" + dir.filePath("taken.bmp") +
                     "\nCannot write the file " + dir.filePath("taken.png") + " (Is a directory)");
        QVERIFY(!QImage(dir.filePath("taken.bmp"), "BMP").isNull());
        // Not even the BMP can be written: a box without an icon names the folder and the reason.
        QCOMPARE(Saved("no-such-folder/x.png"),
                 "Save as PNG image|Error when attempting to save image.  Please try again.\nThe folder " +
                     dir.filePath("no-such-folder") + " does not take a new file (No such file or directory)\n"
                     "Nothing was saved.");
        QCOMPARE(fake.messages.shown.last().kind, QString("plain"));
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

    // A disk that fills up part-way (here a file-size limit) at any point of the picture: the
    // failure is reported, the user's PNG stays byte-identical, and nothing else is left behind.
    void aSaveCutShortKeepsTheOldPngAndLeavesNothing()
    {
        const QByteArray old = "\x89PNG the user's earlier picture";
        QFile png(dir.filePath("cut.png"));
        QVERIFY(png.open(QIODevice::WriteOnly));
        png.write(old);
        png.close();
        for (const rlim_t limit : {rlim_t(0), rlim_t(1000), rlim_t(100000), rlim_t(700000), rlim_t(1400000)}) {
            QString shown;
            {
                test::FileSizeLimit cut(limit);
                shown = Saved("cut.png");
            }
            QCOMPARE(shown, "Save as PNG image|Error when attempting to save image.  Please try again.\n"
                            "Cannot write the file " + dir.filePath("cut.bmp") + " (File too large)\nNothing was saved.");
            QCOMPARE(test::ReadAll(dir.filePath("cut.png")), old);
            QCOMPARE(QDir(dir.path()).entryList({"*cut*"}, QDir::Files | QDir::Hidden), QStringList{"cut.png"});
        }
        QVERIFY(Saved("cut.png").startsWith("Save image|The image has been saved in the PNG file"));
        QVERIFY(!QImage(dir.filePath("cut.png"), "PNG").isNull());
    }
};

QTEST_MAIN(TestFrmCalendar)
#include "test_frmCalendar.moc"

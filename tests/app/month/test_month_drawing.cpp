// The drawn calendar month: its pixels pinned for a few months (drawn the same before the drawing
// left the window), the window's canvas and orlun-cli showing exactly the image the painter
// draws, and the parts a font change cannot move: today's box, the hidden cells, the pictures.
#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/month/MonthCanvas.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/monthview/NativeMonthView.h"
#include "calendar/western/Clock.h"
#include "calendar/western/DatePr2.h"
#include "draw/MonthGeometry.h"
#include "draw/MonthLayout.h"
#include "draw/MonthPainter.h"
#include "draw/PictureFolder.h"

using namespace orlun;

struct Month {
    MonthView view;
    bool arc = false;
};
Q_DECLARE_METATYPE(Month)
Q_DECLARE_METATYPE(Language)

namespace {

// The month that holds the Gregorian date; today marked on the date `today` when given.
Month MonthOf(int y, int m, int d, Country country, bool arc, QDate today = {})
{
    const CalendarSettings settings = SettingsForCountry(country);
    const auto first = FirstDayOfMonthAt(settings.meridian.NoonOf(GregorianJDN(y, m, d)), settings);
    const int32_t todayJdn = today.isValid() ? GregorianJDN(today.year(), today.month(), today.day()).value() : 0;
    return {MonthViewOf(first.value_or(DayNumber(0)), DayNumber(todayJdn), settings), arc};
}

// Whether anything but the red background lies in the area (device-independent pixels).
bool InkIn(const QImage& image, const QRect& area)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect pixels(area.topLeft() * ratio, area.size() * ratio);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (image.pixelColor(x, y) != draw::kCalendarRed) return true;
    return false;
}

// Saves the image when ORLUN_SCREENSHOT_DIR names a folder.
void Shot(const QImage& image, const QString& name)
{
    const QString dir = qEnvironmentVariable("ORLUN_SCREENSHOT_DIR");
    if (!dir.isEmpty()) image.save(dir + "/" + name + ".png");
}

// The pixels as opaque RGB, hashed: the first 16 hex digits of their SHA-1.
QByteArray PixelHash(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return hash.result().toHex().left(16);
}

} // namespace

class TestMonthDrawing : public QObject {
    Q_OBJECT
    draw::DayPictures pictures;

    QImage Drawn(const Month& m, qreal ratio = 1) const
    {
        return draw::DrawMonthImage({m.view, m.arc, pictures, QGuiApplication::font()}, ratio);
    }

    QImage Grabbed(const Month& m) const
    {
        app::MonthCanvas canvas;
        QString failed;
        if (!canvas.LoadPictures(draw::PictureFolder(), failed)) return {};
        canvas.SetMonth(m.view, m.arc);
        return canvas.grab().toImage();
    }

private slots:
    void initTestCase()
    {
        QString failed;
        QVERIFY2(pictures.Load(draw::PictureFolder(), failed), qPrintable(failed));
    }

    void months_data()
    {
        QTest::addColumn<Month>("month");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QByteArray>("hash");
        const auto china = Country::China;
        QTest::newRow("30 days, ARC") << MonthOf(2013, 2, 10, china, true) << 1.0 << QByteArray("acdd05e4b5249dc0");
        QTest::newRow("29 days") << MonthOf(2013, 3, 12, china, false) << 1.0 << QByteArray("502263e5fd183a64");
        QTest::newRow("leap month 2*") << MonthOf(2023, 3, 22, china, false) << 1.0 << QByteArray("40d8f6f5beb5c336");
        QTest::newRow("today on day 30, ARC") << MonthOf(2013, 2, 10, china, true, QDate(2013, 3, 11)) << 1.0
                                              << QByteArray("448e27069d97ca00");
        QTest::newRow("across the year end, ARC") << MonthOf(2011, 12, 25, china, true) << 1.0
                                                  << QByteArray("b829b8b3c77cc99e");
        QTest::newRow("Vietnam, ARC") << MonthOf(2033, 9, 1, Country::Vietnam, true) << 1.0
                                      << QByteArray("5b8a9c8e5fc45c49");
        QTest::newRow("leap month at twice the pixels") << MonthOf(2023, 3, 22, china, false) << 2.0
                                                        << QByteArray("f07644c631a09410");
    }

    // The pins were taken from the images the window drew itself, with the fonts of
    // tools/install-deps.sh; other fonts move the texts' pixels.
    void months()
    {
        QFETCH(Month, month);
        QFETCH(qreal, ratio);
        QFETCH(QByteArray, hash);
        QVERIFY(month.view.ok());
        const QImage image = Drawn(month, ratio);
        QCOMPARE(image.size(), draw::kMonthSize * ratio);
        QCOMPARE(PixelHash(image), hash);
        if (ratio == 1) QCOMPARE(PixelHash(Grabbed(month)), hash); // the window shows the same pixels
    }

    // Japanese after Chinese in one process keeps its own forms of the Han characters (仏, 勝), as
    // orlun-cli draws them in a fresh process. First of the native drawings, so that Chinese is
    // the first CJK face this process asks for.
    void aLanguageDrawnAfterAnotherKeepsItsForms()
    {
        Month zh = MonthOf(2024, 2, 10, Country::China, false);
        zh.view = InLanguage(zh.view, Language::ChineseSimplified);
        (void)Grabbed(zh);
        CompareWithTheCommandLine({"--date", "2024-02-10 CE", "--country", "Japan", "--lang", "ja"},
                                  MonthOf(2024, 2, 10, Country::Japan, false), Language::Japanese);
    }

    void theCommandLineDrawsWhatTheWindowShows_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Month>("month");
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << QStringList{"--date", "2013-03-12 CE", "--arc"}
                                 << MonthOf(2013, 3, 12, Country::China, true) << Language::English;
        // The month of 2024 with the Japanese 啓蟄 and a rokuyō in every cell.
        QTest::newRow("ja") << QStringList{"--date", "2024-02-10 CE", "--country", "Japan", "--lang", "ja"}
                            << MonthOf(2024, 2, 10, Country::Japan, false) << Language::Japanese;
    }

    void theCommandLineDrawsWhatTheWindowShows()
    {
        QFETCH(QStringList, args);
        QFETCH(Month, month);
        QFETCH(Language, language);
        CompareWithTheCommandLine(args, month, language);
    }

private:
    void CompareWithTheCommandLine(const QStringList& args, Month month, Language language)
    {
        QTemporaryDir dir;
        QProcess cli;
        cli.start(ORLUN_CLI, QStringList{"calendar", "--png", dir.filePath("m.png")} + args);
        QVERIFY(cli.waitForFinished(60000) && cli.exitCode() == 0);
        const CalendarSettings settings = SettingsForCountry(args.contains("Japan") ? Country::Japan : Country::China);
        month.view = InLanguage(MonthViewOf(DayNumber(month.view.firstDay), DayNumber(TodayJDN(SystemClock()).value()), settings), language);
        const QImage window = Grabbed(month).convertToFormat(QImage::Format_RGB32);
        QImage png = QImage(dir.filePath("m.png")).convertToFormat(QImage::Format_RGB32);
        png.setDevicePixelRatio(window.devicePixelRatio()); // a PNG file keeps no pixel ratio
        QCOMPARE(png, window);
    }

private slots:
    void nativeScripts_data()
    {
        QTest::addColumn<Month>("month");
        QTest::addColumn<qreal>("ratio");
        // Month 1 of 2024 (with 雨水, 惊蛰 and today on 03-05); the leap month 11 of 2033 in
        // Vietnam, the longest title.
        const std::tuple<Language, Country, QDate, const char*> months[] = {
            {Language::ChineseSimplified, Country::China, {2024, 2, 10}, "zh-Hans"},
            {Language::ChineseTraditional, Country::China, {2024, 2, 10}, "zh-Hant"},
            {Language::Vietnamese, Country::Vietnam, {2024, 2, 10}, "vi"},
            {Language::Japanese, Country::Japan, {2024, 2, 10}, "ja"},
            {Language::Vietnamese, Country::Vietnam, {2033, 12, 22}, "vi-leap-11"}};
        for (const qreal ratio : {1.0, 2.0})
            for (const auto& [language, country, day, name] : months) {
                Month m = MonthOf(day.year(), day.month(), day.day(), country, true, QDate(2024, 3, 5));
                m.view = InLanguage(m.view, language);
                QTest::newRow(QByteArray(name) + (ratio == 1 ? "-1x" : "-2x")) << m << ratio;
            }
    }

    // Every text stands whole in its cell: nothing is drawn between a cell's texts and the next
    // cell's, nor at the title's right end; the window shows what the painter draws.
    void nativeScripts()
    {
        QFETCH(Month, month);
        QFETCH(qreal, ratio);
        QVERIFY(month.view.ok());
        const QImage image = Drawn(month, ratio);
        Shot(image, QString("month-") + QTest::currentDataTag());
        const draw::MonthGeometry g = draw::GeometryOf(month.view, QGuiApplication::font());
        QCOMPARE(image.size(), g.Size() * ratio);
        QVERIFY(g.cellWidth >= draw::kCellWidth && g.noteTop > g.ceTop && g.arcTop > g.noteTop);
        for (const MonthViewCell& c : month.view.cells) {
            if (CellColumn(c.cell) == kGridColumns - 1) continue;
            const QPoint at = g.CellOrigin(c.cell);
            // Between today's box of this cell (its right edge 20 short of the next cell) and the next one's (10 short).
            const QRect gap(at.x() + g.cellWidth - 18, at.y() + draw::kDayTextTop, 7, g.todayBoxBottom - draw::kDayTextTop - 6);
            QVERIFY2(!InkIn(image, gap), qPrintable(QString("cell %1").arg(c.cell)));
        }
        const QRect title = g.TitleBox();
        QVERIFY(!InkIn(image, QRect(title.right() - 2, title.top(), 3, title.height())));
        if (ratio == 1) QCOMPARE(Grabbed(month).convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));
    }

    // Exact pixels that hold whatever the fonts: the box, the red of hidden cells, the pictures.
    void partsOutsideTheTexts()
    {
        const Month month = MonthOf(2013, 3, 12, Country::China, false, QDate(2013, 3, 12)); // 29 days, today day 1
        const QImage image = Drawn(month);
        const QRect box = draw::TodayBox(0);
        for (const QPoint edge : {QPoint(box.center().x(), box.top()), QPoint(box.center().x(), box.bottom()),
                                  QPoint(box.left(), box.center().y()), QPoint(box.right(), box.center().y())})
            QCOMPARE(image.pixelColor(edge), QColor(Qt::black));
        QCOMPARE(image.pixelColor(draw::TodayBox(1).topLeft()), draw::kCalendarRed); // one box only
        for (const int hidden : {7, 23, 31}) // never a day, and day 30 of a 29-day month
            QCOMPARE(image.pixelColor(draw::PictureBox(hidden).center()), draw::kCalendarRed);
        for (const int shown : {0, 15, 30}) {
            const QRect at = draw::PictureBox(shown);
            QCOMPARE(image.pixelColor(at.center()), pictures.Of(shown).toImage().pixelColor(at.center() - at.topLeft()));
        }
        QVERIFY(!draw::MoonShown(MonthView{}, 0, pictures));            // a month out of range
        QVERIFY(!draw::MoonShown(month.view, 0, draw::DayPictures{})); // no pictures loaded
    }

    void aMissingPictureIsNamed()
    {
        QTemporaryDir empty;
        QString failed;
        QVERIFY(!draw::DayPictures{}.Load(empty.path() + "/", failed));
        QCOMPARE(failed, empty.path() + "/day1.gif");
    }
};

QTEST_MAIN(TestMonthDrawing)
#include "test_month_drawing.moc"

// The data, month, festival and multiple-search windows under a pseudo-translation that lengthens
// every text it is asked for and marks it: a visible text or message without the mark was never
// passed through the translations. Calendar codes, the program's name, the languages' own names,
// numbers and dates stay as they are.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include "app/data/frmData.h"
#include "app/festivals/frmFestivals.h"
#include "app/main/frmMain.h"
#include "app/month/SaveFileDialog.h"
#include "app/month/frmCalendar.h"
#include "app/month/frmMsgNowLoading.h"
#include "app/search/frmMultiple_El_An.h"
#include "calendar/native/Language.h"
#include "calendar/western/DatePr2.h"
#include "draw/PictureFolder.h"
#include "support/FakePlatform.h"

using namespace orlun;
using namespace orlun::app;

namespace {

const QString kMark = QStringLiteral("漢");

// Every text comes back 40% longer, marked at its front; placeholders and "&" marks stay.
class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (text.isEmpty()) return {};
        return kMark + text + QString(std::max<qsizetype>(1, text.size() * 4 / 10 - 1), QChar('x'));
    }
    bool isEmpty() const override { return false; }
};

// A text that is the same in every language: codes, names, numbers and dates.
bool StaysAsItIs(QString text)
{
    static const QRegularExpression kDate("^-?\\d[\\d*:. -]*( (CE|JC|CHL|CHS|ARC|AJD|CJDL|CJDC))?$");
    if (kDate.match(text).hasMatch()) return true;
    static const QStringList kNames = [] {
        QStringList names{"Zodozizidu Zidevuze", "CJDL", "CJDC", "CHL", "CHS", "ARC", "AJD", "Orlun"};
        for (const Language language : kLanguages) names << QString::fromUtf8(OwnNameOf(language));
        return names;
    }();
    for (const QString& name : kNames) text.remove(name);
    return !text.contains(QRegularExpression("\\p{L}"));
}

// The canvas paints the month's own date texts.
bool PaintedDate(const QWidget& w) { return w.parentWidget() && w.parentWidget()->objectName() == "picCalendar"; }

// Every text the window shows or tells a screen reader, hidden controls included (they show in
// other modes). The data window's text box holds the calculators' tables, not the window's texts.
QStringList TextsOf(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (PaintedDate(*w)) continue;
        if (!w->accessibleName().isEmpty()) texts << w->accessibleName();
        if (auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
        if (auto* edit = qobject_cast<const QLineEdit*>(w)) texts << edit->text() << edit->placeholderText();
        if (auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        if (auto* tree = qobject_cast<const QTreeWidget*>(w))
            for (int c = 0; c < tree->columnCount(); ++c) texts << tree->headerItem()->text(c);
    }
    return texts;
}

QStringList MessageTexts(const test::FakeMessages& messages)
{
    QStringList texts;
    for (const test::RecordedMessage& m : messages.shown) texts << m.title << m.text;
    return texts;
}

// The texts that were not translated, one per line, for the failure message.
QString Unmarked(const QStringList& texts)
{
    QStringList left;
    for (const QString& text : texts)
        if (!text.contains(kMark) && !StaysAsItIs(text)) left << text;
    left.removeDuplicates();
    return left.join('\n');
}

// The shown captions narrower than their text, by name: a longer translation must make room.
QString CutCaptions(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || PaintedDate(*w)) continue;
        const auto* label = qobject_cast<const QLabel*>(w);
        if (label && label->wordWrap()) continue;
        const bool caption = label || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w);
        if (caption && w->width() < w->sizeHint().width())
            cut << QString("%1 %2 < %3").arg(w->objectName()).arg(w->width()).arg(w->sizeHint().width());
        // A field shows the date typed into it whole (its frame and margins take 8 pixels).
        const auto* edit = qobject_cast<const QLineEdit*>(w);
        const int needed = edit ? edit->fontMetrics().horizontalAdvance(edit->text()) + 8 : 0;
        if (edit && w->width() < needed) cut << QString("%1 %2 < %3").arg(w->objectName()).arg(w->width()).arg(needed);
    }
    return cut.join('\n');
}

// Shows the window, checks that no caption is cut and saves its picture when ORLUN_SCREENSHOT_DIR
// names a folder.
void ShowAndCheck(QWidget& window, const QString& name)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(CutCaptions(window).isEmpty(), qPrintable(name + ":\n" + CutCaptions(window)));
    const QString dir = qEnvironmentVariable("ORLUN_SCREENSHOT_DIR");
    if (!dir.isEmpty()) window.grab().save(dir + "/" + name + ".png");
}

class AnsweredDialog final : public SaveFileDialog {
public:
    QString Ask(QWidget*, const QString& t, const QString& f) override
    {
        asked << t << f;
        return answer;
    }
    QStringList asked;
    QString answer;
};

void Click(QWidget& w, const char* name) { QTest::mouseClick(w.findChild<QPushButton*>(name), Qt::LeftButton); }

} // namespace

class TestWindowsMarked : public QObject {
    Q_OBJECT
    PseudoTranslator translator_;

private slots:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&translator_)); }

    void theDataWindowInEachMode()
    {
        test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        w.findChild<QLineEdit*>("txbDate")->setText("2013-06-01 CE");
        Click(w, "cmdCompute");
        Click(w, "cmdDisplayYearData");
        frmData* d = w.DataWindow();
        ShowAndCheck(*d, "data-year");
        QStringList texts = TextsOf(*d);
        for (const DataMode mode : {DataMode::LunarNewYears, DataMode::MonthStarts, DataMode::EuroNewYears}) {
            d->intWindow = mode;
            d->txbNumYears->setText("3");
            d->cmdList_Click();
            ShowAndCheck(*d, QString("data-list%1").arg(static_cast<int>(mode)));
            texts << TextsOf(*d);
        }
        d->txbStart->setText("2013-06-01 CE");
        d->DoTest();
        ShowAndCheck(*d, "data-test");
        texts << TextsOf(*d) << MessageTexts(fake.messages);
        QVERIFY2(Unmarked(texts).isEmpty(), qPrintable(Unmarked(texts)));
    }

    void theMonthWindowItsDialogsAndTheLoadingNotice()
    {
        test::FakePlatform fake;
        frmCalendar window(fake.platform, [] {
            return CalendarContext{SettingsForCountry(Country::China), "79-30-01-01 CHL 12:00 CCT", true, {}};
        });
        AnsweredDialog dialog;
        window.SetSaveFileDialog(dialog);
        QVERIFY(!window.Form_Load(QDir::temp().filePath("no-pictures-here")));
        QVERIFY(window.Form_Load(draw::PictureFolder()));
        window.lngJDN1stOfMonth = GregorianJDN(2013, 2, 10).value();
        window.DrawMonth();
        ShowAndCheck(window, "month");
        QTemporaryDir dir;
        dialog.answer = dir.filePath("month");
        window.cmdSaveCalendarImage->click();
        dialog.answer = dir.filePath("no-such-folder/x.png");
        window.cmdSaveCalendarImage->click();
        QCOMPARE(fake.messages.shown.size(), 3);
        frmMsgNowLoading loading;
        ShowAndCheck(loading, "month-loading");
        const QStringList texts = TextsOf(window) + TextsOf(loading) + dialog.asked + MessageTexts(fake.messages);
        QVERIFY2(Unmarked(texts).isEmpty(), qPrintable(Unmarked(texts)));
    }

    void theFestivalWindowItsListsAndRefusals()
    {
        test::FakePlatform fake;
        frmFestivals window(fake.platform, [] {
            return FestivalsContext{SettingsForCountry(Country::Vietnam), 2456334.0, {}};
        });
        AnsweredDialog dialog;
        window.SetSaveFileDialog(dialog);
        window.ShowMomentsYear();
        ShowAndCheck(window, "festivals");
        QStringList texts = TextsOf(window);
        QTemporaryDir dir;
        dialog.answer = dir.filePath("days");
        window.cmdExport->click();
        window.cmdMomentsLunarDate->click();
        window.cmdListAnniversaries->click();
        texts << TextsOf(window);
        // Refusals of each field: a year out of range, no date, a date that cannot be read, no years.
        const std::array<std::pair<QLineEdit*, QString>, 4> refused = {
            std::pair{window.txbYear, QString("4000")}, {window.txbLunarDate, QString()},
            {window.txbLunarDate, QString("2013-02-30 CE")}, {window.txbYears, QString("0")}};
        for (const auto& [field, text] : refused) {
            const QString before = field->text();
            field->setText(text);
            (field == window.txbYear ? window.cmdShowFestivals : window.cmdListAnniversaries)->click();
            field->setText(before);
        }
        QCOMPARE(fake.messages.shown.size(), 5);
        texts << dialog.asked << MessageTexts(fake.messages);
        QVERIFY2(Unmarked(texts).isEmpty(), qPrintable(Unmarked(texts)));
    }

    void theMultipleSearchWindowAndItsMessages()
    {
        test::FakePlatform fake;
        frmMultiple_El_An window(fake.platform);
        QStringList shown;
        MultipleSearchContext context{GregorianJDN(2013, 2, 10).value() - 0.5, false,
                                      SettingsForCountry(Country::Japan), [&shown](const QString& t) { shown << t; }};
        window.Activate(context);
        ShowAndCheck(window, "search");
        QStringList texts = TextsOf(window);
        window.cmdSearch_Click(); // nothing chosen
        // 2013 is a water-snake year: no wood-rat year lies within a year of it.
        MultipleCriteria c;
        c[MultipleRow::Year] = {0, 0};
        window.SetCriteria(c);
        window.cboWithin->setCurrentIndex(0);
        context.next = true;
        window.Activate(context);
        window.cmdSearch_Click();
        QCOMPARE(fake.messages.shown.size(), 2);
        shown.removeAll(QString());
        QVERIFY(!shown.isEmpty());
        texts << TextsOf(window) << MessageTexts(fake.messages) << shown;
        QVERIFY2(Unmarked(texts).isEmpty(), qPrintable(Unmarked(texts)));
    }
};

QTEST_MAIN(TestWindowsMarked)
#include "test_windows_marked.moc"

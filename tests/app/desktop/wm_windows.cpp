// The windows under a real window manager (openbox on Xvfb, started by windows_on_screen.sh), in
// the five languages: every window's frame lies wholly on the screen, the main window shows its
// page whole (no scroll bar), a size kept in Chinese leaves nothing cut in English, and the size
// stays the same over five starts. With ORLUN_SCREENSHOTS set, each window is photographed there.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

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
#include "calendar/core/SearchTarget.h"
#include "support/FakePlatform.h"

using orlun::Language;
using orlun::app::frmMain;
using orlun::test::FakePlatform;

namespace {

template <class T>
T* Child(QWidget& w, const char* name) { return w.findChild<T*>(name); }

void AddLanguages()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("en") << Language::English;
    QTest::newRow("zh_CN") << Language::ChineseSimplified;
    QTest::newRow("zh_TW") << Language::ChineseTraditional;
    QTest::newRow("vi") << Language::Vietnamese;
    QTest::newRow("ja") << Language::Japanese;
}

// The window manager frames a window a moment after it shows (longer on a loaded machine or under
// the sanitizers).
bool Framed(QWidget& window)
{
    return QTest::qWaitFor([&] { return window.isVisible() && window.frameGeometry() != window.geometry(); }, 20000);
}

// Lets the window manager and the window settle: the frame stands still for half a second (a
// busy machine answers a move slowly).
QRect Settled(QWidget& window)
{
    QRect last = window.frameGeometry();
    int still = 0;
    for (int i = 0; i < 100 && still < 5; ++i) {
        QTest::qWait(100);
        still = window.frameGeometry() == last ? still + 1 : 0;
        last = window.frameGeometry();
    }
    return last;
}

QString WhereOnScreen(const QWidget& window, const QRect& area)
{
    const QRect f = window.frameGeometry();
    return QString("%1: frame %2,%3 %4x%5 on %6,%7 %8x%9")
        .arg(window.objectName()).arg(f.x()).arg(f.y()).arg(f.width()).arg(f.height())
        .arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
}

void Photograph(QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("ORLUN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    window.raise();
    window.activateWindow();
    QTest::qWait(300);
    QDir().mkpath(folder);
    const QRect f = window.frameGeometry();
    window.screen()->grabWindow(0, f.x(), f.y(), f.width(), f.height()).save(folder + "/" + name + ".png");
}

QString Tag() { return QString::fromLatin1(QTest::currentDataTag()) + "-" + qEnvironmentVariable("QT_SCALE_FACTOR", "1") + "x"; }

// The buttons of the main window whose text does not fit them.
QStringList CutButtons(frmMain& w)
{
    QStringList cut;
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>())
        if (b->isVisible() && b->width() < b->minimumSizeHint().width()) cut << b->objectName() + " " + b->text();
    return cut;
}

void ExpectPageWhole(frmMain& w)
{
    const auto* area = Child<QScrollArea>(w, "scrMain");
    QVERIFY2(!area->horizontalScrollBar()->isVisible(), "a horizontal scroll bar");
    QVERIFY2(!area->verticalScrollBar()->isVisible(), "a vertical scroll bar");
    const QStringList cut = CutButtons(w);
    QVERIFY2(cut.isEmpty(), qPrintable("cut: " + cut.join(", ")));
}

} // namespace

class TestWindowsUnderWindowManager : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void everyWindowWhollyOnTheScreen_data() { AddLanguages(); }

    void everyWindowWhollyOnTheScreen()
    {
        QFETCH(Language, language);
        const orlun::app::InstalledTranslations translations(*QCoreApplication::instance(), language);
        FakePlatform fake;
        fake.clock.date = "02-10-2024";
        orlun::app::SaveLanguageChoice(fake.settings, {language});
        frmMain w(fake.platform);
        w.Form_Load();
        QVERIFY(Framed(w));
        Settled(w);
        ExpectPageWhole(w);

        Child<QPushButton>(w, "cmdAddToLog")->click();
        for (const char* button : {"cmdViewLog", "cmdLogPreferences", "cmdDisplayYearData", "cmdDisplayCalendar",
                                   "cmdFestivals", "cmdHelp"})
            Child<QPushButton>(w, button)->click();
        const QRect area = w.screen()->availableGeometry();
        QStringList off;
        for (QWidget* window : std::initializer_list<QWidget*>{&w, w.Log(), w.LogPreferencesWindow(), w.DataWindow(),
                                                               w.CalendarWindow(), w.FestivalsWindow(), w.HelpWindow()}) {
            QVERIFY2(window && Framed(*window), qPrintable(window ? window->objectName() : QString("a window")));
            Settled(*window);
            std::printf("  %s\n", qPrintable(WhereOnScreen(*window, area)));
            if (!area.contains(window->frameGeometry())) off << WhereOnScreen(*window, area);
            Photograph(*window, Tag() + "-" + window->objectName());
        }
        // The multiple element-animal search waits for its answer: measured while it waits.
        QString multiple;
        QTimer::singleShot(0, [&] {
            QWidget* window = w.MultipleWindow();
            if (Framed(*window)) Settled(*window);
            multiple = WhereOnScreen(*window, area);
            if (!area.contains(window->frameGeometry())) off << multiple;
            Photograph(*window, Tag() + "-" + window->objectName());
            w.MultipleWindow()->cmdClose->click();
        });
        Child<QComboBox>(w, "cboTarget")->setCurrentIndex(static_cast<int>(orlun::SearchTarget::MultipleElementAnimalDay));
        Child<QPushButton>(w, "cmdSearch")->click();
        std::printf("  %s\n", qPrintable(multiple));
        QVERIFY2(off.isEmpty(), qPrintable("not wholly on the screen: " + off.join("; ")));
    }

    // Five starts, each ended by Quit: the size (and place) the window had is the one it gets.
    void theSizeStaysOverFiveStarts_data() { AddLanguages(); }

    void theSizeStaysOverFiveStarts()
    {
        QFETCH(Language, language);
        const orlun::app::InstalledTranslations translations(*QCoreApplication::instance(), language);
        FakePlatform fake;
        orlun::app::SaveLanguageChoice(fake.settings, {language});
        QList<QRect> frames;
        for (int start = 0; start < 6; ++start) {
            frmMain w(fake.platform);
            w.Form_Load();
            QVERIFY(Framed(w));
            frames << Settled(w);
            if (start > 0) ExpectPageWhole(w);
            Child<QPushButton>(w, "cmdQuit")->click();
        }
        for (int start = 1; start < frames.size(); ++start)
            QVERIFY2(frames[start] == frames[0],
                     qPrintable(QString("start %1: %2x%3 at %4,%5, first %6x%7 at %8,%9")
                                    .arg(start).arg(frames[start].width()).arg(frames[start].height())
                                    .arg(frames[start].x()).arg(frames[start].y()).arg(frames[0].width())
                                    .arg(frames[0].height()).arg(frames[0].x()).arg(frames[0].y())));
    }

    // A size kept while the window ran in Chinese is too narrow for English: it grows.
    void aSizeKeptInChineseLeavesNothingCutInEnglish()
    {
        FakePlatform fake;
        {
            const orlun::app::InstalledTranslations chinese(*QCoreApplication::instance(), Language::ChineseSimplified);
            orlun::app::SaveLanguageChoice(fake.settings, {Language::ChineseSimplified});
            frmMain w(fake.platform);
            w.Form_Load();
            QVERIFY(Framed(w));
            Settled(w);
            Child<QPushButton>(w, "cmdQuit")->click();
        }
        orlun::app::SaveLanguageChoice(fake.settings, {Language::English});
        frmMain w(fake.platform);
        w.Form_Load();
        QVERIFY(Framed(w));
        Settled(w);
        ExpectPageWhole(w);
        QVERIFY2(w.screen()->availableGeometry().contains(w.frameGeometry()),
                 qPrintable(WhereOnScreen(w, w.screen()->availableGeometry())));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestWindowsUnderWindowManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "wm_windows.moc"

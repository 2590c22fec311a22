// Tab goes through every window's controls row by row, top to bottom and left to right: in the
// main window the settings row before Convert, the six buttons at the foot in their rows; the help
// window closes with its Close button.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

#include "app/data/frmData.h"
#include "app/festivals/frmFestivals.h"
#include "app/help/frmHelp.h"
#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "app/main/frmMain.h"
#include "app/month/frmCalendar.h"
#include "app/search/frmMultiple_El_An.h"
#include "support/FakePlatform.h"

using namespace orlun::app;

namespace {

// The controls Tab reaches in the window, in the order it reaches them, from the first one.
QList<QWidget*> TabChain(QWidget& window)
{
    QList<QWidget*> chain;
    QWidget* w = &window;
    do {
        w = w->nextInFocusChain();
        if (w->window() == &window && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window) &&
            w->isEnabled() && !w->focusProxy())
            chain << w;
    } while (w != &window);
    return chain;
}

QStringList Names(const QList<QWidget*>& chain)
{
    QStringList names;
    for (const QWidget* w : chain) names << w->objectName();
    return names;
}

QRect PlaceIn(QWidget& window, const QWidget* control) { return {control->mapTo(&window, QPoint()), control->size()}; }

// Steps that go back: to the left on the same line or higher, or up and to the left. Tab goes
// round, so the chain is read from its top-left control.
QStringList StepsBack(QWidget& window)
{
    QList<QWidget*> chain = TabChain(window);
    const auto first = std::min_element(chain.begin(), chain.end(), [&](const QWidget* a, const QWidget* b) {
        const QRect pa = PlaceIn(window, a), pb = PlaceIn(window, b);
        return std::pair(pa.top(), pa.left()) < std::pair(pb.top(), pb.left());
    });
    std::rotate(chain.begin(), first, chain.end());
    QStringList back;
    for (int i = 1; i < chain.size(); ++i) {
        const QRect a = PlaceIn(window, chain[i - 1]), b = PlaceIn(window, chain[i]);
        const bool leftNotLower = b.left() < a.left() && b.center().y() <= a.center().y() + 2;
        const bool upLeft = b.bottom() < a.top() && b.left() <= a.left();
        if (leftNotLower || upLeft) back << chain[i - 1]->objectName() + " -> " + chain[i]->objectName();
    }
    return back;
}

} // namespace

class TestTabOrder : public QObject {
    Q_OBJECT

private slots:
    void theMainWindowByRows()
    {
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        const QStringList chain = Names(TabChain(w));
        const QStringList foot = {"cmdDisplayYearData", "cmdListLunarNewYears", "cmdDisplayCalendar",
                                  "cmdListLeapMonths", "cmdListJulianCENewYears", "cmdFestivals"};
        const qsizetype first = chain.indexOf(foot[0]);
        QVERIFY(first >= 0);
        QCOMPARE(chain.mid(first, foot.size()), foot);
        QVERIFY(chain.indexOf("cboRefLong") < chain.indexOf("txbDate"));
        QVERIFY(chain.indexOf("chkShowCJDs") < chain.indexOf("txbDate"));
        QVERIFY(chain.indexOf("txbDate") < chain.indexOf("cmdMove"));
        QVERIFY(chain.indexOf("cmdMove") < chain.indexOf("cmdSearch"));
        QVERIFY(chain.indexOf("cmdFestivals") < chain.indexOf("cmdNow"));
    }

    void everyWindowByRows()
    {
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        for (const char* button : {"cmdAddToLog", "cmdViewLog", "cmdLogPreferences", "cmdDisplayYearData", "cmdDisplayCalendar", "cmdFestivals", "cmdHelp"})
            w.findChild<QPushButton*>(button)->click();
        for (QWidget* window : std::initializer_list<QWidget*>{&w, w.Log(), w.LogPreferencesWindow(), w.DataWindow(),
                                                               w.CalendarWindow(), w.FestivalsWindow(),
                                                               w.HelpWindow(), w.MultipleWindow()}) {
            const QStringList back = StepsBack(*window);
            QVERIFY2(back.isEmpty(), qPrintable(window->objectName() + ": " + back.join(", ")));
        }
    }

    void theHelpWindowClosesWithItsButton()
    {
        frmHelp help;
        help.show();
        QVERIFY(help.cmdClose && help.cmdClose->isVisible());
        QCOMPARE(help.cmdClose->text(), QString("Close"));
        help.cmdClose->click();
        QVERIFY(!help.isVisible());
    }
};

QTEST_MAIN(TestTabOrder)
#include "test_tab_order.moc"

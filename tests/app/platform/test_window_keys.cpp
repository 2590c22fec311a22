// The keys of every window: Escape and Ctrl+W close a secondary window as its Close does, Enter
// presses the focused button or the window's default button, the focus the program gives shows
// its ring; in the main window Ctrl+Q quits and Ctrl+C copies a display line.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOption>
#include <QtTest>

#include "app/data/frmData.h"
#include "app/help/frmHelp.h"
#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"
#include "app/month/frmCalendar.h"
#include "app/search/frmMultiple_El_An.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using namespace orlun::app;

namespace {

// Shows the window, makes it the active one and presses the key in it.
void PressIn(QWidget* window, const QKeySequence& key)
{
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key[0].key(), key[0].keyboardModifiers());
}

bool FocusRingShows(QWidget* w)
{
    QStyleOption option;
    option.initFrom(w);
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

} // namespace

class TestWindowKeys : public QObject {
    Q_OBJECT
    orlun::test::FakePlatform fake;
    std::unique_ptr<frmMain> w;

    // The main window's controls, by their object names.
    template <class T = QPushButton>
    T* Control(const char* name) { return orlun::test::ControlOf<T>(*w, name); }
    QLabel* Line(const char* name) { return orlun::test::LineValue(*w, name); }

    QWidget* Window(const QString& name)
    {
        if (name == "data") {
            Control("cmdDisplayYearData")->click();
            return w->DataWindow();
        }
        if (name == "log") {
            w->Log()->AddToLog("entry\r\n");
            w->Log()->View(*w);
            return w->Log();
        }
        if (name == "help") {
            Control("cmdHelp")->click();
            return w->HelpWindow();
        }
        if (name == "calendar") {
            Control("cmdDisplayCalendar")->click();
            return w->CalendarWindow();
        }
        if (name == "preferences") {
            w->LogPreferencesWindow()->ShowFor(*w);
            return w->LogPreferencesWindow();
        }
        w->MultipleWindow()->show();
        return w->MultipleWindow();
    }

private slots:
    void init()
    {
        fake.messages.shown.clear();
        fake.clipboard.text.clear();
        w = std::make_unique<frmMain>(fake.platform);
        w->Form_Load();
        QApplication::setActiveWindow(w.get());
    }
    void cleanup() { w.reset(); }

    void escapeAndCtrlWCloseSecondaryWindows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence>("key");
        for (const char* window : {"data", "log", "help", "calendar", "preferences"}) {
            QTest::newRow(qPrintable(QString(window) + " Escape")) << window << QKeySequence(Qt::Key_Escape);
            QTest::newRow(qPrintable(QString(window) + " Ctrl+W")) << window << QKeySequence(Qt::CTRL | Qt::Key_W);
        }
        QTest::newRow("multiple element-animal Ctrl+W") << "multiple" << QKeySequence(Qt::CTRL | Qt::Key_W);
    }

    void escapeAndCtrlWCloseSecondaryWindows()
    {
        QFETCH(QString, window);
        QFETCH(QKeySequence, key);
        QWidget* shown = Window(window);
        QVERIFY(shown && shown->isVisible());
        PressIn(shown, key);
        QVERIFY(!shown->isVisible());
        QVERIFY(w->isVisible());
        // As its Close does, not its close box: the log keeps its text, nothing is asked.
        QVERIFY(!w->Log()->IsEmpty() || window != "log");
        QVERIFY(fake.messages.shown.isEmpty());
    }

    void enterPressesTheFocusedButton()
    {
        Control("cmdAddToLog")->setFocus();
        QTest::keyClick(Control("cmdAddToLog"), Qt::Key_Return);
        QVERIFY(!w->Log()->IsEmpty());
        QTest::keyClick(Control("cmdLogPreferences"), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(w->LogPreferencesWindow()->isVisible());
    }

    void enterElsewherePressesTheDefaultButton()
    {
        // The log preferences: Enter on a box closes the window as Close does.
        QWidget* preferences = Window("preferences");
        auto* box = preferences->findChild<QCheckBox*>("chkIncludeCE");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!preferences->isVisible());

        // The main window: Convert, once, also from a field without an Enter of its own...
        Control<QLineEdit>("txbDate")->setText("2001-12-31 CE");
        QTest::keyClick(Control<QCheckBox>("chkAutoLog"), Qt::Key_Return);
        QCOMPARE(Line("lblCommonEraDate")->text(), QString("2001-12-31 CE 12:00 GMT Monday"));
        Control<QLineEdit>("txbDate")->setText("not a date CE");
        Control<QLineEdit>("txbTime")->setFocus();
        QTest::keyClick(Control<QLineEdit>("txbTime"), Qt::Key_Return);
        QCOMPARE(fake.messages.shown.size(), 1);
        // ...and the date field's own Enter converts once, not a second time for the default.
        QTest::keyClick(Control<QLineEdit>("txbDate"), Qt::Key_Return);
        QCOMPARE(fake.messages.shown.size(), 2);
    }

    void theFocusTheProgramGivesShowsItsRing()
    {
        Control("cmdNow")->setFocus();
        w->EnableDisableFunctions(); // gives the focus to Move
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Control("cmdMove")));
        QVERIFY(FocusRingShows(Control("cmdMove")));
        QTest::mouseClick(Control<QCheckBox>("chkShowARC"), Qt::LeftButton); // a click, then the program's focus
        QVERIFY(FocusRingShows(QApplication::focusWidget()));
    }

    void ctrlQQuitsAsQuitDoes()
    {
        QSignalSpy quit(w.get(), &frmMain::quitRequested);
        Control("cmdQuit")->setEnabled(false);
        QTest::keyClick(w.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.count(), 0);
        Control("cmdQuit")->setEnabled(true);
        QTest::keyClick(w.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(fake.settings.values.value("\\ORLUN/cboRefLong"), QString("1"));
    }

    void ctrlCCopiesTheFocusedOrTheCurrentLine()
    {
        // After start-up the focus is on "Now" and the current calendar is CHL.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(fake.clipboard.text, Line("lblChineseLunarDate")->text());

        // A focused line is copied and becomes current, as a click on its caption makes it.
        Line("lblCommonEraDate")->setFocus();
        QTest::keyClick(Line("lblCommonEraDate"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(fake.clipboard.text, QString("2013-02-10 CE 12:00 GMT Sunday"));
        QCOMPARE(w->intCalendar, int(orlun::kRowCE));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Line("lblCommonEraDate")));

        // A date field copies its selection itself; without one, the current line is copied.
        fake.clipboard.text.clear();
        auto* date = Control<QLineEdit>("txbDate");
        date->setText("2001-12-31 CE");
        date->setFocus();
        date->selectAll();
        QTest::keyClick(date, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(fake.clipboard.text.isEmpty());
        date->deselect();
        QTest::keyClick(date, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(fake.clipboard.text, QString("2013-02-10 CE 12:00 GMT Sunday"));
    }

    void enterOnAFocusedLineClicksIt()
    {
        Line("lblJulianCalendarDate")->setFocus();
        QTest::keyClick(Line("lblJulianCalendarDate"), Qt::Key_Space);
        QCOMPARE(Control<QLineEdit>("txbDate")->text(), QString("2013-01-28 JC"));
        QCOMPARE(w->intCalendar, int(orlun::kRowJC));
        Line("lblAstronomicalJulianDate")->setFocus();
        QTest::keyClick(Line("lblAstronomicalJulianDate"), Qt::Key_Return);
        QCOMPARE(Control<QLineEdit>("txbDate")->text(), QString("2,456,334.0000 AJD"));
    }
};

QTEST_MAIN(TestWindowKeys)
#include "test_window_keys.moc"

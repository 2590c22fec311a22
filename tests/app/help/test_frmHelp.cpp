// The help window: every section a control points to exists in the manual, and F1 opens it there.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/help/frmHelp.h"
#include "app/data/frmData.h"
#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "app/festivals/frmFestivals.h"
#include "app/main/frmMain.h"
#include "app/month/frmCalendar.h"
#include "app/search/frmMultiple_El_An.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

using namespace orlun::app;
using orlun::test::ControlOf;

class TestFrmHelp : public QObject {
    Q_OBJECT
private slots:
    void everyControlSectionIsInTheManual()
    {
        frmHelp help;
        const QStringList sections = help.Sections();
        QVERIFY(sections.size() >= 8);
        for (const char* control : {"txbDate", "cmdNow", "cmdMove", "cmdPauseResume", "cmdSearch", "cboRefLong",
                                    "cmdAddToLog", "cmdDisplayCalendar", "cmdSaveState"})
            QVERIFY2(sections.contains(SectionOfControl(control)), control);
        QVERIFY(SectionOfControl("noSuchControl").isEmpty());
    }

    // Every quoted name in the help is the caption of a control (or an item of a list) as the
    // windows show it.
    void theHelpNamesControlsByTheirCaptions()
    {
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        ControlOf<QPushButton>(w, "cmdDisplayCalendar")->click();
        ControlOf<QPushButton>(w, "cmdFestivals")->click();
        QSet<QString> captions;
        // A caption as shown: "&&" is an ampersand, a single "&" marks the shortcut letter.
        const auto add = [&](QString text) {
            text = text.replace("&&", "\x01").remove('&').replace("\x01", "&").trimmed();
            captions.insert(text);
            if (text.endsWith(':')) captions.insert(text.chopped(1)); // a label names its field without the colon
        };
        for (QWidget* window : std::initializer_list<QWidget*>{&w, w.DataWindow(), w.MultipleWindow(), w.Log(),
                                                               w.LogPreferencesWindow(), w.CalendarWindow(),
                                                               w.FestivalsWindow()}) {
            QVERIFY(window);
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) add(b->text());
            for (QLabel* l : window->findChildren<QLabel*>()) add(l->text());
            for (QGroupBox* g : window->findChildren<QGroupBox*>()) add(g->title());
            for (QComboBox* c : window->findChildren<QComboBox*>())
                for (int i = 0; i < c->count(); ++i) add(c->itemText(i));
        }
        add(ControlOf<QPushButton>(w, "cmdPauseResume")->text() == "Pause" ? "Resume" : "Pause"); // the button's other caption
        add("Stop");                                                   // Search while it runs
        QString manual = ManualText();
        manual.replace('\n', ' ');                    // a name may run over a line end
        manual.remove(QRegularExpression("`[^`]*`")); // commands and typed examples
        QStringList strangers;
        for (const QRegularExpressionMatch& m : QRegularExpression("\"([^\"]+)\"").globalMatch(manual))
            if (!captions.contains(m.captured(1))) strangers << m.captured(1);
        QVERIFY2(strangers.isEmpty(), qPrintable(strangers.join(" | ")));
        QVERIFY(manual.contains("appear only when \"repeatedly\" is ticked"));
    }

    void f1OpensTheSectionOfTheFocusedControl()
    {
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QApplication::setActiveWindow(&w);
        ControlOf<QLineEdit>(w, "txbDate")->setFocus();
        QTest::keyClick(ControlOf<QLineEdit>(w, "txbDate"), Qt::Key_F1);
        QVERIFY(w.HelpWindow());
        QCOMPARE(w.HelpWindow()->lstContents->currentItem()->text(), QString("Entering a date"));
        w.HelpWindow()->hide();
        ControlOf<QPushButton>(w, "cmdHelp")->click();
        QCOMPARE(w.HelpWindow()->lstContents->currentRow(), 0);
    }
};

QTEST_MAIN(TestFrmHelp)
#include "test_frmHelp.moc"

// The help window: every section a control points to exists in the manual, and F1 opens it there.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/help/frmHelp.h"
#include "app/main/frmMain.h"
#include "support/FakePlatform.h"

using namespace orlun::app;

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

    void f1OpensTheSectionOfTheFocusedControl()
    {
        orlun::test::FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QApplication::setActiveWindow(&w);
        w.txbDate->setFocus();
        QTest::keyClick(w.txbDate, Qt::Key_F1);
        QVERIFY(w.HelpWindow());
        QCOMPARE(w.HelpWindow()->lstContents->currentItem()->text(), QString("Entering a date"));
        w.HelpWindow()->hide();
        w.cmdHelp->click();
        QCOMPARE(w.HelpWindow()->lstContents->currentRow(), 0);
    }
};

QTEST_MAIN(TestFrmHelp)
#include "test_frmHelp.moc"

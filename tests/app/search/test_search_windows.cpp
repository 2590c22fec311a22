// The Search panel of the main window and the multiple element-animal window: the date field read
// first, refusals that leave the moment, and a multiple search stopped and then closed.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"
#include "app/search/frmMultiple_El_An.h"
#include "calendar/astro/syzyg.h"
#include "support/FakePlatform.h"

using orlun::SearchTarget;
using orlun::app::frmMain;
using orlun::app::frmMultiple_El_An;
using orlun::test::FakePlatform;

namespace {

template <class T>
T* Child(QWidget& w, const char* name) { return w.findChild<T*>(name); }

QString Line(frmMain& w, const char* name) { return Child<QLabel>(w, name)->text(); }

void Search(frmMain& w, SearchTarget target, bool next, const QString& date = {})
{
    Child<QLineEdit>(w, "txbDate")->setText(date);
    Child<QComboBox>(w, "cboTarget")->setCurrentIndex(static_cast<int>(target));
    Child<QRadioButton>(w, next ? "optNext" : "optPrevious")->setChecked(true);
    QTest::mouseClick(Child<QPushButton>(w, "cmdSearch"), Qt::LeftButton);
}

} // namespace

class TestSearchWindows : public QObject {
    Q_OBJECT

private slots:
    void aTypedDateIsSearchedFromUnlessItIsWithinAMinute()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QVERIFY(Child<QWidget>(w, "fraSearch")->isEnabled());
        Search(w, SearchTarget::DarkMoon, true, "2000-01-01 CE");
        QCOMPARE(Line(w, "lblCommonEraDate_1"), QString("2000-01-06 CE 18:13 GMT Thursday"));
        QVERIFY(Child<QLineEdit>(w, "txbDate")->text().isEmpty());
        QVERIFY(!Child<QTimer>(w, "Clock")->isActive());
        // At the dark moon itself, a typed moment 0.0005 day later does not replace it: the
        // previous dark moon is then the one a lunation earlier.
        const double dark = w.dblCurrentAJDate;
        Search(w, SearchTarget::DarkMoon, false, QString::number(dark + 0.0005, 'f', 6) + " AJD");
        QCOMPARE(w.dblCurrentAJDate, orlun::GetPhaseTimeUT(-1, 0).ajd());
        QVERIFY(fake.messages.shown.isEmpty());
    }

    void refusalsLeaveTheMoment()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        const double before = w.dblCurrentAJDate;
        Search(w, SearchTarget::ElementAnimalDay, true);
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].title, QString("Error"));
        QCOMPARE(fake.messages.shown[0].text, QString("You must specify an element, an animal or both."));
        Search(w, SearchTarget::FullMoon, true, "2999-12-31 CE");
        QCOMPARE(fake.messages.shown.last().title, QString("Date out of range"));
        QCOMPARE(fake.messages.shown.last().text, QString("Date is later than 3000-01-01 CE."));
        // The typed date became the moment and is shown; the refused result is not.
        QVERIFY(w.dblCurrentAJDate != before);
        QCOMPARE(Line(w, "lblCommonEraDate_1"), QString("2999-12-31 CE 12:00 GMT Tuesday"));
    }

    // The target list holds the targets at the numbers the state file keeps.
    void theTargetListHoldsEveryTargetInItsPlace()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* target = Child<QComboBox>(w, "cboTarget");
        QCOMPARE(target->count(), 22);
        QCOMPARE(target->itemText(0), QString("Full moon"));
        QCOMPARE(target->itemText(static_cast<int>(SearchTarget::SolsticeEquinoxFullMoon)),
                 QString("Solstice/equinox + full moon"));
        QCOMPARE(target->itemText(static_cast<int>(SearchTarget::IntercalaryMonth)), QString("Intercalary month"));
        QCOMPARE(target->itemData(0).toInt(), 2); // the phase code of a full moon
        QCOMPARE(target->itemData(1).toInt(), 0); // of a dark moon
    }

    void theElementAnimalItemNamesTheChoice()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        auto* target = Child<QComboBox>(w, "cboTarget");
        target->setCurrentIndex(static_cast<int>(SearchTarget::ElementAnimalDay));
        w.cboTarget_Click();
        Child<QComboBox>(w, "cboAnimal")->setCurrentIndex(0);
        w.cboElementAnimal_Click();
        QCOMPARE(target->currentText(), QString("-rat (-zi) day"));
        Search(w, SearchTarget::ElementAnimalDay, true, "2013-06-01 CE");
        QCOMPARE(Child<QLabel>(w, "lblElementAnimalOfDay_1")->text(), QString("metal-rat day"));
        QVERIFY(!Child<QCheckBox>(w, "chkShowCJDs")->isChecked());
    }

    void aMultipleSearchStopsStaysOpenAndCloses()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Child<QCheckBox>(w, "chkShowCJDs")->setChecked(true);
        const double before = w.dblCurrentAJDate;
        QString captionWhileSearching;
        int checksDone = 0;
        QTimer::singleShot(0, [&] {
            frmMultiple_El_An* m = w.MultipleWindow();
            QVERIFY(m->isVisible());
            QCOMPARE(m->windowTitle(), QString("Search for the next"));
            m->cboElement[1]->setCurrentIndex(0); // "in a wood"
            m->cboAnimal[1]->setCurrentIndex(0);  // rat
            m->cboElement[2]->setCurrentIndex(0); // a wood year never has a wood-rat month
            m->cboWithin->setCurrentIndex(3);
            QTimer::singleShot(0, [&, m] {
                captionWhileSearching = m->cmdSearch->text() + (m->cmdClose->isEnabled() ? " (Close on)" : "");
                m->cmdSearch->click(); // Stop
            });
            m->cmdSearch->click();
            QVERIFY(m->isVisible());
            QCOMPARE(m->cmdSearch->text(), QString("Search"));
            QVERIFY(m->cmdClose->isEnabled());
            QCOMPARE(m->cboAnimal[1]->currentIndex(), 0);
            QVERIFY(fake.events.calls > 0);
            QVERIFY(fake.messages.shown.isEmpty());
            ++checksDone;
            m->cmdClose->click();
        });
        Search(w, SearchTarget::MultipleElementAnimalDay, true);
        QCOMPARE(checksDone, 1);
        QCOMPARE(captionWhileSearching, QString("Stop"));
        QVERIFY(w.MultipleWindow()->blnCancel);
        QCOMPARE(w.dblCurrentAJDate, before);
        QVERIFY(!Child<QCheckBox>(w, "chkShowCJDs")->isChecked());
    }

    // Both searches that use the window open it beside the element list, clear of the values.
    void theWindowOpensBesideTheElementList()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        const auto* element = Child<QComboBox>(w, "cboElement");
        const QLabel* deltaT = Child<QLabel>(w, "lblDeltaT_1");
        const QRect list(element->mapToGlobal(QPoint(0, 0)), element->size());
        const QRect values(Child<QLabel>(w, "lblChineseLunarDate_1")->mapToGlobal(QPoint(0, 0)),
                           deltaT->mapToGlobal(QPoint(deltaT->width(), deltaT->height())));
        for (const SearchTarget target : {SearchTarget::MultipleElementAnimalDay, SearchTarget::SameElementAnimalDayMonth}) {
            QRect placed;
            QTimer::singleShot(0, [&] {
                placed = w.MultipleWindow()->frameGeometry();
                w.MultipleWindow()->cmdClose->click();
            });
            Search(w, target, true, "2013-06-01 CE");
            QCOMPARE(placed.topLeft(), list.topRight() + QPoint(1, 0));
            QVERIFY(!placed.intersects(values));
        }
    }

    void theSameDayAndMonthSearchFindsADayOfTheSameNames()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        Child<QCheckBox>(w, "chkAutoLog")->setChecked(true);
        Child<QLineEdit>(w, "txbDate")->setText("2013-06-01 CE");
        std::string description;
        QTimer::singleShot(0, [&] {
            frmMultiple_El_An* m = w.MultipleWindow();
            description = m->MultipleElementAnimalStr();
            m->cmdSearch->click();
        });
        Search(w, SearchTarget::SameElementAnimalDayMonth, true, "2013-06-01 CE");
        QCOMPARE(description, std::string("earth-dog (wu-xu) day in a fire-snake (ding-si) month"));
        QVERIFY(!w.MultipleWindow()->blnCancel);
        QCOMPARE(Line(w, "lblElementAnimalOfDay_1"), QString("earth-dog day"));
        QCOMPARE(Line(w, "lblElementAnimalOfMonth"), QString("ding-si fire-snake month"));
        QVERIFY(Line(w, "lblCommonEraDate_1") != QString("2013-06-01 CE 12:00 GMT Saturday"));
    }
};

QTEST_MAIN(TestSearchWindows)
#include "test_search_windows.moc"

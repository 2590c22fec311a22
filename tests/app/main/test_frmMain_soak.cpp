// A long repeated move (20,000 steps paced by the fake timer) and 2,000 searches across the range.
// The memory the process holds after them exceeds what it held before by no more than the
// conversion cache grew (which is bounded).
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <unistd.h>

#include "app/main/frmMain.h"
#include "calendar/chinese/CalendarCache.h"
#include "calendar/core/Limits.h"
#include "calendar/search/EventSearch.h"
#include "support/FakePlatform.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;

namespace {

// Resident memory in bytes, from /proc/self/statm.
qint64 ResidentBytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

// A repeated move of `steps` steps by the unit, forward, from the date.
void RepeatedMove(frmMain& w, FakePlatform& fake, const QString& date, int unit, int steps)
{
    // Each wait between steps is a tick of the timer until the last step, then Stop.
    auto ticks = std::make_shared<int>(0);
    fake.events.whenIdle = [&w, &fake, ticks, steps] {
        fake.events.waits = 0; // these waits are the ticks asked for, not a loop that hangs
        if (++*ticks < steps) w.Clock_Timer();
        else w.cmdStop_Click();
    };
    w.findChild<QLineEdit*>("txbDate")->setText(date);
    w.findChild<QComboBox*>("cboMoveStep")->setCurrentIndex(unit);
    w.findChild<QRadioButton*>("optMoveDirection_0")->setChecked(true);
    w.findChild<QCheckBox*>("chkRepeatedly")->setChecked(true);
    w.findChild<QPushButton*>("cmdMove")->click();
}

constexpr int kDay = 2;

// The memory held before and after, checked against the cache's growth.
struct MemoryWatch {
    qint64 before = ResidentBytes();
    size_t cacheBefore = orlun::TheCalendarCache().MemoryBytes();

    void Check(const char* what) const
    {
        const qint64 after = ResidentBytes();
        const size_t cacheAfter = orlun::TheCalendarCache().MemoryBytes();
        qInfo("%s: resident memory %lld KiB before, %lld KiB after; cache %zu KiB -> %zu KiB", what,
              before / 1024, after / 1024, cacheBefore / 1024, cacheAfter / 1024);
        const qint64 cacheGrowth = qint64(cacheAfter) - qint64(cacheBefore);
        constexpr qint64 kSlack = 8 << 20; // allocator and toolkit pages
        QVERIFY(before > 0 && after > 0);
        QVERIFY2(after - before <= cacheGrowth + kSlack, "memory grew beyond the cache's growth");
    }
};

// One search from the moment by the target of that list index, in the direction.
void SearchFrom(frmMain& w, double ajd, int target, bool next)
{
    w.dblCurrentAJDate = ajd;
    w.findChild<QComboBox*>("cboTarget")->setCurrentIndex(target);
    w.findChild<QRadioButton*>(next ? "optNext" : "optPrevious")->setChecked(true);
    w.findChild<QPushButton*>("cmdSearch")->click();
}

} // namespace

class TestFrmMainSoak : public QObject {
    Q_OBJECT

private slots:
    void twentyThousandStepsHoldNoMoreMemoryThanTheCache()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        // Every display path and picture has been used once before the count starts.
        RepeatedMove(w, fake, "1990-01-01 CE", kDay, 500);
        const MemoryWatch watch;

        RepeatedMove(w, fake, "1990-01-01 CE", kDay, 20000);
        // The last of the steps is on display: 20,000 days after the start.
        QCOMPARE(w.findChild<QLabel*>("lblCommonEraDate_1")->text().left(13), QString("2044-10-04 CE"));
        QVERIFY(fake.messages.shown.isEmpty());
        watch.Check("20,000 steps");
    }

    void twoThousandSearchesAcrossTheRangeHoldNoMoreMemoryThanTheCache()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        // The element-animal targets search for wood-rat.
        w.findChild<QComboBox*>("cboElement")->setCurrentIndex(0);
        w.findChild<QComboBox*>("cboAnimal")->setCurrentIndex(0);
        // The targets of the window's own list, without the two of the multiple window.
        QList<int> targets;
        for (int t = 0; t < orlun::kSearchTargetCount; ++t)
            if (!orlun::UsesMultipleWindow(orlun::SearchTargetRows()[t].target)) targets << t;
        SearchFrom(w, 2451545.0, 0, true);
        const MemoryWatch watch;

        // Moments spread evenly over the whole range, every target in turn, both directions.
        constexpr int kSearches = 2000;
        int found = 0;
        for (int i = 0; i < kSearches; ++i) {
            const double ajd = orlun::kMinAJD + (orlun::kMaxAJD - orlun::kMinAJD) * (i + 0.5) / kSearches;
            const int shownBefore = fake.messages.shown.size();
            SearchFrom(w, ajd, targets[i % targets.size()], i % 2 == 0);
            if (fake.messages.shown.size() == shownBefore) {
                ++found;
                QVERIFY(w.dblCurrentAJDate >= orlun::kMinAJD && w.dblCurrentAJDate <= orlun::kMaxAJD + 1);
            }
        }
        qInfo("%d of %d searches found their event", found, kSearches);
        QVERIFY(found > kSearches * 9 / 10);
        watch.Check("2,000 searches");
    }
};

QTEST_MAIN(TestFrmMainSoak)
#include "test_frmMain_soak.moc"

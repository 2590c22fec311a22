// A long repeated move: 20,000 steps paced by the fake timer. The memory the process holds after
// them exceeds what it held before by no more than the conversion cache grew (which is bounded).
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
        const qint64 before = ResidentBytes();
        const size_t cacheBefore = orlun::TheCalendarCache().MemoryBytes();

        RepeatedMove(w, fake, "1990-01-01 CE", kDay, 20000);
        const qint64 after = ResidentBytes();
        const size_t cacheAfter = orlun::TheCalendarCache().MemoryBytes();
        // The last of the steps is on display: 20,000 days after the start.
        QCOMPARE(w.findChild<QLabel*>("lblCommonEraDate_1")->text().left(13), QString("2044-10-04 CE"));
        QVERIFY(fake.messages.shown.isEmpty());

        const qint64 cacheGrowth = qint64(cacheAfter) - qint64(cacheBefore);
        qInfo("resident memory %lld KiB before, %lld KiB after 20,000 steps; cache %zu KiB -> %zu KiB",
              before / 1024, after / 1024, cacheBefore / 1024, cacheAfter / 1024);
        constexpr qint64 kSlack = 8 << 20; // allocator and toolkit pages
        QVERIFY(before > 0 && after > 0);
        QVERIFY2(after - before <= cacheGrowth + kSlack, "memory grew beyond the cache's growth");
    }
};

QTEST_MAIN(TestFrmMainSoak)
#include "test_frmMain_soak.moc"

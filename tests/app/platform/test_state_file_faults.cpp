// The state file under faults: a write that fails part-way (the disk full, a file-size limit), and
// something other than a plain file in the file's place.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "app/platform/SafeFile.h"
#include "app/main/frmMain.h"
#include "support/FakePlatform.h"
#include "support/StateFiles.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;
using orlun::test::ReadAll;
using orlun::test::StatePath;

namespace {

// While it lives, files of this process cannot grow past `bytes`: writes beyond fail with EFBIG,
// as they fail with ENOSPC on a full disk. SIGXFSZ is ignored so that the failure is an error
// return and not the end of the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::System); }

} // namespace

class TestStateFileFaults : public QObject {
    Q_OBJECT

private slots:
    void aWriteCutShortLeavesTheOldFileAndNoTemporary()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/orlun.usr").toStdString();
        QVERIFY(!orlun::app::ReplaceFileContents(path, "old contents\r\n"));
        std::optional<std::string> error;
        {
            FileSizeLimit limit(100);
            error = orlun::app::ReplaceFileContents(path, std::string(5000, 'x'));
        }
        QVERIFY(error);
        QCOMPARE(QString::fromStdString(*error), QString("File too large"));
        QCOMPARE(ReadAll(QString::fromStdString(path)), QByteArray("old contents\r\n"));
        QCOMPARE(FilesIn(dir.path()), QStringList{"orlun.usr"});
    }

    void aSaveOnAFullDiskNamesTheReasonAndKeepsTheFile()
    {
        FakePlatform fake;
        frmMain w(fake.platform);
        w.Form_Load();
        QTest::mouseClick(w.findChild<QPushButton*>("cmdSaveState"), Qt::LeftButton);
        const QByteArray before = ReadAll(StatePath(fake));
        QVERIFY(before.size() > 100);
        w.CmdSaveStateEnabled(true);
        {
            FileSizeLimit limit(before.size() / 2);
            QTest::mouseClick(w.findChild<QPushButton*>("cmdSaveState"), Qt::LeftButton);
        }
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].title, QString("Save state"));
        QCOMPARE(fake.messages.shown[0].text,
                 QString("Error when attempting to save the state: File too large"));
        QVERIFY(w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
        QCOMPARE(ReadAll(StatePath(fake)), before);
        QCOMPARE(FilesIn(QFileInfo(StatePath(fake)).absolutePath()), QStringList{"orlun.usr"});
    }

    void aPipeInTheFilesPlaceIsNoSavedState()
    {
        FakePlatform fake;
        QDir().mkpath(QFileInfo(StatePath(fake)).absolutePath());
        QCOMPARE(mkfifo(QFile::encodeName(StatePath(fake)).constData(), 0600), 0);
        QElapsedTimer started;
        started.start();
        frmMain w(fake.platform);
        w.Form_Load(); // would never return if the restore opened the pipe for a blocking read
        QVERIFY(started.elapsed() < 5000);
        QCOMPARE(w.dblCurrentAJDate, 2456334.0); // the present moment of the fake clock
        QTest::mouseClick(w.findChild<QPushButton*>("cmdRestoreState"), Qt::LeftButton);
        QCOMPARE(w.dblCurrentAJDate, 2456334.0);
    }

    void onlyPlainFilesOfAStateFilesSizeAreRead()
    {
        QTemporaryDir dir;
        const std::string big = (dir.path() + "/big").toStdString();
        QVERIFY(!orlun::app::ReplaceFileContents(big, std::string(2000, 'x')));
        QVERIFY(!orlun::app::ReadRegularFile(big, 1999));
        QCOMPARE(orlun::app::ReadRegularFile(big, 2000)->size(), size_t(2000));
        QVERIFY(!orlun::app::ReadRegularFile(dir.path().toStdString(), 2000));
        QVERIFY(!orlun::app::ReadRegularFile("/dev/zero", 2000));
        QVERIFY(!orlun::app::ReadRegularFile((dir.path() + "/missing").toStdString(), 2000));
    }
};

QTEST_MAIN(TestStateFileFaults)
#include "test_state_file_faults.moc"

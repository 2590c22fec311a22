// The state file under faults: a write that fails part-way (the disk full, a file-size limit), and
// something other than a plain file in the file's place.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <sys/stat.h>

#include "io/CheckedWrite.h"
#include "io/RegularFileRead.h"
#include "app/main/frmMain.h"
#include "support/FakePlatform.h"
#include "support/FileSizeLimit.h"
#include "support/StateFiles.h"

using orlun::app::frmMain;
using orlun::test::FakePlatform;
using orlun::test::FileSizeLimit;
using orlun::test::ReadAll;
using orlun::test::StatePath;

namespace {

// Every file, the hidden temporary ones included.
QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden);
}

QPushButton* SaveButton(frmMain& w) { return w.findChild<QPushButton*>("cmdSaveState"); }

} // namespace

class TestStateFileFaults : public QObject {
    Q_OBJECT

private slots:
    void aWriteCutShortLeavesTheOldFileAndNoTemporary()
    {
        QTemporaryDir dir;
        const std::string path = (dir.path() + "/orlun.usr").toStdString();
        QVERIFY(!orlun::io::ReplaceFileContents(path, "old contents\r\n"));
        std::optional<orlun::io::WriteFailure> error;
        {
            FileSizeLimit limit(100);
            error = orlun::io::ReplaceFileContents(path, std::string(5000, 'x'));
        }
        QVERIFY(error);
        QCOMPARE(QString::fromStdString(error->reason), QString("File too large"));
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
        w.dblCurrentAJDate = 2451545.0; // another moment, so that a saved file would differ
        for (const qsizetype limit : {qsizetype(0), qsizetype(1), before.size() / 2, before.size() - 1}) {
            fake.messages.shown.clear();
            w.CmdSaveStateEnabled(true);
            {
                FileSizeLimit cut(static_cast<rlim_t>(limit));
                QTest::mouseClick(SaveButton(w), Qt::LeftButton);
            }
            QCOMPARE(fake.messages.shown.size(), 1);
            QCOMPARE(ReadAll(StatePath(fake)), before);
        }
        QCOMPARE(fake.messages.shown[0].title, QString("Save state"));
        QCOMPARE(fake.messages.shown[0].text,
                 QString("Error when attempting to save the state: File too large"));
        QVERIFY(w.findChild<QPushButton*>("cmdSaveState")->isEnabled());
        QCOMPARE(ReadAll(StatePath(fake)), before);
        QCOMPARE(FilesIn(QFileInfo(StatePath(fake)).absolutePath()), QStringList{"orlun.usr"});
    }

    void aLinkAtTheStatePathIsFollowedAndStays()
    {
        FakePlatform fake;
        QTemporaryDir elsewhere;
        const QString real = elsewhere.filePath("my-orlun.usr");
        QVERIFY(QFile(real).open(QIODevice::WriteOnly));
        QDir().mkpath(QFileInfo(StatePath(fake)).absolutePath());
        QVERIFY(QFile::link(real, StatePath(fake)));
        frmMain w(fake.platform);
        w.Form_Load();
        w.CmdSaveStateEnabled(true);
        QTest::mouseClick(SaveButton(w), Qt::LeftButton);
        QVERIFY(fake.messages.shown.isEmpty());
        QVERIFY(QFileInfo(StatePath(fake)).isSymLink());
        QVERIFY(ReadAll(real).startsWith("2456334"));
    }

    void aLeftoverOfACrashIsGoneAfterTheNextSave()
    {
        FakePlatform fake;
        const QString folder = QFileInfo(StatePath(fake)).absolutePath();
        QDir().mkpath(folder);
        const QString leftover = folder + "/.orlun.usr.orlun-tmp-Qw3rTy";
        QFile file(leftover);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("half a state");
        file.flush();
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        file.close();
        frmMain w(fake.platform);
        w.Form_Load();
        w.CmdSaveStateEnabled(true);
        QTest::mouseClick(SaveButton(w), Qt::LeftButton);
        QCOMPARE(FilesIn(folder), QStringList{"orlun.usr"});
    }

    void aFailingSettingsStoreShowsNoBoxAndTheStateIsSaved()
    {
        FakePlatform fake;
        fake.settings.refuseWrites = true;
        frmMain w(fake.platform);
        w.Form_Load();
        w.CmdSaveStateEnabled(true);
        QTest::mouseClick(SaveButton(w), Qt::LeftButton);
        QVERIFY(fake.messages.shown.isEmpty());
        QVERIFY(!SaveButton(w)->isEnabled());
        QVERIFY(ReadAll(StatePath(fake)).startsWith("2456334"));
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
        QVERIFY(!orlun::io::ReplaceFileContents(big, std::string(2000, 'x')));
        QVERIFY(!orlun::io::ReadRegularFile(big, 1999));
        QCOMPARE(orlun::io::ReadRegularFile(big, 2000)->size(), size_t(2000));
        QVERIFY(!orlun::io::ReadRegularFile(dir.path().toStdString(), 2000));
        QVERIFY(!orlun::io::ReadRegularFile("/dev/zero", 2000));
        QVERIFY(!orlun::io::ReadRegularFile((dir.path() + "/missing").toStdString(), 2000));
    }
};

QTEST_MAIN(TestStateFileFaults)
#include "test_state_file_faults.moc"

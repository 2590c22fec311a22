// A pipe (or another file that is not a plain file) in the place of a settings file holds nothing:
// the store reads and writes nothing then, at once, and leaves the pipe as it is; plain files are
// read and written as before.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "app/platform/Platform.h"
#include "app/platform/SettingsFiles.h"

using namespace orlun::app;

namespace {

// Opens the pipe for writing after a few seconds, so that a reader blocked on it goes on (and the
// test fails instead of hanging).
class PipeRelease {
public:
    explicit PipeRelease(const QString& pipe) : path_(QFile::encodeName(pipe).toStdString())
    {
        thread_ = std::thread([this] {
            for (int i = 0; i < 50 && !done_; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (done_) return;
            released_ = true;
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        });
    }
    ~PipeRelease()
    {
        done_ = true;
        thread_.join();
    }
    bool released() const { return released_; }

private:
    std::string path_;
    std::atomic<bool> done_{false}, released_{false};
    std::thread thread_;
};

} // namespace

class TestSettingsPipe : public QObject {
    Q_OBJECT

    QString folder_; // XDG_CONFIG_HOME

private slots:
    void init()
    {
        QDir(folder_).removeRecursively();
        QVERIFY(QDir().mkpath(folder_ + "/Velmor Systems"));
    }

    void aPipeIsNotOpened_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("the application's file") << "Velmor Systems/ORLUN.conf";
        QTest::newRow("the organisation's file") << "Velmor Systems.conf";
    }

    void aPipeIsNotOpened()
    {
        QFETCH(QString, file);
        const QString pipe = folder_ + "/" + file;
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QElapsedTimer clock;
        clock.start();
        {
            PipeRelease release(pipe);
            QVERIFY(!DesktopPlatform().settings->Restore("\\ORLUN", "cboRefLong"));
            QVERIFY(!DesktopPlatform().settings->Save("\\ORLUN", "cboRefLong", "2"));
            QVERIFY(!release.released());
        }
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString("%1 ms").arg(clock.elapsed())));
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(pipe).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }

    void plainFilesAreReadAndWritten()
    {
        QVERIFY(DesktopPlatform().settings->Save("\\ORLUN", "cboRefLong", "2"));
        QCOMPARE(DesktopPlatform().settings->Restore("\\ORLUN", "cboRefLong").value_or(""), QString("2"));
        QVERIFY(SettingsFilesOpenable(SettingsFilesOf("Velmor Systems", "ORLUN")));
    }

    void aFolderInTheFilesPlaceIsRefused()
    {
        QVERIFY(QDir().mkpath(folder_ + "/Velmor Systems/ORLUN.conf"));
        QVERIFY(!SettingsFilesOpenable(SettingsFilesOf("Velmor Systems", "ORLUN")));
        QVERIFY(!DesktopPlatform().settings->Restore("\\ORLUN", "cboRefLong"));
    }

public:
    explicit TestSettingsPipe(QString folder) : folder_(std::move(folder)) {}
};

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home.path() + "/system"));
    QCoreApplication app(argc, argv);
    TestSettingsPipe test(home.path() + "/config");
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_pipe.moc"

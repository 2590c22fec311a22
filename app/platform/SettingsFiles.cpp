#include "app/platform/SettingsFiles.h"

#include <QFile>
#include <QStandardPaths>
#include <sys/stat.h>

namespace orlun::app {

QStringList SettingsFilesOf(const QString& organisation, const QString& application)
{
    // The user's folder first, then the system's (XDG_CONFIG_DIRS, /etc/xdg by default).
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (!folders.contains(QStringLiteral("/etc/xdg"))) folders << QStringLiteral("/etc/xdg");
    QStringList files;
    for (const QString& folder : folders)
        files << folder + '/' + organisation + '/' + application + ".conf" << folder + '/' + organisation + ".conf";
    return files;
}

bool SettingsFilesOpenable(const QStringList& files)
{
    for (const QString& file : files) {
        struct stat st {};
        // stat follows links and never waits on what it finds.
        // A file that is missing or cannot be looked at is one the store cannot open either.
        if (::stat(QFile::encodeName(file).constData(), &st) != 0) continue;
        if (!S_ISREG(st.st_mode)) return false;
    }
    return true;
}

} // namespace orlun::app

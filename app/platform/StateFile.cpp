#include "app/platform/StateFile.h"

#include <QDir>
#include <QFileInfo>

#include "app/platform/Platform.h"
#include "calendar/state/SavedState.h"
#include "io/CheckedWrite.h"
#include "io/RegularFileRead.h"

namespace orlun::app {

namespace {
// A state file is about a kilobyte; reading stops well before anything that large.
constexpr std::size_t kMaxStateFileSize = 64 * 1024;
} // namespace

QString StateFilePath(AppDataFolder& appData)
{
    QString base = appData.Path();
    if (base.isEmpty()) base = QDir::homePath();
    QDir dir(base);
    dir.mkpath(QString::fromLatin1(kSavedStateFolderName));
    return dir.filePath(QString::fromLatin1(kSavedStateFolderName) + "/" +
                        QString::fromLatin1(kSavedStateFileName));
}

bool WriteStateFile(const QString& path, const std::string& text, QString& error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (const auto failure = io::ReplaceFileContents(path.toStdString(), text)) {
        error = QString::fromStdString(failure->reason);
        return false;
    }
    return true;
}

std::optional<std::string> ReadStateFile(const QString& path)
{
    return io::ReadRegularFile(path.toStdString(), kMaxStateFileSize);
}

} // namespace orlun::app

#include "app/StateFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "app/Platform.h"
#include "calendar/SavedState.h"

namespace orlun::app {

namespace {
// A state file is about a kilobyte; reading stops well before anything that large.
constexpr qint64 kMaxStateFileSize = 64 * 1024;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const qint64 written = file.write(text.data(), static_cast<qint64>(text.size()));
    if (written != static_cast<qint64>(text.size())) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

std::optional<std::string> ReadStateFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(kMaxStateFileSize + 1);
    if (bytes.size() > kMaxStateFileSize) return std::nullopt;
    return bytes.toStdString();
}

} // namespace orlun::app

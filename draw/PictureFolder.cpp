#include "draw/PictureFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace orlun::draw {

QString PictureFolder()
{
    const QString bin = QCoreApplication::applicationDirPath();
    if (QDir(bin + "/images").exists()) return bin + "/images/";
    return QDir::cleanPath(bin + "/../share/orlun/images") + "/";
}

} // namespace orlun::draw

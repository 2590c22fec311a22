// The state file of a window test's fake data folder, and whole-file reads.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "support/FakePlatform.h"

namespace orlun::test {

inline QString StatePath(FakePlatform& fake) { return fake.appData.dir.path() + "/Velmor_Systems/orlun.usr"; }

inline QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace orlun::test

// The files the settings store reads for one application name, and whether each may be opened:
// QSettings opens them with a blocking open(), so a pipe or a device put in the place of one
// would hold the window at start.
#pragma once

#include <QString>
#include <QStringList>

namespace orlun::app {

// The per-user and system-wide files of the organisation and of the application, in every
// configuration folder the store looks in ("<folder>/<organisation>/<application>.conf" and
// "<folder>/<organisation>.conf").
QStringList SettingsFilesOf(const QString& organisation, const QString& application);

// True when every one of the files is absent or a regular file (a link to one included); false
// when one is a folder, a pipe, a socket or a device. Looks without opening anything.
bool SettingsFilesOpenable(const QStringList& files);

} // namespace orlun::app

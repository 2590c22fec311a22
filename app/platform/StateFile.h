// Where the saved state lives and how it is written: "orlun.usr" in the folder "Velmor_Systems"
// of the per-user application-data folder. A save writes a temporary file beside the target and
// renames it over the old one, so that a failed save never leaves a partial or empty file behind.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace orlun::app {

class AppDataFolder;

// The full path of the state file; its folder is created when missing. The home folder stands in
// when the platform has no application-data folder.
QString StateFilePath(AppDataFolder& appData);

// Writes the whole text; on failure returns false with the system's description of the error.
bool WriteStateFile(const QString& path, const std::string& text, QString& error);

// The whole file, or nullopt when it cannot be read or is far too large to be a state file.
std::optional<std::string> ReadStateFile(const QString& path);

} // namespace orlun::app

// Whole-file writes that either replace the old file completely or leave it untouched, and reads
// that never block on something that is not a plain file (a pipe, a device).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orlun::app {

// Writes the bytes to a temporary file beside path, flushes them to the disk and renames the file
// over path. Every step is checked: on any failure the temporary file is removed, the old file at
// path stays as it was, and the system's reason (e.g. "No space left on device") is returned.
// nullopt means the new file is in place.
std::optional<std::string> ReplaceFileContents(const std::string& path, const std::string& bytes);

// The whole file when path names a regular file of at most maxSize bytes; nullopt for anything
// else (missing, unreadable, a folder, a pipe, a device, too large).
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxSize);

} // namespace orlun::app

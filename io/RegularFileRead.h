// Reads that never block on something that is not a plain file (a pipe, a device).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orlun::io {

// The whole file when path names a regular file of at most maxSize bytes; nullopt for anything
// else (missing, unreadable, a folder, a pipe, a device, too large).
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxSize);

} // namespace orlun::io

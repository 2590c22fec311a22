// A write to a symbolic link goes to the file the link names, and the link stays.
#pragma once

#include <optional>
#include <string>
#include <variant>

namespace orlun::io {

// Links followed before giving up, as the system's own limit for path look-ups.
inline constexpr int kMaxLinkHops = 40;

// The path itself when it is no symbolic link (or does not exist); otherwise the file the chain of
// links finally names, which need not exist yet. An errno value (ELOOP) for a chain that does not end.
std::variant<std::string, int> FinalTarget(const std::string& path);

// True when the path, or a link on the way to its file, lies under /proc/ (/dev/stdout, /dev/fd/N,
// /proc/self/fd/N): it names a descriptor already open, whose link text is no file to replace.
bool NamesAnOpenDescriptor(const std::string& path);

// The number N when the path, or a link on the way, is this process's /proc/self/fd/N,
// /proc/PID/fd/N or /dev/fd/N (/dev/stdout is 1): the open descriptor itself, as a shell takes it.
std::optional<int> OwnDescriptorNamed(const std::string& path);

// The folder part of a path: "." for a bare name, "/" for a file at the root.
std::string FolderOf(const std::string& path);
// The last part of a path.
std::string NameOf(const std::string& path);

} // namespace orlun::io

#include "io/LinkTarget.h"

#include <cerrno>
#include <sys/stat.h>
#include <string_view>
#include <unistd.h>

namespace orlun::io {

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

// The text of the link; false when path is no link.
bool ReadLink(const std::string& path, std::string& text)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return false;
    std::string buffer(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return false;
    text.assign(buffer.data(), static_cast<size_t>(n));
    return true;
}

} // namespace

bool NamesAnOpenDescriptor(const std::string& path)
{
    constexpr std::string_view kProcessFiles = "/proc/";
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        if (current.starts_with(kProcessFiles)) return true;
        std::string text;
        if (!ReadLink(current, text)) return false;
        current = text.front() == '/' ? text : FolderOf(current) + "/" + text;
    }
    return false;
}

std::variant<std::string, int> FinalTarget(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        std::string text;
        if (!ReadLink(current, text)) return current;
        // A relative link is read from the link's own folder.
        current = text.front() == '/' ? text : FolderOf(current) + "/" + text;
    }
    return ELOOP;
}

} // namespace orlun::io

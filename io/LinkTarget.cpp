#include "io/LinkTarget.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
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

namespace {

// N of "PREFIXN" with N all digits, else nullopt.
std::optional<int> NumberAfter(const std::string& path, const std::string& prefix)
{
    if (!path.starts_with(prefix) || path.size() == prefix.size() || path.size() > prefix.size() + 6) return std::nullopt;
    int n = 0;
    for (size_t i = prefix.size(); i < path.size(); ++i) {
        if (path[i] < '0' || path[i] > '9') return std::nullopt;
        n = n * 10 + (path[i] - '0');
    }
    return n;
}

} // namespace

std::optional<int> OwnDescriptorNamed(const std::string& path)
{
    const std::string prefixes[] = {"/proc/self/fd/", "/proc/" + std::to_string(::getpid()) + "/fd/", "/dev/fd/"};
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        for (const std::string& prefix : prefixes)
            if (const auto n = NumberAfter(current, prefix)) return n;
        std::string text;
        if (!ReadLink(current, text)) return std::nullopt;
        current = text.front() == '/' ? text : FolderOf(current) + "/" + text;
    }
    return std::nullopt;
}

bool NamesAnOpenDescriptor(const std::string& path)
{
    constexpr std::string_view kProcessFiles = "/proc/";
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        // The folder is resolved too: /dev/fd/N lies in a link to /proc/self/fd.
        char* folder = ::realpath(FolderOf(current).c_str(), nullptr);
        const bool inProcessFiles = folder && (std::string(folder) + "/").starts_with(kProcessFiles);
        std::free(folder);
        if (inProcessFiles || current.starts_with(kProcessFiles)) return true;
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

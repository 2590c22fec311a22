#include "io/TemporaryFiles.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/LinkTarget.h"

namespace orlun::io {

namespace {

constexpr std::string_view kMarker = ".orlun-tmp-";
constexpr size_t kRandomPart = 6; // the XXXXXX of mkostemp

bool AllDigits(std::string_view text)
{
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Another process's id, as kill(0) sees it: EPERM means alive but not ours to signal.
bool ProcessAlive(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

// Only plain files; never follow a link planted under such a name.
bool IsPlainFile(DIR* dir, const char* name, struct stat& st)
{
    return ::fstatat(::dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
}

// ".NAME.orlun-tmp-", built by appending (the `"." + name` form trips a false -Wrestrict in GCC 12's
// string code).
std::string PrefixOf(const std::string& target)
{
    std::string prefix(1, '.');
    prefix.append(NameOf(target)).append(kMarker);
    return prefix;
}

} // namespace

std::string TemporaryPatternFor(const std::string& target)
{
    const std::string folder = FolderOf(target);
    std::string pattern = folder == "/" ? std::string() : folder;
    pattern.append(1, '/').append(PrefixOf(target)).append(std::to_string(::getpid())).append("-XXXXXX");
    return pattern;
}

long OwnerOfTemporaryName(const std::string& name)
{
    // ".ANY.orlun-tmp-PID-XXXXXX": the marker is searched from the end, as the file's own name may hold it.
    if (name.size() < kRandomPart + 1 || name.front() != '.') return 0;
    const size_t dash = name.size() - kRandomPart - 1;
    if (name[dash] != '-') return 0;
    const size_t marker = name.rfind(kMarker, dash);
    if (marker == std::string::npos || marker == 0 || marker + kMarker.size() >= dash) return 0;
    const std::string_view pid = std::string_view(name).substr(marker + kMarker.size(), dash - marker - kMarker.size());
    if (!AllDigits(pid) || pid.size() > 9) return 0;
    return std::stol(std::string(pid));
}

bool IsTemporaryNameOf(const std::string& name, const std::string& target)
{
    const std::string prefix = PrefixOf(target);
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string_view rest = std::string_view(name).substr(prefix.size());
    if (rest.size() == kRandomPart) return true; // the older form
    const size_t dash = rest.size() > kRandomPart ? rest.size() - kRandomPart - 1 : 0;
    return rest.size() > kRandomPart + 1 && rest[dash] == '-' && AllDigits(rest.substr(0, dash));
}

void RemoveLeftoversBeside(const std::string& target)
{
    DIR* dir = ::opendir(FolderOf(target).c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    const std::string ownPrefix = PrefixOf(target);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat st {};
        if (const long owner = OwnerOfTemporaryName(name)) {
            if (owner != ::getpid() && !ProcessAlive(owner) && IsPlainFile(dir, entry->d_name, st))
                ::unlinkat(::dirfd(dir), entry->d_name, 0);
            continue;
        }
        const bool olderForm = name.size() == ownPrefix.size() + kRandomPart && name.starts_with(ownPrefix);
        if (olderForm && IsPlainFile(dir, entry->d_name, st) && now - st.st_mtime >= kLeftoverAge.count())
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace orlun::io

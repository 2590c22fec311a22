#include "io/TemporaryFiles.h"

#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/LinkTarget.h"

namespace orlun::io {

namespace {
constexpr const char* kMarker = ".orlun-tmp-";
constexpr size_t kRandomPart = 6; // the XXXXXX of mkostemp
} // namespace

std::string TemporaryPatternFor(const std::string& target)
{
    const std::string folder = FolderOf(target);
    return (folder == "/" ? "" : folder) + "/." + NameOf(target) + kMarker + "XXXXXX";
}

bool IsTemporaryNameOf(const std::string& name, const std::string& target)
{
    // A char, not ".", before the temporary: GCC 12 takes "literal" + temporary string for an
    // overlapping copy (a false -Wrestrict from the standard library's insert).
    const std::string prefix = '.' + NameOf(target) + kMarker;
    return name.size() == prefix.size() + kRandomPart && name.compare(0, prefix.size(), prefix) == 0;
}

void RemoveLeftoversOf(const std::string& target)
{
    const std::string folder = FolderOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryNameOf(entry->d_name, target)) continue;
        struct stat st {};
        // Only plain files of ours; never follow a link planted under such a name.
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
        if (now - st.st_mtime < kLeftoverAge.count()) continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace orlun::io

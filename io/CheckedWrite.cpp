#include "io/CheckedWrite.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

#include "io/LinkTarget.h"
#include "io/TemporaryFiles.h"

namespace orlun::io {

namespace {

constexpr mode_t kPublicMode = 0644;

// Closes a descriptor once; the first error of close() is kept, since on some file systems it is
// where a failed write first shows.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Close()
    {
        if (fd_ < 0) return 0;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// 0 when every byte went out; otherwise the errno of the failed write (ENOSPC for a short one).
int WriteAll(int fd, std::string_view bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        done += static_cast<size_t>(n);
    }
    return 0;
}

// Writes, syncs and closes the temporary file; the size on disk must equal what was written.
int FillTemporary(int fd, std::string_view bytes, mode_t mode)
{
    Descriptor file(fd);
    if (::fchmod(fd, mode) != 0) return errno;
    if (const int e = WriteAll(fd, bytes)) return e;
    if (::fsync(fd) != 0) return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    if (st.st_size != static_cast<off_t>(bytes.size())) return EIO;
    return file.Close();
}

// The old file's permissions, or those of a new ordinary file (mkostemp gives 0600).
mode_t ModeFor(const std::string& path, Permissions permissions)
{
    struct stat st {};
    if (permissions == Permissions::KeepExisting && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    return kPublicMode;
}

// Makes the rename itself durable; a failure here no longer endangers either file.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::optional<WriteFailure> ReplaceResolved(const std::string& path, std::string_view bytes,
                                            Permissions permissions)
{
    RemoveLeftoversOf(path);
    std::string temporary = TemporaryPatternFor(path);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return FailureOf(WriteFailure::Where::Folder, FolderOf(path), errno);
    if (const int e = FillTemporary(fd, bytes, ModeFor(path, permissions))) {
        ::unlink(temporary.c_str());
        return FailureOf(WriteFailure::Where::File, path, e);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int e = errno;
        ::unlink(temporary.c_str());
        return FailureOf(WriteFailure::Where::File, path, e);
    }
    SyncFolder(FolderOf(path));
    return std::nullopt;
}

} // namespace

std::optional<WriteFailure> ReplaceFileContents(const std::string& path, std::string_view bytes,
                                                Permissions permissions)
{
    const auto target = FinalTarget(path);
    if (const int* error = std::get_if<int>(&target)) return FailureOf(WriteFailure::Where::File, path, *error);
    return ReplaceResolved(std::get<std::string>(target), bytes, permissions);
}

} // namespace orlun::io

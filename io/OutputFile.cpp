#include "io/OutputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/LinkTarget.h"
#include "io/TemporaryFiles.h"

namespace orlun::io {

namespace {

constexpr mode_t kPublicMode = 0644;
constexpr const char* kStandardOutputName = "-";
constexpr int kStandardOutputFd = 1;

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

PathKind KindOfResolved(const std::string& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return PathKind::Replaced;
    if (S_ISDIR(st.st_mode)) return PathKind::Folder;
    return PathKind::InPlace;
}

// Opens a device, FIFO or socket as `>` does: no creating, no truncating, no replacing. A FIFO
// without a reader is first tried without waiting; with FifoWait::Never that is the answer. An open
// descriptor's regular file (/dev/stdout redirected by `>` or `>>`) is written at its end.
int OpenInPlace(const std::string& target, FifoWait fifo, bool append)
{
    const int kFlags = O_WRONLY | O_NOCTTY | O_CLOEXEC | (append ? O_APPEND : 0);
    for (;;) {
        int fd = ::open(target.c_str(), kFlags | O_NONBLOCK);
        if (fd < 0 && errno == ENXIO && fifo == FifoWait::UntilReader) fd = ::open(target.c_str(), kFlags);
        if (fd < 0 && errno == EINTR) continue;
        if (fd < 0) return -errno;
        // Writes wait as they would after a shell's redirection.
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        return fd;
    }
}

} // namespace

PathKind KindOfPath(const std::string& path)
{
    if (path == kStandardOutputName) return PathKind::StandardOutput;
    if (NamesAnOpenDescriptor(path)) {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? PathKind::Folder : PathKind::InPlace;
    }
    const auto target = FinalTarget(path);
    if (std::holds_alternative<int>(target)) return PathKind::Replaced; // a loop: refused when opened
    return KindOfResolved(std::get<std::string>(target));
}

OutputFile::OutputFile(PathKind kind, int fd, std::string target, std::string temporary, unsigned mode)
    : kind_(kind), fd_(fd), target_(std::move(target)), temporary_(std::move(temporary)), mode_(mode)
{
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : kind_(other.kind_), fd_(other.fd_), target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)), mode_(other.mode_)
{
    other.fd_ = -1;
    other.temporary_.clear();
}

OutputFile::~OutputFile() { Discard(); }

std::variant<OutputFile, WriteFailure> OutputFile::OpenDescriptorLink(const std::string& path, FifoWait fifo)
{
    // One of our own descriptors is taken as it is, as a shell does: it may be a pipe or a
    // terminal that its name would not open again for this user.
    if (const auto own = OwnDescriptorNamed(path)) {
        struct stat st {};
        if (::fstat(*own, &st) != 0) return FailureOf(WriteFailure::Where::File, path, errno);
        if (S_ISDIR(st.st_mode)) return FailureOf(WriteFailure::Where::File, path, EISDIR);
        const int fd = ::fcntl(*own, F_DUPFD_CLOEXEC, 0);
        if (fd < 0) return FailureOf(WriteFailure::Where::File, path, errno);
        return OutputFile(PathKind::InPlace, fd, path, {}, 0);
    }
    // The system follows such a link to the open file itself, whatever its link text says.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FailureOf(WriteFailure::Where::File, path, errno);
    if (S_ISDIR(st.st_mode)) return FailureOf(WriteFailure::Where::File, path, EISDIR);
    const int fd = OpenInPlace(path, fifo, S_ISREG(st.st_mode));
    if (fd < 0) return FailureOf(WriteFailure::Where::File, path, -fd);
    return OutputFile(PathKind::InPlace, fd, path, {}, 0);
}

std::variant<OutputFile, WriteFailure> OutputFile::Open(const std::string& path, Permissions permissions,
                                                        FifoWait fifo)
{
    if (path == kStandardOutputName) return OutputFile(PathKind::StandardOutput, kStandardOutputFd, path, {}, 0);
    if (NamesAnOpenDescriptor(path)) return OpenDescriptorLink(path, fifo);
    const auto resolved = FinalTarget(path);
    if (const int* error = std::get_if<int>(&resolved)) return FailureOf(WriteFailure::Where::File, path, *error);
    const std::string& target = std::get<std::string>(resolved);
    switch (KindOfResolved(target)) {
    case PathKind::Folder: return FailureOf(WriteFailure::Where::File, path, EISDIR);
    case PathKind::InPlace: {
        const int fd = OpenInPlace(target, fifo, false);
        if (fd < 0) return FailureOf(WriteFailure::Where::File, path, -fd);
        return OutputFile(PathKind::InPlace, fd, target, {}, 0);
    }
    case PathKind::StandardOutput:
    case PathKind::Replaced: break;
    }
    RemoveLeftoversBeside(target);
    std::string temporary = TemporaryPatternFor(target);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return FailureOf(WriteFailure::Where::Folder, FolderOf(target), errno);
    return OutputFile(PathKind::Replaced, fd, target, temporary, ModeFor(target, permissions));
}

std::optional<WriteFailure> OutputFile::Write(std::string_view bytes)
{
    if (const int e = WriteAll(fd_, bytes)) return FailureOf(WriteFailure::Where::File, target_, e);
    return std::nullopt;
}

std::optional<WriteFailure> OutputFile::Commit()
{
    const auto fail = [this](int e) {
        Discard();
        return FailureOf(WriteFailure::Where::File, target_, e);
    };
    if (kind_ == PathKind::StandardOutput) return std::nullopt; // standard output stays open
    if (kind_ == PathKind::InPlace) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) return FailureOf(WriteFailure::Where::File, target_, errno);
        return std::nullopt;
    }
    // The size on disk must equal what was written (the descriptor's offset, whoever wrote through
    // it); close() is where some file systems first fail.
    struct stat st {};
    if (::fchmod(fd_, mode_) != 0 || ::fsync(fd_) != 0 || ::fstat(fd_, &st) != 0) return fail(errno);
    if (st.st_size != ::lseek(fd_, 0, SEEK_CUR)) return fail(EIO);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return fail(errno);
    temporary_.clear();
    SyncFolder(FolderOf(target_));
    return std::nullopt;
}

void OutputFile::Discard()
{
    if (fd_ >= 0 && kind_ != PathKind::StandardOutput) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

std::optional<WriteFailure> WriteWholeFile(const std::string& path, std::string_view bytes, Permissions permissions,
                                           FifoWait fifo)
{
    auto opened = OutputFile::Open(path, permissions, fifo);
    if (auto* failure = std::get_if<WriteFailure>(&opened)) return *failure;
    OutputFile& file = std::get<OutputFile>(opened);
    if (auto failure = file.Write(bytes)) return failure;
    return file.Commit();
}

std::variant<std::string, WriteFailure> WriteTemporaryBeside(const std::string& target, std::string_view bytes)
{
    RemoveLeftoversBeside(target);
    std::string temporary = TemporaryPatternFor(target);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return FailureOf(WriteFailure::Where::Folder, FolderOf(target), errno);
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0) return temporary;
    ::unlink(temporary.c_str());
    return FailureOf(WriteFailure::Where::File, target, error);
}

} // namespace orlun::io

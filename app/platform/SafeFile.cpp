#include "app/platform/SafeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orlun::app {

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// Closes a descriptor once; the first error of close() is kept, since on some file systems it is
// where a failed write first shows.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
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
int WriteAll(int fd, const std::string& bytes)
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
int FillTemporary(int fd, const std::string& bytes, mode_t mode)
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
mode_t ModeFor(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    return 0644;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable; a failure here no longer endangers either file.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<std::string> ReplaceFileContents(const std::string& path, const std::string& bytes)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return SystemReason(errno);
    if (const int e = FillTemporary(fd, bytes, ModeFor(path))) {
        ::unlink(temporary.c_str());
        return SystemReason(e);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int e = errno;
        ::unlink(temporary.c_str());
        return SystemReason(e);
    }
    SyncFolder(FolderOf(path));
    return std::nullopt;
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxSize)
{
    // Non-blocking, so that a pipe put in the file's place cannot hold the caller; the type is
    // checked on the opened descriptor, not on the name.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    Descriptor file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    if (st.st_size < 0 || static_cast<std::size_t>(st.st_size) > maxSize) return std::nullopt;
    std::string bytes(maxSize + 1, '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    if (done > maxSize) return std::nullopt; // grew while being read
    bytes.resize(done);
    return bytes;
}

} // namespace orlun::app

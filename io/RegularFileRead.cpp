#include "io/RegularFileRead.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orlun::io {

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxSize)
{
    // Non-blocking, so that a pipe put in the file's place cannot hold the caller; the type is
    // checked on the opened descriptor, not on the name.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
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

} // namespace orlun::io

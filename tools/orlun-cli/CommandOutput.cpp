#include "CommandOutput.h"

#include <cerrno>
#include <unistd.h>

namespace orlun::cli {

CommandOutput::CommandOutput(std::FILE* stream, std::string name, std::unique_ptr<io::OutputFile> file)
    : stream_(stream), name_(std::move(name)), file_(std::move(file))
{
}

CommandOutput::~CommandOutput()
{
    if (file_ && stream_) std::fclose(stream_);
}

std::variant<CommandOutput, io::WriteFailure> CommandOutput::Open(const std::optional<std::string>& path)
{
    if (!path || io::KindOfPath(*path) == io::PathKind::StandardOutput) return CommandOutput(stdout, {}, nullptr);
    auto opened = io::OutputFile::Open(*path);
    if (auto* failure = std::get_if<io::WriteFailure>(&opened)) return *failure;
    auto file = std::make_unique<io::OutputFile>(std::move(std::get<io::OutputFile>(opened)));
    // A buffered stream of its own on the same open file; the file's descriptor stays for Commit.
    const int fd = ::dup(file->Descriptor());
    std::FILE* stream = fd < 0 ? nullptr : ::fdopen(fd, "w");
    if (!stream) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        return io::FailureOf(io::WriteFailure::Where::File, *path, error);
    }
    return CommandOutput(stream, *path, std::move(file));
}

int CommandOutput::Close(int code, Output& out)
{
    if (!file_) return code;
    std::FILE* stream = stream_;
    stream_ = nullptr;
    // Output has flushed the stream and reported a failed write (exit 3): the file is then given up.
    const int closed = std::fclose(stream) == 0 ? 0 : errno;
    if (code != 0 || closed != 0) {
        file_->Discard();
        if (code == 0) {
            out.Message("orlun-cli: " + io::Describe(io::FailureOf(io::WriteFailure::Where::File, name_, closed)));
            return kExitUnwritten;
        }
        return code;
    }
    if (const auto failure = file_->Commit()) {
        out.Message("orlun-cli: " + io::Describe(*failure));
        return kExitUnwritten;
    }
    return 0;
}

} // namespace orlun::cli

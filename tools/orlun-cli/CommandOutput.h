// Where a command's standard output goes: standard output, or --output FILE by the one rule of
// io/OutputFile (a regular file is replaced only when the command has succeeded; a device or FIFO
// is written as the records come). A command refused or cut short leaves the old file as it was.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "io/OutputFile.h"
#include "output/Output.h"

namespace orlun::cli {

class CommandOutput {
public:
    // Standard output without a path or with "-"; otherwise the file opened by the rule, or why not.
    static std::variant<CommandOutput, io::WriteFailure> Open(const std::optional<std::string>& path);
    CommandOutput(CommandOutput&&) noexcept = default;
    ~CommandOutput();

    std::FILE* Stream() const { return stream_; }
    // The file's name for Output's messages; empty for standard output.
    const std::string& Name() const { return name_; }
    // After the command and out.ExitCode: its code when 0 and the file is in place; a refused or
    // failed command's code with the old file kept; kExitUnwritten with the reason when the file
    // could not be written.
    int Close(int code, Output& out);

private:
    CommandOutput(std::FILE* stream, std::string name, std::unique_ptr<io::OutputFile> file);

    std::FILE* stream_;
    std::string name_;
    std::unique_ptr<io::OutputFile> file_;
};

} // namespace orlun::cli

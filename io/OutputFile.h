// The one rule for every path the program writes, whether its bytes come whole or as they are made:
//   "-"                             standard output, written as it goes;
//   a regular file or a new name    a temporary file beside it, renamed over it only by Commit,
//                                   so that the old file stays byte-identical on any failure;
//   a character device, FIFO, socket opened and written in place, as a shell redirection does
//                                   (never replaced by a file);
//   a folder                        refused (EISDIR).
// A symbolic link is followed: the file it names is written and the link stays. A name of an open
// descriptor (/dev/stdout, /dev/fd/N) is written in place, at the end of a regular file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "io/WriteFailure.h"

namespace orlun::io {

enum class Permissions {
    KeepExisting, // a replaced file keeps its mode; a new one is readable by everyone (0644)
    Public,       // 0644 whatever the old file had (files every user of the machine reads)
};

enum class PathKind {
    StandardOutput, // "-"
    Replaced,       // a regular file, or no file yet
    InPlace,        // a character device, FIFO or socket
    Folder,         // refused
};

// What the path names now, links followed; the path itself is given as it was asked for.
PathKind KindOfPath(const std::string& path);

// Whether opening a FIFO waits for its reader (a shell's way) or fails at once when there is none
// (ENXIO): a window must not hang on a FIFO planted at the name of its state file.
enum class FifoWait { UntilReader, Never };

class OutputFile {
public:
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    ~OutputFile(); // without Commit: the temporary file is removed and the old file stays

    // Opens the path by the rule above; for a replaced file, leftovers of earlier crashed writes in
    // its folder go first (TemporaryFiles.h).
    static std::variant<OutputFile, WriteFailure> Open(const std::string& path,
                                                       Permissions permissions = Permissions::KeepExisting,
                                                       FifoWait fifo = FifoWait::UntilReader);

    PathKind Kind() const { return kind_; }
    // The descriptor to write to (1 for standard output); owned by this object.
    int Descriptor() const { return fd_; }
    // Every byte written, or the failure (ENOSPC for a write that takes nothing).
    std::optional<WriteFailure> Write(std::string_view bytes);
    // Ends the write: a replaced file is synced, its size checked against what went through the
    // descriptor and renamed over the target; a device or FIFO is closed, its error checked.
    std::optional<WriteFailure> Commit();
    // Gives up: the temporary file goes, the old file stays. Safe to call more than once.
    void Discard();

private:
    static std::variant<OutputFile, WriteFailure> OpenDescriptorLink(const std::string& path, FifoWait fifo);
    OutputFile(PathKind kind, int fd, std::string target, std::string temporary, unsigned mode);

    PathKind kind_;
    int fd_;
    std::string target_;    // the file named, links followed
    std::string temporary_; // for Replaced: the temporary file beside target_
    unsigned mode_;         // for Replaced: the mode the new file gets
};

// The whole contents at once, by the rule above: OutputFile::Open, Write, Commit.
// nullopt means the bytes are in place.
std::optional<WriteFailure> WriteWholeFile(const std::string& path, std::string_view bytes,
                                           Permissions permissions = Permissions::KeepExisting,
                                           FifoWait fifo = FifoWait::UntilReader);

// A temporary file beside target (TemporaryFiles.h) holding the bytes, written, checked and synced
// for a step between writes (the BMP of a month image); the caller removes or renames it. Its
// name, or the failure (naming target, or its folder when no file can be made there).
std::variant<std::string, WriteFailure> WriteTemporaryBeside(const std::string& target, std::string_view bytes);

} // namespace orlun::io

// Why a file could not be written, in words a message can carry to the user.
#pragma once

#include <string>

namespace orlun::io {

struct WriteFailure {
    enum class Where {
        Folder, // no new file could be made in the folder (missing, read-only, no permission)
        File,   // the file could not be written in full or put in place
    };
    Where where = Where::File;
    std::string path;   // the folder or the file, as the system was asked for it
    std::string reason; // the system's words, e.g. "No space left on device"
};

// "Cannot write the file PATH (REASON)" or "The folder PATH does not take a new file (REASON)".
std::string Describe(const WriteFailure& failure);

// The failure for an errno value.
WriteFailure FailureOf(WriteFailure::Where where, const std::string& path, int error);

} // namespace orlun::io

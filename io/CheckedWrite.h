// The one way the program writes a file: the new contents replace the old file completely, or the
// old file stays byte-identical and the failure says which file or folder and why.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "io/WriteFailure.h"

namespace orlun::io {

enum class Permissions {
    KeepExisting, // a replaced file keeps its mode; a new one is readable by everyone (0644)
    Public,       // 0644 whatever the old file had (files every user of the machine reads)
};

// Writes bytes to a temporary file beside path (see TemporaryFiles.h), checks every write, syncs
// it, compares its size and renames it over path. A symbolic link at path is followed: the file it
// names is replaced and the link stays. Leftover temporary files of earlier crashes are removed.
// On any failure the temporary file is removed and the old file is untouched.
// nullopt means the new file is in place.
std::optional<WriteFailure> ReplaceFileContents(const std::string& path, std::string_view bytes,
                                                Permissions permissions = Permissions::KeepExisting);

} // namespace orlun::io

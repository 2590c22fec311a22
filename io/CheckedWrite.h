// The one way the program writes a whole file: the new contents replace the old file completely, or
// the old file stays byte-identical and the failure says which file or folder and why.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "io/OutputFile.h"
#include "io/WriteFailure.h"

namespace orlun::io {

// The rule of OutputFile.h for bytes that are all at hand: a regular file (or a new name) is written
// to a temporary file beside it (see TemporaryFiles.h), every write checked, synced, its size
// compared and renamed over path; a device or FIFO is written in place (a FIFO without a reader
// is refused at once, never waited for); a folder is refused. A symbolic link at path is followed:
// the file it names is replaced and the link stays. Leftover temporary files of earlier crashes are
// removed. On any failure the temporary file is removed and the old file is untouched.
// nullopt means the new contents are in place.
std::optional<WriteFailure> ReplaceFileContents(const std::string& path, std::string_view bytes,
                                                Permissions permissions = Permissions::KeepExisting);

} // namespace orlun::io

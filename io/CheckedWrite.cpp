#include "io/CheckedWrite.h"

namespace orlun::io {

std::optional<WriteFailure> ReplaceFileContents(const std::string& path, std::string_view bytes,
                                                Permissions permissions)
{
    // The windows and the build tools write whole files; none of them may hang on a FIFO.
    return WriteWholeFile(path, bytes, permissions, FifoWait::Never);
}

} // namespace orlun::io

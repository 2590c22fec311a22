#include "io/WriteFailure.h"

#include <cstring>

namespace orlun::io {

std::string Describe(const WriteFailure& failure)
{
    if (failure.where == WriteFailure::Where::Folder)
        return "The folder " + failure.path + " does not take a new file (" + failure.reason + ")";
    return "Cannot write the file " + failure.path + " (" + failure.reason + ")";
}

WriteFailure FailureOf(WriteFailure::Where where, const std::string& path, int error)
{
    return {where, path, std::strerror(error)};
}

} // namespace orlun::io

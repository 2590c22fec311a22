// Bytes as a C++ source file that compiles them into the program.
#pragma once

#include <string>
#include <string_view>

namespace orlun::skygen {

// A source defining `std::string_view orlun::<function>()` that returns the bytes. They are held
// in one string literal (compiles in well under a second even for megabytes, unlike an array
// of numbers).
std::string CppByteSource(std::string_view bytes, const std::string& function, const std::string& comment);

} // namespace orlun::skygen

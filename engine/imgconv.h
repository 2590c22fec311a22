// The image-conversion library: writes a picture file as a PNG file (or a BMP or JPEG file, when the
// destination's name ends in .bmp, .jpg or .jpeg).
#pragma once

namespace orlun {

// Length of the message buffer the caller hands in, NUL included.
inline constexpr int kImgconvMessageSize = 255;
// The message of a successful conversion.
inline constexpr const char* kImgconvNoError = "No Error";

// Reads the picture in `source` (BMP or any format the reader knows) and writes it to
// `destination` as a PNG image (BMP or JPEG by the destination's extension), through the checked write: a file already at `destination`
// is replaced whole or left byte-identical. Writes a NUL-terminated message of at most
// kImgconvMessageSize - 1 characters into `message` ("No Error" when the PNG file has been
// written, else the reason) and returns its length. Null arguments are refused with a message;
// a null `message` gives 0 and converts nothing.
int convert_graphics_file_3(const char* source, const char* destination, char* message);

} // namespace orlun

// The file of `calendar --png FILE`: its format chosen by the name's extension and never changed
// behind the user's back, ".png" added to a name without one, "-" for standard output, and a
// device or FIFO written in place under its own name.
#pragma once

#include <string>

namespace orlun::cli {

enum class ImageFormat { Png, Bmp, Jpeg };

struct ImageTarget {
    std::string path;    // the file to write ("-" for standard output)
    ImageFormat format = ImageFormat::Png;
    bool inPlace = false; // standard output, a device, a FIFO: written whole at once, no BMP step
};

// The target of --png FILE; a usage error naming the formats for an extension none of them has.
ImageTarget ImageTargetOf(const std::string& file);

// "PNG", "BMP", "JPEG": the format's name in messages, and Qt's name for its writer.
const char* FormatName(ImageFormat format);

} // namespace orlun::cli

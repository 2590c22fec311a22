#include "ImageTarget.h"

#include <algorithm>
#include <cctype>

#include "CliArgs.h"
#include "io/OutputFile.h"

namespace orlun::cli {

namespace {

struct Extension {
    const char* text;
    ImageFormat format;
};
constexpr Extension kExtensions[] = {
    {"png", ImageFormat::Png}, {"bmp", ImageFormat::Bmp}, {"jpg", ImageFormat::Jpeg}, {"jpeg", ImageFormat::Jpeg}};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The extension of the file's own name, lower case; empty without one (".month" has none).
std::string ExtensionOf(const std::string& path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    if (Lower(name) == ".png") return "png"; // ends in ".png", as the window's rule reads it
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? std::string() : Lower(name.substr(dot + 1));
}

} // namespace

ImageTarget ImageTargetOf(const std::string& file)
{
    const io::PathKind kind = io::KindOfPath(file);
    const bool inPlace = kind == io::PathKind::StandardOutput || kind == io::PathKind::InPlace;
    const std::string extension = kind == io::PathKind::StandardOutput ? std::string() : ExtensionOf(file);
    if (extension.empty()) return {inPlace ? file : file + ".png", ImageFormat::Png, inPlace};
    for (const Extension& e : kExtensions)
        if (extension == e.text) return {file, e.format, inPlace};
    throw UsageError{"--png FILE must end in .png, .bmp, .jpg or .jpeg (or have no extension), not \"" + file + "\""};
}

const char* FormatName(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Png: return "PNG";
    case ImageFormat::Bmp: return "BMP";
    case ImageFormat::Jpeg: return "JPEG";
    }
    return "PNG";
}

} // namespace orlun::cli

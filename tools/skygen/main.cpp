// orlun-skygen OUTPUT.cpp: computes the sky table (the dark moons, quarter points and true-sun
// crossings of the supported range) with the program's own code and writes it as a C++ source
// that compiles it into the program. Without the ephemeris files it writes an empty table, and
// the program computes everything as it always could.
#include <cstdio>
#include <string>

#include "CppByteSource.h"
#include "SkyComputation.h"
#include "engine/engine_status.h"
#include "io/CheckedWrite.h"

int main(int argc, char** argv)
{
    using namespace orlun;
    if (argc != 2) {
        std::fputs("usage: orlun-skygen OUTPUT.cpp\n", stderr);
        return 2;
    }
    skytable::Contents contents;
    const EngineStatus engine = CheckEphemeris();
    if (engine.ok)
        contents = skygen::ComputeSky();
    else
        std::fprintf(stderr, "orlun-skygen: %s\norlun-skygen: writing an empty sky table\n", engine.message.c_str());

    const std::string bytes = skytable::Encode(contents);
    size_t absentYears = 0;
    for (const skytable::YearValues& y : contents.years)
        absentYears += y.present ? 0 : 1;
    std::printf("sky table: %zu dark moons, %zu years (%zu absent), %zu bytes\n", contents.darkMoonUT.size(),
                contents.years.size(), absentYears, bytes.size());

    const std::string source = skygen::CppByteSource(
        bytes, "SkyTableBytes",
        "Written by orlun-skygen at build time (tools/skygen): the sky table of calendar/astro/SkyTableFormat.h.");
    if (const auto failure = io::ReplaceFileContents(argv[1], source)) {
        std::fprintf(stderr, "orlun-skygen: %s\n", io::Describe(*failure).c_str());
        return 1;
    }
    return 0;
}

// Whether the astronomical engine can compute with its JPL-based ephemeris files.
#pragma once

#include <string>

struct EngineStatus {
    bool ok = false;
    std::string message; // for the user when !ok: what is missing and which package to install
};

// Checks that the ephemeris files for the Sun and the Moon are found for the whole supported
// range (years -3000 to 3000), so the engine never falls back silently to an analytic theory.
EngineStatus CheckEphemeris();

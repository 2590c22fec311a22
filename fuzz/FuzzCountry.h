// A country of the table, chosen by one byte of the fuzzer's input.
#pragma once

#include "FuzzInput.h"
#include "calendar/core/CountryProfile.h"

namespace orlun::fuzz {

inline Country AnyCountry(FuzzInput& in)
{
    const std::span<const CountryProfile> rows = CountryProfiles();
    return rows[static_cast<size_t>(in.Choice(static_cast<int>(rows.size())))].country;
}

} // namespace orlun::fuzz

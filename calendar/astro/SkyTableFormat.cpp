#include "calendar/astro/SkyTableFormat.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace orlun::skytable {

namespace {

// Header: the magic, then six 32-bit fields, little-endian.
constexpr char kMagic[8] = {'O', 'R', 'L', 'U', 'N', 'S', 'K', 'Y'};
constexpr size_t kHeaderBytes = 32;

constexpr size_t kFullBytes = 8;
constexpr size_t kStepBytes = 5;
constexpr uint64_t kStepLimit = uint64_t{1} << (8 * kStepBytes);

// Dark moons in blocks of 16: a present flag, the first instant, 15 steps.
constexpr int kBlockLunations = 16;
constexpr size_t kBlockBytes = 1 + kFullBytes + (kBlockLunations - 1) * kStepBytes;
// A run of n increasing instants; also where the step to element n of a run begins.
constexpr size_t RunBytes(size_t n) { return kFullBytes + (n - 1) * kStepBytes; }
// A year: a present flag, its quarter points, its searches.
constexpr size_t kYearBytes =
    1 + RunBytes(kQuartersPerYear) + kTrueSunSearches * RunBytes(kCrossingsPerSearch);

size_t BlockCount(uint32_t lunations) { return (lunations + kBlockLunations - 1) / kBlockLunations; }

void PutUnsigned(std::string& out, uint64_t value, size_t bytes)
{
    for (size_t i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint64_t GetUnsigned(const unsigned char* in, size_t bytes)
{
    uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i)
        value |= uint64_t{in[i]} << (8 * i);
    return value;
}

uint64_t Bits(double v) { return std::bit_cast<uint64_t>(v); }

// Whether the run can be stored exactly: positive finite instants, not decreasing, each step
// within 5 bytes of bit pattern (at least 128 days for the instants of the range).
template <class Values>
bool Storable(const Values& run)
{
    for (size_t i = 0; i < run.size(); ++i) {
        if (!std::isfinite(run[i]) || !(run[i] > 0.0))
            return false;
        if (i > 0 && !(run[i] >= run[i - 1] && Bits(run[i]) - Bits(run[i - 1]) < kStepLimit))
            return false;
    }
    return true;
}

template <class Values>
void PutRun(std::string& out, const Values& run)
{
    PutUnsigned(out, Bits(run[0]), kFullBytes);
    for (size_t i = 1; i < run.size(); ++i)
        PutUnsigned(out, Bits(run[i]) - Bits(run[i - 1]), kStepBytes);
}

// Element `index` of a stored run.
double RunValue(const unsigned char* run, int index)
{
    uint64_t bits = GetUnsigned(run, kFullBytes);
    for (int i = 1; i <= index; ++i)
        bits += GetUnsigned(run + RunBytes(static_cast<size_t>(i)), kStepBytes);
    return std::bit_cast<double>(bits);
}

void PutDarkMoons(std::string& out, const Contents& c)
{
    const size_t n = c.darkMoonUT.size();
    for (size_t first = 0; first < n; first += kBlockLunations) {
        std::vector<double> run;
        bool present = true;
        for (size_t i = first; i < n && i < first + kBlockLunations; ++i) {
            present = present && c.darkMoonUT[i].has_value();
            run.push_back(c.darkMoonUT[i].value_or(0.0));
        }
        present = present && Storable(run);
        out.push_back(present ? 1 : 0);
        run.resize(kBlockLunations, run.back()); // the last block may be short: zero steps
        if (present)
            PutRun(out, run);
        else
            out.append(kBlockBytes - 1, '\0');
    }
}

void PutYear(std::string& out, const YearValues& y)
{
    bool present = y.present && Storable(y.quarterUT);
    for (const Search& s : y.search)
        present = present && Storable(s);
    out.push_back(present ? 1 : 0);
    if (!present) {
        out.append(kYearBytes - 1, '\0');
        return;
    }
    PutRun(out, y.quarterUT);
    for (const Search& s : y.search)
        PutRun(out, s);
}

} // namespace

std::string Encode(const Contents& c)
{
    std::string out(kMagic, sizeof kMagic);
    PutUnsigned(out, kVersion, 4);
    PutUnsigned(out, static_cast<uint32_t>(c.firstLunation), 4);
    PutUnsigned(out, static_cast<uint32_t>(c.darkMoonUT.size()), 4);
    PutUnsigned(out, static_cast<uint32_t>(c.firstYear), 4);
    PutUnsigned(out, static_cast<uint32_t>(c.years.size()), 4);
    PutUnsigned(out, 0, 4);
    PutDarkMoons(out, c);
    for (const YearValues& y : c.years)
        PutYear(out, y);
    return out;
}

View::View(std::string_view bytes)
{
    if (bytes.size() < kHeaderBytes || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    if (GetUnsigned(in + 8, 4) != kVersion)
        return;
    const auto lunations = static_cast<uint32_t>(GetUnsigned(in + 16, 4));
    const auto years = static_cast<uint32_t>(GetUnsigned(in + 24, 4));
    const uint64_t size = kHeaderBytes + uint64_t{BlockCount(lunations)} * kBlockBytes + uint64_t{years} * kYearBytes;
    if (size != bytes.size())
        return;
    bytes_ = in;
    firstLunation_ = static_cast<int32_t>(GetUnsigned(in + 12, 4));
    lunations_ = lunations;
    firstYear_ = static_cast<int32_t>(GetUnsigned(in + 20, 4));
    years_ = years;
}

const unsigned char* View::DarkMoonBlock(int32_t lunation, int& indexInBlock) const
{
    const int64_t i = int64_t{lunation} - firstLunation_;
    if (i < 0 || i >= int64_t{lunations_})
        return nullptr;
    const unsigned char* block = bytes_ + kHeaderBytes + static_cast<size_t>(i / kBlockLunations) * kBlockBytes;
    indexInBlock = static_cast<int>(i % kBlockLunations);
    return block[0] == 1 ? block + 1 : nullptr;
}

const unsigned char* View::Year(int32_t year) const
{
    const int64_t i = int64_t{year} - firstYear_;
    if (i < 0 || i >= int64_t{years_})
        return nullptr;
    const unsigned char* record =
        bytes_ + kHeaderBytes + BlockCount(lunations_) * kBlockBytes + static_cast<size_t>(i) * kYearBytes;
    return record[0] == 1 ? record + 1 : nullptr;
}

std::optional<double> View::DarkMoonUT(int32_t lunation) const
{
    int index = 0;
    const unsigned char* run = DarkMoonBlock(lunation, index);
    if (run == nullptr)
        return std::nullopt;
    return RunValue(run, index);
}

std::optional<double> View::QuarterUT(Quarter quarter, int32_t year) const
{
    const int q = static_cast<int>(quarter);
    const unsigned char* record = Year(year);
    if (record == nullptr || q < 0 || q >= kQuartersPerYear)
        return std::nullopt;
    return RunValue(record, q);
}

std::optional<Search> View::SearchOf(int32_t solarYear, int search) const
{
    const unsigned char* record = Year(solarYear);
    if (record == nullptr || search < 0 || search >= kTrueSunSearches)
        return std::nullopt;
    const unsigned char* run =
        record + RunBytes(kQuartersPerYear) + static_cast<size_t>(search) * RunBytes(kCrossingsPerSearch);
    Search s;
    uint64_t bits = GetUnsigned(run, kFullBytes);
    s[0] = std::bit_cast<double>(bits);
    for (int j = 1; j < kCrossingsPerSearch; ++j) {
        bits += GetUnsigned(run + RunBytes(static_cast<size_t>(j)), kStepBytes);
        s[static_cast<size_t>(j)] = std::bit_cast<double>(bits);
    }
    return s;
}

} // namespace orlun::skytable

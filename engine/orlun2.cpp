#include "engine/orlun2.h"

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>

#include "calendar/core/CountryProfile.h"

namespace {

// The element names that may follow a "?" position, index = element 0..4. The animal names are
// those of the country rows: every country's name of each animal is read (Vietnam's cat and
// goat, Japan's boar ...).
constexpr std::array<std::string_view, 5> kElements = {"wood", "fire", "earth", "metal", "water"};

constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

// A forward-only reader over a zero-terminated text: it never looks past the terminating zero.
class Cursor {
public:
    explicit Cursor(const char* text) : p_(text) {}

    char Peek() const { return *p_; }
    bool AtEnd() const { return *p_ == '\0'; }

    // Skips blanks; true when at least one was skipped.
    bool SkipBlanks()
    {
        const char* start = p_;
        while (IsBlank(*p_))
            ++p_;
        return p_ != start;
    }

    bool Take(char c)
    {
        if (*p_ != c)
            return false;
        ++p_;
        return true;
    }

    // Decimal digits, with a leading "-" when allowed; empty when there are no digits or the value
    // leaves the 32-bit range (accumulated in 64 bits and checked at every digit, so no wrap).
    std::optional<int32_t> Number(bool signAllowed)
    {
        bool negative = false;
        if (signAllowed && *p_ == '-') {
            negative = true;
            ++p_;
        }
        if (!IsDigit(*p_))
            return std::nullopt;
        const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                       : std::numeric_limits<int32_t>::max();
        int64_t value = 0;
        bool fits = true;
        while (IsDigit(*p_)) {
            if (fits) {
                value = value * 10 + (*p_ - '0');
                fits = value <= limit;
            }
            ++p_;
        }
        if (!fits)
            return std::nullopt;
        return static_cast<int32_t>(negative ? -value : value);
    }

    // The run of characters up to the next blank or the end.
    std::string_view Word()
    {
        const char* start = p_;
        while (*p_ != '\0' && !IsBlank(*p_))
            ++p_;
        return {start, static_cast<std::size_t>(p_ - start)};
    }

private:
    const char* p_;
};

// A "-" between fields, with blanks allowed on either side.
bool Separator(Cursor& c)
{
    c.SkipBlanks();
    if (!c.Take('-'))
        return false;
    c.SkipBlanks();
    return true;
}

// Position 1..60 of an "element-animal" word, or empty.
std::optional<int32_t> PositionOfElementAnimalWord(std::string_view word)
{
    const std::size_t dash = word.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const std::string_view elementName = word.substr(0, dash);
    const std::string_view animalName = word.substr(dash + 1);
    int element = -1;
    for (std::size_t e = 0; e < kElements.size(); ++e) {
        if (EqualsIgnoringCase(elementName, kElements[e]))
            element = static_cast<int>(e);
    }
    int animal = -1;
    for (const orlun::CountryProfile& row : orlun::CountryProfiles()) {
        for (std::size_t a = 0; a < row.animals.size(); ++a) {
            if (EqualsIgnoringCase(animalName, row.animals[a]))
                animal = static_cast<int>(a);
        }
    }
    if (element < 0 || animal < 0)
        return std::nullopt;
    // The one position whose element (one per two positions, five elements) and animal (twelve)
    // are these; each element spans both parities, so every pair has exactly one.
    for (int32_t p = 1; p <= 60; ++p) {
        if (((p + 1) / 2 - 1) % 5 == element && (p - 1) % 12 == animal)
            return p;
    }
    return std::nullopt;
}

struct Fields {
    int32_t cycle = 0;
    int32_t position = 0;
    int32_t third = 0; // month (CHL) or solar term (CHS)
    int32_t day = 0;
    bool leap = false;
};

// The common grammar of both forms; leapAllowed admits the "*" after the third field.
std::optional<Fields> ReadFields(const char* text, bool leapAllowed)
{
    if (text == nullptr)
        return std::nullopt;
    Cursor c(text);
    Fields f;

    c.SkipBlanks();
    const std::optional<int32_t> cycle = c.Number(true);
    if (!cycle || !Separator(c))
        return std::nullopt;
    f.cycle = *cycle;

    const bool positionByName = c.Take('?');
    if (!positionByName) {
        const std::optional<int32_t> position = c.Number(false);
        if (!position)
            return std::nullopt;
        f.position = *position;
    }
    if (!Separator(c))
        return std::nullopt;

    const std::optional<int32_t> third = c.Number(false);
    if (!third)
        return std::nullopt;
    f.third = *third;
    if (leapAllowed && c.Take('*'))
        f.leap = true;
    if (!Separator(c))
        return std::nullopt;

    const std::optional<int32_t> day = c.Number(false);
    if (!day)
        return std::nullopt;
    f.day = *day;

    // The date ends here: at the end of the text, or at a blank after which comes anything but a
    // further field.
    if (!c.AtEnd()) {
        if (!c.SkipBlanks())
            return std::nullopt;
        if (c.Peek() == '-')
            return std::nullopt;
    }

    if (positionByName) {
        const std::optional<int32_t> position = PositionOfElementAnimalWord(c.Word());
        if (!position)
            return std::nullopt;
        f.position = *position;
    }
    return f;
}

} // namespace

int32_t chl_datestr_to_chldate(const char* text, orlun::CHLDate* rec)
{
    if (rec == nullptr)
        return 0;
    const std::optional<Fields> f = ReadFields(text, true);
    if (!f) {
        rec->valid = 0;
        return 0;
    }
    rec->cycle = f->cycle;
    rec->position = f->position;
    rec->month = f->third;
    rec->day = f->day;
    rec->leap = f->leap ? 1 : 0;
    rec->valid = 1;
    return 0;
}

int32_t chs_datestr_to_chsdate(const char* text, orlun::CHSDate* rec)
{
    if (rec == nullptr)
        return 0;
    const std::optional<Fields> f = ReadFields(text, false);
    if (!f) {
        rec->valid = 0;
        return 0;
    }
    rec->cycle = f->cycle;
    rec->position = f->position;
    rec->term = f->third;
    rec->day = f->day;
    rec->valid = 1;
    return 0;
}

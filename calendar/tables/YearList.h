// A list built one year at a time: a window appends each year's text as it comes, shows how far
// the list has come and may stop it between years; the command line runs it to its end.
#pragma once

#include <optional>
#include <string>

#include "calendar/core/Refusal.h"

namespace orlun {

class YearList {
public:
    virtual ~YearList() = default;
    // The heading, written before the first year.
    const std::string& Heading() const { return heading_; }
    // Adds the text of the next year (possibly nothing) to out; false once the list has ended.
    virtual bool Next(std::string& out) = 0;
    // Years done and years asked for, for a progress indication.
    int Done() const { return done_; }
    int Total() const { return total_; }
    // Why the list ended early: a warning whose title the window gives, after which the list
    // keeps the years it has; none when the list did not end early.
    const std::optional<Refusal>& Stopped() const { return stopped_; }
    // Its text, "" when the list did not end early.
    std::string Message() const { return stopped_ ? stopped_->text : std::string(); }

protected:
    void Stop(std::string text)
    {
        stopped_ = Refusal{"", std::move(text), MessageIcon::Warning, AfterRefusal::ListEnds};
    }

    std::string heading_;
    std::optional<Refusal> stopped_;
    int done_ = 0;
    int total_ = 0;
};

// The heading and every year of the list.
std::string WholeList(YearList& list);

} // namespace orlun

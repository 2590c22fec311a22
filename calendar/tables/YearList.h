// A list built one year at a time: a window appends each year's text as it comes, shows how far
// the list has come and may stop it between years; the command line runs it to its end.
#pragma once

#include <string>

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
    // Why the list ended early, in the words of a message box ("" when it did not).
    const std::string& Message() const { return message_; }

protected:
    std::string heading_;
    std::string message_;
    int done_ = 0;
    int total_ = 0;
};

// The heading and every year of the list.
std::string WholeList(YearList& list);

} // namespace orlun

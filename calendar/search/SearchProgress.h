// The growing text of the search label ("Searching . . ."): a search that takes a while reports
// it, and the window shows and repaints it. The search itself never waits for the window.
#pragma once

#include <functional>
#include <string>

namespace orlun {

inline constexpr const char* kSearchingText = "Searching ";

using SearchProgress = std::function<void(const std::string& labelText)>;

class ProgressDots {
public:
    // dots is appended on each Add while the text is shorter than maxLength.
    ProgressDots(const SearchProgress& report, std::string dots, std::size_t maxLength)
        : report_(report), dots_(std::move(dots)), maxLength_(maxLength)
    {
        Show();
    }
    void Add()
    {
        if (text_.size() >= maxLength_) return;
        text_ += dots_;
        Show();
    }

private:
    void Show() const
    {
        if (report_) report_(text_);
    }
    const SearchProgress& report_;
    std::string dots_;
    std::size_t maxLength_;
    std::string text_ = kSearchingText;
};

} // namespace orlun

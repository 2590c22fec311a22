// Why an action was not done: the message box a window shows for it and what happens next. The
// calculators return it as a value; the windows and orlun-cli show it.
#pragma once

#include <string>

namespace orlun {

enum class MessageIcon { None, Warning };

// What follows the message.
enum class AfterRefusal {
    EndNow,      // the action ends at once; the moment stays where it was
    StopRequest, // a running move redisplays the unchanged moment once more and then ends
    RetypeDate,  // the focus returns to the date field for a corrected entry
    ListEnds,    // a list keeps the years it has and ends
};

struct Refusal {
    std::string title; // empty: the application's own title
    std::string text;
    MessageIcon icon = MessageIcon::None;
    AfterRefusal next = AfterRefusal::EndNow;
};

} // namespace orlun

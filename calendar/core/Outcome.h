// The result of an action that may be refused: its value, or the refusal that says why not. One
// shape for a move step, a search, a date entry and a list that stops.
#pragma once

#include <optional>
#include <utility>

#include "calendar/core/CalendarRows.h"
#include "calendar/core/Moment.h"
#include "calendar/core/Refusal.h"

namespace orlun {

template <class Value>
class Outcome {
public:
    Outcome(Value value) : value_(std::move(value)) {}
    Outcome(Refusal refusal) : refusal_(std::move(refusal)) {}

    bool ok() const { return value_.has_value(); }
    // Only when ok().
    const Value& value() const { return *value_; }
    const Value* operator->() const { return &*value_; }
    // Only when not ok().
    const Refusal& refusal() const { return refusal_; }

private:
    std::optional<Value> value_;
    Refusal refusal_;
};

// A moment reached by a move or found by a search, and the calendar row that becomes current
// (none leaves the current one).
struct NewMoment {
    Moment moment;
    std::optional<CalendarRow> calendar;
};

using MomentOutcome = Outcome<NewMoment>;

} // namespace orlun

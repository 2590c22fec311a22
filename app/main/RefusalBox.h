// The message box of a refusal: a warning box or a plain one, with its title (empty: the
// application's own) and text.
#pragma once

#include "app/platform/Platform.h"
#include "calendar/core/Refusal.h"

namespace orlun::app {

void ShowRefusal(MessageService& messages, QWidget* parent, const Refusal& refusal);

} // namespace orlun::app

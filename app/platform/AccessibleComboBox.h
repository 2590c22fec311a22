// What a screen reader hears of a drop-down list: the name given to it (or its label's text) as
// its name, and the shown item as its value. Qt 6.4's own interface on Linux gives the shown item
// as the name ("in a", "（任意）"), so that lists beside each other are told apart by nothing.
#pragma once

namespace orlun::app {

// Makes every drop-down list of the program answer with this interface; once is enough, later
// calls do nothing. Needs the application object.
void InstallAccessibleComboBoxes();

} // namespace orlun::app

// The program's numbered texts (title, version, a few captions), read from its text table.
#pragma once

#include <QString>

namespace orlun::app {

// Text number n of the table, or "" when there is none.
QString ProgramText(int n);

// The program's title and version, e.g. "Orlun 1.00": the main window's title.
QString ProgramTitle();

} // namespace orlun::app

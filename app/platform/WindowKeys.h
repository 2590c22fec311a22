// The keys a desktop user expects of every window: Enter presses the focused button, or the
// window's default button on a box, an option, a list or a field without an Enter of its own; Escape and
// Ctrl+W close a secondary window as its own Close does; the focus the program gives a control
// shows its focus ring, not only the focus reached with Tab.
#pragma once

#include <functional>

class QPushButton;
class QWidget;

namespace orlun::app {

struct WindowKeys {
    QPushButton* defaultButton = nullptr; // answers Enter; none when null
    std::function<void()> close;          // Escape and Ctrl+W; the main window has none
};

// Applies the keys to the window and to every control it holds now.
void InstallWindowKeys(QWidget& window, const WindowKeys& keys);

} // namespace orlun::app

#pragma once

// What the program asks of a desktop's window manager beyond what Qt's window flags say.
// Included by platform/*.cpp only.

class QWidget;

namespace platform::detail {

// A tool window has a title bar and a close button but neither a minimise nor a maximise
// button. Qt's utility type with its Motif hints says so, and most window managers follow it;
// openbox gives both buttons to every normal, dialog and utility window whatever the hints say,
// and leaves them off only for a toolbar torn off its main window, so under openbox the window
// is given that type. (Other window managers draw a toolbar without any frame.) widget is a
// top-level widget whose native window exists and is not mapped yet. Does nothing off X11.
void AskForToolWindowFrame(QWidget* widget);

} // namespace platform::detail

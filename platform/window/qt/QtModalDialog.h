#pragma once

// Qt's own modal dialogs (file, print, message boxes) run here. Included by platform/*.cpp only.

class QDialog;

namespace platform::detail {

// Runs the dialog until it closes and returns its result. Afterwards the program's active window
// has the keyboard again: without a window manager nobody else gives it back, and keys typed
// after the dialog would reach no window until a click.
int RunQtModalDialog(QDialog& dialog);

} // namespace platform::detail

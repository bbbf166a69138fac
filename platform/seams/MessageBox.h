#pragma once

#include "platform/window/Wnd.h"

#include <functional>
#include <string>
#include <vector>

// Message boxes: a text, a caption and buttons (OK, or Yes and No), owned by a window or by
// the desktop. They go through a seam: a handler that tests replace; the real one is a modal
// QMessageBox. On the offscreen platform, where nobody could answer it, the real one writes the
// caption and text to standard error and answers OK (or No) at once.

constexpr unsigned MB_OK = 0x0000;
constexpr unsigned MB_YESNO = 0x0004; // answers IDYES or IDNO
constexpr unsigned MB_ICONEXCLAMATION = 0x0030;

struct MessageBoxRequest {
    const CWnd* owner = nullptr; // null or the desktop window: owned by the desktop
    std::string text;
    std::string caption;
    unsigned type = MB_OK;

    bool OwnedByDesktop() const;
};

// Answers a request with the button pressed (IDOK, ...).
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

namespace platform {
// Shows a message box and returns the button pressed.
int ShowMessageBox(const CWnd* owner, const std::string& text, const std::string& caption, unsigned type = MB_OK);
// Installs a handler; an empty one puts the real message boxes back.
void SetMessageBoxHandler(MessageBoxHandler handler);
}

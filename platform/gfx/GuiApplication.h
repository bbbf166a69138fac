#pragma once

// The Qt application object that fonts, text and screens need.
namespace platform {

enum class ApplicationKind {
    Gui,     // pictures and text only: enough for command-line tools that render without a display
    Widgets, // windows and dialogs as well: what the program and the window tests need
};

// Makes sure a Qt GUI application object exists. When none exists it creates one of the given
// kind on the offscreen platform, which needs no display, and keeps it until the process ends
// (it is never destroyed, so no window or font outlives it).
// An existing object (the program's own application, created first) is kept whatever its kind.
// Returns false when a non-GUI application object is already in place, so nothing can be drawn.
bool EnsureGuiApplication(ApplicationKind kind = ApplicationKind::Gui);

// True when a Qt GUI application object exists.
bool HasGuiApplication();

}

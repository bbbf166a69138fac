#pragma once

#include "platform/window/Accelerators.h"
#include "platform/window/Menu.h"
#include "shell/CommandIds.h"

#include <string>

class CWnd;

// The main frame's resources: menu 100, accelerator table 100 and title string 100.
namespace res {

// The menu bar in order, with the start-up marks the menu itself carries (check marks of Show
// Axes, Show Values, Electron, Speed = 2 X V and Left to right; Save As and Replay Event greyed).
const MenuTemplate& MainMenu();
const std::vector<AccelEntry>& MainAccelerators();
const std::string& Title();

// Positions of the menu bar's pop-ups, counted from 0.
constexpr int kFilePopup = 0;
constexpr int kActionsPopup = 1;
constexpr int kSettingsPopup = 2;
constexpr int kShowPopup = 3;
constexpr int kEventPopup = 4;
constexpr int kTrackmakerPopup = 5;
constexpr int kRemindersPopup = 6;

// Gives window the program icon (icon 100) when it can be loaded.
void ApplyProgramIcon(CWnd& window);

// Registers menu, accelerators and title under resource 100 with the platform, so that
// CFrameWnd::LoadFrame finds them, and the dialog templates 175 and 178. Safe to call again.
void RegisterMainFrameResources();

}

#include "shell/MainFrame.h"

#include "shell/CommandIds.h"
#include "shell/Resources.h"

#include <cassert>

namespace {

constexpr int kMenuTextBuffer = 256;
constexpr const char* kSelectParticleText = "Select &Particle";
// The menu-bar pop-ups that act on chamber events; the Trackmaker mode closes them.
constexpr int kEventPopups[] = {res::kActionsPopup, res::kSettingsPopup, res::kEventPopup};
constexpr int kSelectPopups = 3; // Select Particle, Select Speed, Select Direction, side by side

// The position of "Select &Particle" in the Trackmaker pop-up, read from the item texts; -1
// when it is missing.
int FindSelectPopups(const CMenu& trackmaker)
{
    char text[kMenuTextBuffer];
    const int count = trackmaker.GetMenuItemCount();
    for (int position = 0; position < count; ++position) {
        text[0] = '\0';
        trackmaker.GetMenuString(unsigned(position), text, kMenuTextBuffer, MF_BYPOSITION);
        if (std::string(text) == kSelectParticleText)
            return position;
    }
    return -1;
}

void SetSelectPopups(CMenu& trackmaker, unsigned state)
{
    const int first = FindSelectPopups(trackmaker);
    assert(first >= 0 && "the Trackmaker menu lost its \"Select &Particle\" pop-up");
    if (first < 0)
        return;
    for (int i = 0; i < kSelectPopups; ++i)
        trackmaker.EnableMenuItem(unsigned(first + i), MF_BYPOSITION | state);
}

}

// The menu half of the Trackmaker mode: on, the Trackmaker items work and the menus that act on
// chamber events cannot be opened (they still look as usual); off, the other way round.
void CMainFrame::SetTrackmakerMode(int on)
{
    CMenu* menu = GetMenu();
    CMenu* trackmaker = menu ? menu->GetSubMenu(res::kTrackmakerPopup) : nullptr;
    assert(trackmaker && "SetTrackmakerMode needs the frame's menu bar");
    if (menu && trackmaker) {
        const unsigned trackmakerItems = on ? MF_ENABLED : MF_GRAYED;
        menu->EnableMenuItem(cmd::kInjectParticle, MF_BYCOMMAND | trackmakerItems);
        menu->EnableMenuItem(cmd::kAdjustScreenSpeed, MF_BYCOMMAND | trackmakerItems);
        for (int position : kEventPopups)
            menu->EnableMenuItem(unsigned(position), MF_BYPOSITION | (on ? MF_DISABLED : MF_ENABLED));
        menu->SetMenuItemText(cmd::kTrackmakerActivate, on ? "D&eactivate" : "&Activate");
        SetSelectPopups(*trackmaker, trackmakerItems);
        const unsigned fileItems = on ? MF_GRAYED : MF_ENABLED;
        menu->EnableMenuItem(cmd::kOpenEventFile, MF_BYCOMMAND | fileItems);
        menu->EnableMenuItem(cmd::kSaveAs, MF_BYCOMMAND | (on || !hasEvent ? MF_GRAYED : MF_ENABLED));
        menu->EnableMenuItem(cmd::kPrint, MF_BYCOMMAND | fileItems);
        DrawMenuBar();
    }
    trackmakerActive = on ? 1 : 0;
}

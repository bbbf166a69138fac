#include "shell/Resources.h"

#include "shell/CommandIds.h"

#include "platform/Gdi.h"
#include "platform/Wnd.h"

namespace res {

namespace {

using Spec = MenuItemSpec;

Spec FileMenu()
{
    return Spec::Popup("&File", {
        Spec::Item(cmd::kOpenEventFile, "&Open Event File...\tCtrl+O"),
        Spec::Item(cmd::kImportEventFile, "&Import Event File..."),
        Spec::Item(cmd::kClose, "&Close\tCtrl+W"),
        Spec::Item(cmd::kSaveAs, "Save &As...\tCtrl+S", MF_GRAYED),
        Spec::Separator(),
        Spec::Item(cmd::kPrint, "&Print..."),
        Spec::Separator(),
        Spec::Item(cmd::kExit, "E&xit\tCtrl+Q"),
    });
}

Spec ActionsMenu()
{
    return Spec::Popup("&Actions", {
        Spec::Item(cmd::kNewEvent, "New &Event\tCtrl+E"),
        Spec::Item(cmd::kReplayEvent, "Re&play Event\tCtrl+R", MF_GRAYED),
        Spec::Separator(),
        Spec::Item(cmd::kRotate, "&Rotate\tCtrl+G"),
        Spec::Item(cmd::kReverseRotate, "Re&verse Rotate\tCtrl+F"),
        Spec::Item(cmd::kResetOrientation, "Reset &Orientation"),
    });
}

Spec SettingsMenu()
{
    return Spec::Popup("&Settings", {
        Spec::Item(cmd::kAxisX, "&X-Axis\tCtrl+1"),
        Spec::Item(cmd::kAxisY, "&Y-Axis\tCtrl+2"),
        Spec::Item(cmd::kAxisZ, "&Z-Axis\tCtrl+3"),
        Spec::Separator(),
        Spec::Item(cmd::kSlowMotion, "Slow &Motion\tCtrl+M"),
        Spec::Separator(),
        Spec::Item(cmd::kMonitorChamber, "Monitor &Chamber"),
        Spec::Item(cmd::kMonitorProjector, "Monitor &Projector"),
        Spec::Separator(),
        Spec::Popup("C&hamber", {
            Spec::Item(cmd::kShowAxes, "Show &Axes", MF_CHECKED),
            Spec::Item(cmd::kShowValues, "Show &Values", MF_CHECKED),
            Spec::Item(cmd::kResetEachEvent, "&Reset Each Event"),
        }),
        Spec::Separator(),
        Spec::Item(cmd::kAdjustRotationRate, "&Adjust Rotation Rate"),
    });
}

Spec ShowMenu()
{
    return Spec::Popup("S&how", {
        Spec::Item(cmd::kShowChamber, "Particle &Chamber\tCtrl+L"),
        Spec::Item(cmd::kShowControls, "Chamber Co&ntrols\tCtrl+K"),
        Spec::Item(cmd::kShowProjector, "&Projection\tCtrl+P"),
    });
}

Spec EventMenu()
{
    std::vector<Spec> decays;
    for (int i = 0; i < 6; ++i)
        decays.push_back(Spec::Item(cmd::kDecay1 + i, "Particle Decay &" + std::to_string(i + 1)));
    return Spec::Popup("&Event", std::move(decays));
}

Spec TrackmakerMenu()
{
    return Spec::Popup("&Trackmaker", {
        Spec::Item(cmd::kTrackmakerActivate, "&Activate"),
        Spec::Item(cmd::kInjectParticle, "&Inject Particle\tCtrl+I"),
        Spec::Separator(),
        Spec::Popup("Select &Particle", {
            Spec::Item(cmd::kElectron, "&Electron", MF_CHECKED),
            Spec::Item(cmd::kPositron, "&Positron"),
        }),
        Spec::Popup("Select &Speed", {
            Spec::Item(cmd::kSpeedV, "Speed = &V"),
            Spec::Item(cmd::kSpeed2V, "Speed = &2 X V", MF_CHECKED),
            Spec::Item(cmd::kSpeed3V, "Speed = &3 X V"),
        }),
        Spec::Popup("Select &Direction", {
            Spec::Item(cmd::kLeftToRight, "&Left to right", MF_CHECKED),
            Spec::Item(cmd::kRightToLeft, "&Right to left"),
        }),
        Spec::Separator(),
        Spec::Item(cmd::kAdjustScreenSpeed, "&Adjust Speed On Screen"),
    });
}

Spec RemindersMenu()
{
    return Spec::Popup("&Reminders", {
        Spec::Item(cmd::kUsefulTools, "Useful &Tools"),
        Spec::Item(cmd::kEnergyMomentum, "&Energy-Momentum"),
        Spec::Item(cmd::kMotionInField, "&Motion in B field"),
        Spec::Item(cmd::kRealLife, "In &Real Life..."),
        Spec::Separator(),
        Spec::Item(cmd::kAbout, "&About Tracelume..."),
    });
}

}

const MenuTemplate& MainMenu()
{
    static const MenuTemplate menu{FileMenu(),  ActionsMenu(),    SettingsMenu(), ShowMenu(),
                                   EventMenu(), TrackmakerMenu(), RemindersMenu()};
    return menu;
}

const std::vector<AccelEntry>& MainAccelerators()
{
    static const std::vector<AccelEntry> table{
        {'O', cmd::kOpenEventFile}, {'W', cmd::kClose},        {'S', cmd::kSaveAs},
        {'Q', cmd::kExit},          {'E', cmd::kNewEvent},     {'R', cmd::kReplayEvent},
        {'G', cmd::kRotate},        {'F', cmd::kReverseRotate}, {'1', cmd::kAxisX},
        {'2', cmd::kAxisY},         {'3', cmd::kAxisZ},        {'M', cmd::kSlowMotion},
        {'L', cmd::kShowChamber},   {'K', cmd::kShowControls}, {'P', cmd::kShowProjector},
        {'I', cmd::kInjectParticle},
    };
    return table;
}

const std::string& Title()
{
    static const std::string title = "Tracelume";
    return title;
}

// Icon 100 is stored with the bitmaps under its own number, which no bitmap uses.
void ApplyProgramIcon(CWnd& window)
{
    static CBitmap icon;
    static const bool loaded = icon.LoadBitmap(kProgramIcon);
    if (loaded)
        window.SetIcon(*icon.Image());
}

void RegisterMainFrameResources()
{
    platform::RegisterMenuResource(kMainFrame, MainMenu());
    platform::RegisterAcceleratorResource(kMainFrame, MainAccelerators());
    platform::RegisterStringResource(kMainFrame, Title());
}

}

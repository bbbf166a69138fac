#include "shell/Resources.h"

#include "shell/CommandIds.h"
#include "shell/DecayNames.h"

#include "platform/gfx/Gdi.h"
#include "platform/window/Dialog.h"
#include "platform/window/Wnd.h"

namespace res {

namespace {

using Entry = MenuTemplateItem;

Entry FileMenu()
{
    return Entry::Popup("&File", {
        Entry::Item(cmd::kOpenEventFile, "&Open Event File...\tCtrl+O"),
        Entry::Item(cmd::kImportEventFile, "&Import Event File..."),
        Entry::Item(cmd::kClose, "&Close\tCtrl+W"),
        Entry::Item(cmd::kSaveAs, "Save &As...\tCtrl+S", MF_GRAYED),
        Entry::Separator(),
        Entry::Item(cmd::kPrint, "&Print..."),
        Entry::Item(cmd::kExportPicture, "&Export Picture..."),
        Entry::Separator(),
        Entry::Item(cmd::kExit, "E&xit\tCtrl+Q"),
    });
}

Entry ActionsMenu()
{
    return Entry::Popup("&Actions", {
        Entry::Item(cmd::kNewEvent, "New &Event\tCtrl+E"),
        Entry::Item(cmd::kReplayEvent, "Re&play Event\tCtrl+R", MF_GRAYED),
        Entry::Separator(),
        Entry::Item(cmd::kRotate, "&Rotate\tCtrl+G"),
        Entry::Item(cmd::kReverseRotate, "Re&verse Rotate\tCtrl+F"),
        Entry::Item(cmd::kResetOrientation, "Reset &Orientation"),
    });
}

Entry SettingsMenu()
{
    return Entry::Popup("&Settings", {
        Entry::Item(cmd::kAxisX, "&X-Axis\tCtrl+1"),
        Entry::Item(cmd::kAxisY, "&Y-Axis\tCtrl+2"),
        Entry::Item(cmd::kAxisZ, "&Z-Axis\tCtrl+3"),
        Entry::Separator(),
        Entry::Item(cmd::kSlowMotion, "Slow &Motion\tCtrl+M"),
        Entry::Separator(),
        Entry::Item(cmd::kMonitorChamber, "Monitor &Chamber"),
        Entry::Item(cmd::kMonitorProjector, "Monitor &Projector"),
        Entry::Separator(),
        Entry::Popup("C&hamber", {
            Entry::Item(cmd::kShowAxes, "Show &Axes", MF_CHECKED),
            Entry::Item(cmd::kShowValues, "Show &Values", MF_CHECKED),
            Entry::Item(cmd::kResetEachEvent, "&Reset Each Event"),
        }),
        Entry::Separator(),
        Entry::Item(cmd::kAdjustRotationRate, "&Adjust Rotation Rate"),
        Entry::Separator(),
        Entry::Item(cmd::kLessonSeed, "Lesson &Seed...")
            .Tip("Choose the seed and event number of a lesson's events, as tracelume-events generate numbers them"),
    });
}

Entry ShowMenu()
{
    return Entry::Popup("S&how", {
        Entry::Item(cmd::kShowChamber, "Particle &Chamber\tCtrl+L"),
        Entry::Item(cmd::kShowControls, "Chamber Co&ntrols\tCtrl+K"),
        Entry::Item(cmd::kShowProjector, "&Projection\tCtrl+P"),
        Entry::Separator(),
        Entry::Item(cmd::kColourLegend, "Colour &Legend...").Tip("Which particle each track colour shows"),
    });
}

Entry EventMenu()
{
    std::vector<Entry> decays;
    for (int i = 0; i < 6; ++i)
        decays.push_back(Entry::Item(cmd::kDecay1 + i, "Particle Decay &" + std::to_string(i + 1))
                             .Tip("Particle Decay " + std::to_string(i + 1) + ": " + DescribeDecay(i + 1).chain));
    return Entry::Popup("&Event", std::move(decays));
}

Entry TrackmakerMenu()
{
    return Entry::Popup("&Trackmaker", {
        Entry::Item(cmd::kTrackmakerActivate, "&Activate"),
        Entry::Item(cmd::kInjectParticle, "&Inject Particle\tCtrl+I"),
        Entry::Separator(),
        Entry::Popup("Select &Particle", {
            Entry::Item(cmd::kElectron, "&Electron", MF_CHECKED),
            Entry::Item(cmd::kPositron, "&Positron"),
        }),
        Entry::Popup("Select &Speed", {
            Entry::Item(cmd::kSpeedV, "Speed = &V"),
            Entry::Item(cmd::kSpeed2V, "Speed = &2 X V", MF_CHECKED),
            Entry::Item(cmd::kSpeed3V, "Speed = &3 X V"),
        }),
        Entry::Popup("Select &Direction", {
            Entry::Item(cmd::kLeftToRight, "&Left to right", MF_CHECKED),
            Entry::Item(cmd::kRightToLeft, "&Right to left"),
        }),
        Entry::Separator(),
        Entry::Item(cmd::kAdjustScreenSpeed, "&Adjust Speed On Screen"),
    });
}

Entry RemindersMenu()
{
    return Entry::Popup("&Reminders", {
        Entry::Item(cmd::kUsefulTools, "Useful &Tools"),
        Entry::Item(cmd::kEnergyMomentum, "&Energy-Momentum"),
        Entry::Item(cmd::kMotionInField, "&Motion in B field"),
        Entry::Item(cmd::kRealLife, "In &Real Life..."),
        Entry::Separator(),
        Entry::Item(cmd::kAbout, "&About Tracelume..."),
    });
}

Entry HelpMenu()
{
    return Entry::Popup("He&lp", {
        Entry::Item(cmd::kHelpGuide, "&Guide...").Tip("What each window is for, and how to measure a radius and get p = 0.3 R B"),
        Entry::Item(cmd::kHelpKeys, "&Keys...").Tip("Every key the program answers"),
        Entry::Separator(),
        Entry::Item(cmd::kHelpAbout, "&Version and Licence...").Tip("Tracelume's version and licence"),
    });
}

}

const MenuTemplate& MainMenu()
{
    static const MenuTemplate menu{FileMenu(),  ActionsMenu(),    SettingsMenu(), ShowMenu(),
                                   EventMenu(), TrackmakerMenu(), RemindersMenu(), HelpMenu()};
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

// The two rate dialogs: a track bar with a tick per position over a label at each end, 130 x 48
// units in the 8-point dialog font.
DialogTemplate RateDialogTemplate(const std::string& title, int sliderId, const std::string& leftLabel)
{
    DialogTemplate rate;
    rate.title = title;
    rate.units = Rect::FromSize(40, 40, 130, 48);
    rate.items = {
        {DialogItemKind::TrackBar, "", sliderId, Rect::FromSize(15, 8, 100, 20), TBS_AUTOTICKS | WS_TABSTOP},
        {DialogItemKind::Static, leftLabel, -1, Rect::FromSize(10, 30, 38, 8), SS_LEFT},
        {DialogItemKind::Static, "Fastest", -1, Rect::FromSize(95, 30, 30, 8), SS_LEFT},
    };
    return rate;
}

void RegisterMainFrameResources()
{
    RegisterDialogTemplate(kRateDialog, RateDialogTemplate("Chamber Rotation Rate", kRateSlider, "Smoothest"));
    RegisterDialogTemplate(kSpeedDialog, RateDialogTemplate("Trackmaker Screen Speed", kSpeedSlider, "Slowest"));
    platform::RegisterMenuResource(kMainFrame, MainMenu());
    platform::RegisterAcceleratorResource(kMainFrame, MainAccelerators());
    platform::RegisterStringResource(kMainFrame, Title());
}

}

// The menu bar: its resource table, its state after start-up, the Trackmaker mode's menu half
// and the radio groups.
#include "ShellTestSupport.h"

#include "platform/window/Menu.h"
#include "shell/CommandIds.h"
#include "shell/Resources.h"

#include <functional>
#include <map>
#include <set>

namespace {

// Every command item of a menu table with its text, depth first.
void CollectItems(const MenuTemplate& table, std::map<int, std::string>& items)
{
    for (const MenuTemplateItem& item : table) {
        if (item.IsPopup())
            CollectItems(item.popup, items);
        else if (!item.separator)
            items[item.id] = item.text;
    }
}

std::map<int, std::string> AllItems()
{
    std::map<int, std::string> items;
    CollectItems(res::MainMenu(), items);
    return items;
}

bool Checked(CMenu& m, int id) { return (m.GetMenuState(unsigned(id), MF_BYCOMMAND) & MF_CHECKED) != 0; }
bool Greyed(CMenu& m, int id) { return (m.GetMenuState(unsigned(id), MF_BYCOMMAND) & MF_GRAYED) != 0; }
unsigned PopupState(CMenu& m, int position) { return m.GetMenuState(unsigned(position), MF_BYPOSITION); }

std::string Text(CMenu& m, int position)
{
    std::string text;
    m.GetMenuString(unsigned(position), text, MF_BYPOSITION);
    return text;
}

TEST(MenuResource, HasEveryCommandOnceWithItsText)
{
    const auto items = AllItems();
    // The specified 46, and the classroom's Lesson Seed, Colour Legend and three Help pages.
    EXPECT_EQ(items.size(), 51u);
    EXPECT_EQ(items.at(110), "&Open Event File...\tCtrl+O");
    EXPECT_EQ(items.at(184), "&Import Event File...");
    EXPECT_EQ(items.at(114), "E&xit\tCtrl+Q");
    EXPECT_EQ(items.at(185), "&Export Picture...");
    EXPECT_EQ(items.at(118), "Re&verse Rotate\tCtrl+F");
    EXPECT_EQ(items.at(127), "Show &Values");
    EXPECT_EQ(items.at(131), "&Projection\tCtrl+P");
    EXPECT_EQ(items.at(137), "Particle Decay &6");
    EXPECT_EQ(items.at(146), "&Inject Particle\tCtrl+I");
    EXPECT_EQ(items.at(148), "Speed = &2 X V");
    EXPECT_EQ(items.at(153), "&Right to left");
    EXPECT_EQ(items.at(168), "In &Real Life...");
    EXPECT_EQ(items.at(138), "&About Tracelume...");
    EXPECT_EQ(items.at(183), "&Activate");
    EXPECT_EQ(items.at(186), "Lesson &Seed...");
}

TEST(MenuResource, PopupsComeInOrder)
{
    const MenuTemplate& menu = res::MainMenu();
    std::vector<std::string> titles;
    for (const MenuTemplateItem& item : menu)
        titles.push_back(item.text);
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Actions", "&Settings", "S&how", "&Event", "&Trackmaker",
                                                "&Reminders", "He&lp"}));
    // The three Select pop-ups sit side by side in the Trackmaker menu.
    const auto& trackmaker = menu[res::kTrackmakerPopup].popup;
    int k = -1;
    for (size_t i = 0; i < trackmaker.size(); ++i)
        if (trackmaker[i].text == "Select &Particle")
            k = int(i);
    ASSERT_GE(k, 0);
    EXPECT_EQ(trackmaker[size_t(k) + 1].text, "Select &Speed");
    EXPECT_EQ(trackmaker[size_t(k) + 2].text, "Select &Direction");
}

// Every shortcut label names the key that the accelerator table gives the same command.
TEST(MenuResource, AcceleratorsMatchTheShortcutLabels)
{
    const auto items = AllItems();
    std::set<int> labelled;
    for (const auto& [id, text] : items) {
        const auto tab = text.find("\tCtrl+");
        if (tab == std::string::npos)
            continue;
        labelled.insert(id);
        const char key = text[tab + 6];
        AcceleratorTable table(res::MainAccelerators());
        EXPECT_EQ(table.Lookup(key), id) << text;
    }
    EXPECT_EQ(labelled.size(), res::MainAccelerators().size());
}

using MenuState = ShellTest;

TEST_F(MenuState, AfterStartUpExactlyTheListedItemsAreCheckedOrGreyed)
{
    ASSERT_TRUE(Start(Screen(768)));
    CMenu& menu = *Frame().GetMenu();
    const std::set<int> checked{120, 124, 126, 127, 132, 150, 148, 152};
    const std::set<int> greyed{112, 116, 146, 179};
    for (const auto& [id, text] : AllItems()) {
        EXPECT_EQ(Checked(menu, id), checked.count(id) == 1) << text;
        EXPECT_EQ(Greyed(menu, id), greyed.count(id) == 1) << text;
        EXPECT_EQ(menu.GetMenuState(unsigned(id), MF_BYCOMMAND) & MF_DISABLED, 0u) << text;
    }
    for (int position = 0; position < menu.GetMenuItemCount(); ++position)
        EXPECT_EQ(PopupState(menu, position) & (MF_GRAYED | MF_DISABLED), 0u) << Text(menu, position);
    CMenu& trackmaker = *menu.GetSubMenu(res::kTrackmakerPopup);
    int greyedPopups = 0;
    for (int position = 0; position < trackmaker.GetMenuItemCount(); ++position) {
        if (trackmaker.GetMenuItemID(position) != -1)
            continue;
        EXPECT_EQ(Text(trackmaker, position).rfind("Select &", 0), 0u);
        EXPECT_EQ(PopupState(trackmaker, position) & (MF_GRAYED | MF_DISABLED), MF_GRAYED) << Text(trackmaker, position);
        ++greyedPopups;
    }
    EXPECT_EQ(greyedPopups, 3);
}

class TrackmakerMenu : public ShellTest {
protected:
    void ExpectSelectPopups(unsigned state)
    {
        CMenu& trackmaker = *Frame().GetMenu()->GetSubMenu(res::kTrackmakerPopup);
        int found = 0;
        for (int position = 0; position < trackmaker.GetMenuItemCount(); ++position) {
            if (Text(trackmaker, position).rfind("Select &", 0) == 0) {
                EXPECT_EQ(PopupState(trackmaker, position) & (MF_GRAYED | MF_DISABLED), state);
                ++found;
            }
        }
        EXPECT_EQ(found, 3);
    }
};

TEST_F(TrackmakerMenu, OnOpensTheTrackmakerItemsAndClosesTheEventMenus)
{
    ASSERT_TRUE(Start(Screen(768)));
    CMenu& menu = *Frame().GetMenu();
    Frame().SetTrackmakerMode(1);
    EXPECT_EQ(State().trackmakerActive, 1);
    EXPECT_FALSE(Greyed(menu, cmd::kInjectParticle));
    EXPECT_FALSE(Greyed(menu, cmd::kAdjustScreenSpeed));
    for (int position : {res::kActionsPopup, res::kSettingsPopup, res::kEventPopup})
        EXPECT_EQ(PopupState(menu, position) & (MF_GRAYED | MF_DISABLED), MF_DISABLED) << position;
    for (int position : {res::kFilePopup, res::kShowPopup, res::kTrackmakerPopup, res::kRemindersPopup})
        EXPECT_EQ(PopupState(menu, position) & (MF_GRAYED | MF_DISABLED), 0u) << position;
    std::string text;
    menu.GetMenuString(cmd::kTrackmakerActivate, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "D&eactivate");
    ExpectSelectPopups(0);
    EXPECT_TRUE(Greyed(menu, cmd::kOpenEventFile));
    EXPECT_TRUE(Greyed(menu, cmd::kSaveAs));
    EXPECT_TRUE(Greyed(menu, cmd::kPrint));
    EXPECT_TRUE(Greyed(menu, cmd::kExportPicture));
    for (int id : {cmd::kImportEventFile, cmd::kClose, cmd::kExit, cmd::kShowChamber, cmd::kAbout,
                   cmd::kTrackmakerActivate})
        EXPECT_FALSE(Greyed(menu, id)) << id;
    // The items inside the closed pop-ups keep their own states.
    EXPECT_FALSE(Greyed(menu, cmd::kNewEvent));
    EXPECT_TRUE(Checked(menu, cmd::kAxisX));
}

TEST_F(TrackmakerMenu, OffRestoresTheStartStateWithoutAnEvent)
{
    ASSERT_TRUE(Start(Screen(768)));
    CMenu& menu = *Frame().GetMenu();
    Frame().SetTrackmakerMode(1);
    Frame().SetTrackmakerMode(0);
    EXPECT_EQ(State().trackmakerActive, 0);
    EXPECT_TRUE(Greyed(menu, cmd::kInjectParticle));
    EXPECT_TRUE(Greyed(menu, cmd::kAdjustScreenSpeed));
    for (int position : {res::kActionsPopup, res::kSettingsPopup, res::kEventPopup})
        EXPECT_EQ(PopupState(menu, position) & (MF_GRAYED | MF_DISABLED), 0u) << position;
    std::string text;
    menu.GetMenuString(cmd::kTrackmakerActivate, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&Activate");
    ExpectSelectPopups(MF_GRAYED);
    EXPECT_FALSE(Greyed(menu, cmd::kOpenEventFile));
    EXPECT_TRUE(Greyed(menu, cmd::kSaveAs));
    EXPECT_FALSE(Greyed(menu, cmd::kPrint));
    EXPECT_FALSE(Greyed(menu, cmd::kExportPicture));
}

TEST_F(TrackmakerMenu, OffEnablesSaveAsOnlyOnceAnEventWasShown)
{
    ASSERT_TRUE(Start(Screen(768)));
    State().hasEvent = 1;
    Frame().SetTrackmakerMode(1);
    Frame().SetTrackmakerMode(0);
    EXPECT_FALSE(Greyed(*Frame().GetMenu(), cmd::kSaveAs));
}

using RadioGroups = ShellTest;

TEST_F(RadioGroups, ChoosingAnItemMovesTheCheckMarkAndStoresTheId)
{
    ASSERT_TRUE(Start(Screen(768)));
    CMenu& menu = *Frame().GetMenu();
    EXPECT_TRUE(Frame().OnCommand(cmd::kAxisZ));
    EXPECT_EQ(Frame().AxisCommand(), cmd::kAxisZ);
    EXPECT_EQ(State().camera.axis, ScreenCamera::kAxisZ);
    EXPECT_FALSE(Checked(menu, cmd::kAxisX));
    EXPECT_TRUE(Checked(menu, cmd::kAxisZ));

    EXPECT_TRUE(Frame().OnCommand(cmd::kMonitorProjector));
    EXPECT_EQ(State().MonitorChamber(), 0);
    EXPECT_FALSE(Checked(menu, cmd::kMonitorChamber));
    EXPECT_TRUE(Frame().OnCommand(cmd::kMonitorChamber));
    EXPECT_EQ(State().MonitorChamber(), 1);

    EXPECT_TRUE(Frame().OnCommand(cmd::kDecay6));
    EXPECT_EQ(Frame().DecayCommand(), cmd::kDecay6);
    EXPECT_FALSE(Checked(menu, cmd::kDecay1));
    EXPECT_TRUE(Checked(menu, cmd::kDecay6));
}

TEST_F(RadioGroups, CheckItemsFlipTheirFieldAndMark)
{
    ASSERT_TRUE(Start(Screen(768)));
    CMenu& menu = *Frame().GetMenu();
    EXPECT_TRUE(Frame().OnCommand(cmd::kSlowMotion));
    EXPECT_EQ(State().slowMotion, 1);
    EXPECT_TRUE(Checked(menu, cmd::kSlowMotion));
    EXPECT_TRUE(Frame().OnCommand(cmd::kShowValues));
    EXPECT_EQ(State().showValues, 0);
    EXPECT_FALSE(Checked(menu, cmd::kShowValues));
    EXPECT_TRUE(Frame().OnCommand(cmd::kResetEachEvent));
    EXPECT_TRUE(Frame().OnCommand(cmd::kResetEachEvent));
    EXPECT_EQ(State().resetEachEvent, 0);
    EXPECT_FALSE(Checked(menu, cmd::kResetEachEvent));
    Frame().SetShowValues(1);
    EXPECT_EQ(State().showValues, 1);
    EXPECT_TRUE(Checked(menu, cmd::kShowValues));
}

// The Trackmaker items are greyed until its window exists; should one arrive all the same, it
// only moves its radio check and creates nothing.
TEST_F(RadioGroups, TrackmakerCommandsBeforeItsWindowCreateNothing)
{
    ASSERT_TRUE(Start(Screen(768)));
    for (int id : {cmd::kInjectParticle, cmd::kAdjustScreenSpeed, cmd::kPositron, cmd::kSpeed3V, cmd::kRightToLeft})
        EXPECT_TRUE(Frame().OnCommand(id)) << id;
    EXPECT_EQ(Frame().trackmakerWindow, nullptr);
    EXPECT_EQ(State().trackmakerActive, 0);
    CMenu& menu = *Frame().GetMenu();
    EXPECT_TRUE(Checked(menu, cmd::kPositron));
    EXPECT_FALSE(Checked(menu, cmd::kSpeed2V));
    EXPECT_EQ(State().LeftToRight(), 0);
}

}

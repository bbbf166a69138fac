#include "WindowTestSupport.h"

#include "platform/window/App.h"
#include "platform/window/MessageQueue.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace windowtest;

namespace {

using Item = MenuTemplateItem;

// The shape of the program's menu bar: seven pop-ups, nested pop-ups, separators, initial states.
MenuTemplate ProgramLikeMenu()
{
    return {
        Item::Popup("&File", {Item::Item(110, "&Open Event File...\tCtrl+O"), Item::Item(184, "&Import Event File..."),
                              Item::Item(111, "&Close\tCtrl+W"), Item::Item(112, "Save &As...\tCtrl+S", MF_GRAYED),
                              Item::Separator(), Item::Item(113, "&Print..."), Item::Separator(),
                              Item::Item(114, "E&xit\tCtrl+Q")}),
        Item::Popup("&Actions", {Item::Item(115, "New &Event\tCtrl+E"), Item::Item(116, "Re&play Event\tCtrl+R", MF_GRAYED),
                                 Item::Item(117, "&Rotate\tCtrl+G")}),
        Item::Popup("&Settings",
                    {Item::Item(120, "&X-Axis\tCtrl+1"), Item::Item(121, "&Y-Axis\tCtrl+2"),
                     Item::Item(122, "&Z-Axis\tCtrl+3"), Item::Separator(),
                     Item::Popup("C&hamber", {Item::Item(126, "Show &Axes", MF_CHECKED),
                                              Item::Item(127, "Show &Values", MF_CHECKED),
                                              Item::Item(128, "&Reset Each Event")})}),
        Item::Popup("S&how", {Item::Item(129, "Particle &Chamber\tCtrl+L")}),
        Item::Popup("&Event", {Item::Item(132, "Particle Decay &1"), Item::Item(133, "Particle Decay &2")}),
        Item::Popup("&Trackmaker",
                    {Item::Item(183, "&Activate"), Item::Item(146, "&Inject Particle\tCtrl+I", MF_GRAYED),
                     Item::Separator(),
                     Item::Popup("Select &Particle", {Item::Item(150, "&Electron", MF_CHECKED), Item::Item(151, "&Positron")}),
                     Item::Popup("Select &Speed", {Item::Item(147, "Speed = &V"), Item::Item(148, "Speed = &2 X V", MF_CHECKED)}),
                     Item::Popup("Select &Direction", {Item::Item(152, "&Left to right", MF_CHECKED)}),
                     Item::Item(179, "&Adjust Speed On Screen", MF_GRAYED)}),
        Item::Popup("&Reminders", {Item::Item(138, "&About Tracelume...")}),
    };
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(menu.LoadMenuIndirect(ProgramLikeMenu())); }
    CMenu menu;
};

TEST_F(MenuTest, ItemsAndTextsByPosition)
{
    ASSERT_EQ(menu.GetMenuItemCount(), 7);
    std::string text;
    EXPECT_EQ(menu.GetMenuString(5, text, MF_BYPOSITION), 11);
    EXPECT_EQ(text, "&Trackmaker");
    CMenu* trackmaker = menu.GetSubMenu(5);
    ASSERT_NE(trackmaker, nullptr);
    EXPECT_EQ(trackmaker->GetMenuItemID(0), 183);
    EXPECT_EQ(trackmaker->GetMenuItemID(2), 0);  // separator
    EXPECT_EQ(trackmaker->GetMenuItemID(3), -1); // pop-up
    EXPECT_EQ(trackmaker->GetSubMenu(0), nullptr);
    EXPECT_EQ(menu.GetSubMenu(7), nullptr);

    // Finding the Select pop-ups the way the Trackmaker mode does.
    int k = -1;
    char buffer[256];
    for (int i = 0; i < trackmaker->GetMenuItemCount() && k < 0; ++i) {
        trackmaker->GetMenuString(unsigned(i), buffer, 256, MF_BYPOSITION);
        if (std::strcmp(buffer, "Select &Particle") == 0)
            k = i;
    }
    EXPECT_EQ(k, 3);
    trackmaker->GetMenuString(unsigned(k + 2), text, MF_BYPOSITION);
    EXPECT_EQ(text, "Select &Direction");
    EXPECT_EQ(menu.GetMenuString(186, text, MF_BYCOMMAND), 0);
}

TEST_F(MenuTest, StringIntoABufferStopsOneShortOfItsSize)
{
    char buffer[16];
    const int length = int(std::strlen("&Activate"));
    EXPECT_EQ(menu.GetMenuString(183, buffer, length + 1, MF_BYCOMMAND), length);
    EXPECT_STREQ(buffer, "&Activate");
    EXPECT_EQ(menu.GetMenuString(183, buffer, length, MF_BYCOMMAND), length - 1);
    EXPECT_STREQ(buffer, "&Activat");
}

TEST_F(MenuTest, CheckMarksByCommandSearchNestedPopups)
{
    EXPECT_EQ(menu.CheckMenuItem(120, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu.CheckMenuItem(120, MF_BYCOMMAND | MF_CHECKED), MF_CHECKED);
    EXPECT_EQ(menu.GetMenuState(120, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(menu.CheckMenuItem(126, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED); // inside "C&hamber"
    EXPECT_EQ(menu.GetMenuState(126, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(menu.CheckMenuItem(999, MF_BYCOMMAND | MF_CHECKED), kMenuItemNotFound);
    EXPECT_EQ(menu.GetMenuState(999, MF_BYCOMMAND), kMenuItemNotFound);
}

TEST_F(MenuTest, CheckMarksByPositionCountSeparators)
{
    CMenu* settings = menu.GetSubMenu(2);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->CheckMenuItem(2, MF_BYPOSITION | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu.GetMenuState(122, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(settings->GetMenuState(3, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(settings->GetMenuState(4, MF_BYPOSITION) & MF_POPUP, MF_POPUP);
    EXPECT_EQ(settings->CheckMenuItem(5, MF_BYPOSITION | MF_CHECKED), kMenuItemNotFound);
}

TEST_F(MenuTest, EnableAndGreyReturnThePreviousState)
{
    EXPECT_EQ(menu.EnableMenuItem(116, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu.GetMenuState(116, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), 0u);
    EXPECT_EQ(menu.EnableMenuItem(116, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    CMenu* trackmaker = menu.GetSubMenu(5);
    for (unsigned k = 3; k < 6; ++k) {
        trackmaker->EnableMenuItem(k, MF_BYPOSITION | MF_GRAYED);
        EXPECT_EQ(trackmaker->GetMenuState(k, MF_BYPOSITION) & MF_GRAYED, MF_GRAYED);
    }
    // Greying a pop-up leaves the states of its items alone.
    EXPECT_EQ(menu.GetMenuState(150, MF_BYCOMMAND), MF_CHECKED);
}

TEST_F(MenuTest, ChangingATextKeepsTheState)
{
    menu.CheckMenuItem(183, MF_BYCOMMAND | MF_CHECKED);
    menu.EnableMenuItem(183, MF_BYCOMMAND | MF_GRAYED);
    ASSERT_TRUE(menu.SetMenuItemText(183, "D&eactivate"));
    std::string text;
    menu.GetMenuString(183, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "D&eactivate");
    EXPECT_EQ(menu.GetMenuState(183, MF_BYCOMMAND), MF_CHECKED | MF_GRAYED);
    ASSERT_TRUE(menu.GetSubMenu(5)->ModifyMenu(0, MF_BYPOSITION | MF_STRING, 183, "&Activate"));
    menu.GetMenuString(183, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&Activate");
    EXPECT_FALSE(menu.SetMenuItemText(999, "nothing"));
}

class FrameMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create("", "Tracelume", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, Rect::FromSize(0, 0, 900, 48)));
        ASSERT_TRUE(frame.SetMenuFromTemplate(ProgramLikeMenu()));
        frame.SetAccelerators(AcceleratorTable({{'O', 110}, {'e', 115}, {'R', 116}, {'1', 120}, {'I', 146}}));
        ASSERT_TRUE(tool.CreateTopLevel("Particle Chamber: Empty", Rect::FromSize(0, 40, 640, 440), WS_OVERLAPPEDWINDOW, &frame));
        frame.ShowWindow(SW_SHOW);
        tool.ShowWindow(SW_SHOW);
        platform::simulate::ProcessEvents();
    }
    void TearDown() override
    {
        tool.DestroyWindow();
        frame.DestroyWindow();
        platform::simulate::ProcessEvents();
    }
    CMenu& Menu() { return *frame.GetMenu(); }

    RecordingFrame frame;
    RecordingWnd tool;
};

TEST_F(FrameMenuTest, ChoosingAnItemPostsItsCommandUnlessItIsGreyedOrDisabled)
{
    ASSERT_TRUE(platform::simulate::ChooseMenuItem(&frame, 115));
    EXPECT_TRUE(frame.commands.empty()); // posted, not sent
    platform::simulate::ProcessEvents();
    EXPECT_EQ(frame.commands, std::vector<int>{115});

    platform::simulate::ChooseMenuItem(&frame, 116); // greyed at start
    Menu().EnableMenuItem(117, MF_BYCOMMAND | MF_DISABLED);
    platform::simulate::ChooseMenuItem(&frame, 117);
    platform::simulate::ProcessEvents();
    EXPECT_EQ(frame.commands, std::vector<int>{115});
}

TEST_F(FrameMenuTest, ChoosingACheckedItemLeavesTheCheckMarkToTheProgram)
{
    platform::simulate::ChooseMenuItem(&frame, 126);
    platform::simulate::ProcessEvents();
    EXPECT_EQ(frame.commands, std::vector<int>{126});
    EXPECT_EQ(Menu().GetMenuState(126, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
}

TEST_F(FrameMenuTest, APopupDisabledWithoutGreyingLooksTheSameButDoesNotOpen)
{
    EXPECT_TRUE(platform::simulate::ClickMenuBarItem(&frame, 1));
    const PixelImage enabledLook = platform::simulate::GrabMenuBar(&frame);
    ASSERT_GT(enabledLook.width, 0);

    Menu().EnableMenuItem(1, MF_BYPOSITION | MF_DISABLED);
    EXPECT_EQ(Menu().GetMenuState(1, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), MF_DISABLED);
    EXPECT_FALSE(platform::simulate::ClickMenuBarItem(&frame, 1));
    EXPECT_TRUE(platform::simulate::GrabMenuBar(&frame).pixels == enabledLook.pixels);
    EXPECT_TRUE(platform::simulate::ClickMenuBarItem(&frame, 2)); // the others still open
    EXPECT_TRUE(frame.commands.empty());

    Menu().EnableMenuItem(1, MF_BYPOSITION | MF_GRAYED);
    EXPECT_FALSE(platform::simulate::ClickMenuBarItem(&frame, 1));
    EXPECT_FALSE(platform::simulate::GrabMenuBar(&frame).pixels == enabledLook.pixels);

    Menu().EnableMenuItem(1, MF_BYPOSITION | MF_ENABLED);
    EXPECT_TRUE(platform::simulate::ClickMenuBarItem(&frame, 1));
}

// "&Activate" and "&Adjust Speed On Screen" share A: each A highlights the next of them that can
// be chosen, from the first, and Enter chooses it; a letter of one item alone chooses it at once.
TEST_F(FrameMenuTest, ALetterThatItemsShareHighlightsThemInTurnForEnter)
{
    struct Case {
        unsigned adjust; // state of Adjust Speed On Screen (179)
        int letters;     // how often A is typed
        int chosen;
    };
    for (const Case& c : {Case{MF_GRAYED, 1, 183}, Case{MF_GRAYED, 2, 183}, Case{MF_ENABLED, 1, 183},
                          Case{MF_ENABLED, 2, 179}, Case{MF_ENABLED, 3, 183}}) {
        Menu().EnableMenuItem(179, MF_BYCOMMAND | c.adjust);
        frame.commands.clear();
        ASSERT_TRUE(platform::simulate::SendAltKey(&frame, 'T'));
        for (int i = 0; i < c.letters; ++i)
            platform::simulate::SendKey(&frame, 'A', false);
        platform::simulate::SendKey(&frame, VK_RETURN, false);
        platform::simulate::ProcessEvents();
        EXPECT_EQ(frame.commands, std::vector<int>{c.chosen}) << c.letters << " x A, Adjust greyed " << (c.adjust == MF_GRAYED);
    }
    Menu().EnableMenuItem(146, MF_BYCOMMAND | MF_ENABLED);
    frame.commands.clear();
    ASSERT_TRUE(platform::simulate::SendAltKey(&frame, 'T'));
    platform::simulate::SendKey(&frame, 'I', false);
    platform::simulate::ProcessEvents();
    EXPECT_EQ(frame.commands, std::vector<int>{146});
}

TEST_F(FrameMenuTest, AcceleratorsReachTheMainFrameFromAnyOfOurWindows)
{
    char name[] = "tracelume";
    char* argv[] = {name, nullptr};
    CWinApp app(1, argv);
    app.m_pMainWnd = &frame;
    platform::simulate::SendKey(&tool, 'E', true);
    platform::simulate::SendKey(&tool, '1', true);
    platform::simulate::SendKey(&frame, 'O', true);
    EXPECT_EQ(frame.commands, (std::vector<int>{115, 120, 110}));
    EXPECT_TRUE(tool.commands.empty());
}

TEST_F(FrameMenuTest, AcceleratorsDoNothingWhileTheirItemIsGreyedOrWithoutCtrl)
{
    platform::simulate::SendKey(&frame, 'R', true); // Replay is greyed
    platform::simulate::SendKey(&frame, 'I', true); // Inject Particle is greyed
    platform::simulate::SendKey(&frame, 'E', false);
    platform::simulate::SendKey(&frame, 'Z', true); // not in the table
    EXPECT_TRUE(frame.commands.empty());
    Menu().EnableMenuItem(116, MF_BYCOMMAND | MF_ENABLED);
    platform::simulate::SendKey(&frame, 'R', true);
    EXPECT_EQ(frame.commands, std::vector<int>{116});
}

TEST_F(FrameMenuTest, APumpSeesTheKeyBeforeItsCommandRuns)
{
    platform::simulate::PostKey(&tool, '1', true);
    std::vector<Msg> seen;
    size_t commandsWhenSeen = 99;
    platform::PumpWaitingMessages([&](const Msg& message) {
        if (message.kind == MessageKind::KeyDown)
            commandsWhenSeen = frame.commands.size();
        seen.push_back(message);
        return PumpAction::Dispatch;
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].key, '1');
    EXPECT_TRUE(seen[0].control);
    EXPECT_EQ(seen[0].target, &tool);
    EXPECT_EQ(commandsWhenSeen, 0u);
}

TEST(Accelerators, LettersMatchWhateverTheirCase)
{
    const AcceleratorTable table({{'q', 114}, {'3', 122}});
    EXPECT_EQ(table.Lookup('Q'), std::optional<int>(114));
    EXPECT_EQ(table.Lookup('q'), std::optional<int>(114));
    EXPECT_EQ(table.Lookup('3'), std::optional<int>(122));
    EXPECT_EQ(table.Lookup('4'), std::nullopt);
}

TEST(FrameResources, LoadFrameTakesMenuAcceleratorsAndTitleFromOneResource)
{
    platform::RegisterMenuResource(4100, ProgramLikeMenu());
    platform::RegisterAcceleratorResource(4100, {{'E', 115}});
    platform::RegisterStringResource(4100, "Tracelume");
    RecordingFrame frame;
    ASSERT_TRUE(frame.LoadFrame(4100, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(frame.GetWindowText(), "Tracelume");
    ASSERT_NE(frame.GetMenu(), nullptr);
    EXPECT_EQ(frame.GetMenu()->GetMenuItemCount(), 7);
    EXPECT_EQ(frame.Accelerators().Lookup('E'), std::optional<int>(115));
    EXPECT_TRUE(frame.TranslateAccelerator('E'));
    EXPECT_EQ(frame.commands, std::vector<int>{115});
    EXPECT_FALSE(frame.TranslateAccelerator('X'));
    frame.DestroyWindow();
}

} // namespace

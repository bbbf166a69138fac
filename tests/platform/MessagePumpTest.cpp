#include "WindowTestSupport.h"

#include "platform/window/App.h"
#include "platform/window/MessageQueue.h"

#include <gtest/gtest.h>

using namespace windowtest;
using platform::simulate::MouseAction;

namespace {

char programName[] = "tracelume";

// Pumps until an inspector has seen a quit request (or a few passes went by); returns its code.
std::optional<int> PumpUntilQuit()
{
    std::optional<int> code;
    for (int pass = 0; pass < 5 && !code; ++pass)
        platform::PumpWaitingMessages([&](const Msg& message) {
            if (message.kind != MessageKind::Quit)
                return PumpAction::Dispatch;
            code = message.exitCode;
            return PumpAction::StopPumping;
        });
    return code;
}

class MessagePumpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create("", "Tracelume", WS_OVERLAPPEDWINDOW, Rect::FromSize(0, 0, 400, 48)));
        ASSERT_TRUE(chamber.CreateTopLevel("Particle Chamber: Empty", Rect::FromSize(0, 40, 640, 440),
                                           WS_OVERLAPPEDWINDOW, &frame));
        ASSERT_TRUE(view.CreateChild(&chamber, {0, 0, 300, 200}, AFX_IDW_PANE_FIRST));
        frame.ShowWindow(SW_SHOW);
        chamber.ShowWindow(SW_SHOW);
        platform::simulate::ProcessEvents();
    }
    void TearDown() override
    {
        chamber.DestroyWindow();
        frame.DestroyWindow();
        platform::simulate::ProcessEvents();
    }

    RecordingFrame frame;
    RecordingWnd chamber;
    RecordingWnd view;
};

TEST_F(MessagePumpTest, AQuitSeenByALoopIsPostedAgainForTheNextOne)
{
    PostQuitMessage(7);
    std::vector<int> seen;
    const bool finished = platform::PumpWaitingMessages([&](const Msg& message) {
        if (message.kind != MessageKind::Quit)
            return PumpAction::Dispatch;
        seen.push_back(message.exitCode);
        PostQuitMessage(0);
        return PumpAction::StopPumping;
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(seen, std::vector<int>{7});
    EXPECT_EQ(PumpUntilQuit(), std::optional<int>(0));
}

TEST_F(MessagePumpTest, ALeftPressIsReportedWithItsTargetBeforeItsHandlerRuns)
{
    platform::simulate::PostMouse(&view, MouseAction::Press, {3, 4});
    platform::simulate::PostMouse(&chamber, MouseAction::Release, {3, 4});
    std::vector<Msg> seen;
    bool handlerRanBeforeInspection = false;
    platform::PumpWaitingMessages([&](const Msg& message) {
        if (message.kind == MessageKind::LeftButtonDown)
            handlerRanBeforeInspection = !view.mouse.empty();
        seen.push_back(message);
        return PumpAction::Dispatch;
    });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].kind, MessageKind::LeftButtonDown);
    EXPECT_EQ(seen[0].target, &view);
    EXPECT_EQ(seen[0].point, (Point{3, 4}));
    EXPECT_EQ(seen[1].kind, MessageKind::LeftButtonUp);
    EXPECT_EQ(seen[1].target, &chamber);
    EXPECT_FALSE(handlerRanBeforeInspection);
    ASSERT_EQ(view.mouse.size(), 1u);
    EXPECT_EQ(view.mouse[0].kind, "down");
}

TEST_F(MessagePumpTest, AConsumedMessageNeverReachesItsWindow)
{
    platform::simulate::PostMouse(&view, MouseAction::Press, {3, 4});
    frame.PostMessage(WM_COMMAND, 115);
    platform::PumpWaitingMessages([](const Msg&) { return PumpAction::Consume; });
    EXPECT_TRUE(view.mouse.empty());
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(MessagePumpTest, ACommandDispatchedFromAPumpRunsAndMayPumpItself)
{
    std::vector<Msg> outer;
    std::vector<Msg> inner;
    frame.onCommand = [&](int id) {
        if (id != 117)
            return;
        platform::simulate::PostMouse(&view, MouseAction::Press, {9, 9});
        platform::PumpWaitingMessages([&](const Msg& message) {
            inner.push_back(message);
            return PumpAction::Dispatch;
        });
    };
    frame.PostMessage(WM_COMMAND, 117);
    platform::PumpWaitingMessages([&](const Msg& message) {
        outer.push_back(message);
        return PumpAction::Dispatch;
    });
    ASSERT_EQ(outer.size(), 1u);
    EXPECT_EQ(outer[0].kind, MessageKind::Command);
    EXPECT_EQ(outer[0].command, 117);
    EXPECT_EQ(outer[0].target, &frame);
    ASSERT_EQ(inner.size(), 1u); // the inner loop sees what arrives while it runs
    EXPECT_EQ(inner[0].kind, MessageKind::LeftButtonDown);
    EXPECT_EQ(frame.commands, std::vector<int>{117});
    EXPECT_EQ(view.mouse.size(), 1u);
}

TEST_F(MessagePumpTest, AQuitInsideANestedLoopEndsItAndReachesTheOuterLoop)
{
    bool innerSawQuit = false;
    frame.onCommand = [&](int) {
        PostQuitMessage(4);
        for (int frames = 0; frames < 5 && !innerSawQuit; ++frames)
            platform::PumpWaitingMessages([&](const Msg& message) {
                if (message.kind != MessageKind::Quit)
                    return PumpAction::Dispatch;
                innerSawQuit = true;
                PostQuitMessage(message.exitCode);
                return PumpAction::StopPumping;
            });
    };
    frame.PostMessage(WM_COMMAND, 117);
    EXPECT_EQ(PumpUntilQuit(), std::optional<int>(4));
    EXPECT_TRUE(innerSawQuit);
}

TEST_F(MessagePumpTest, ClosingTheMainFrameEndsTheProgram)
{
    char* argv[] = {programName, nullptr};
    CWinApp app(1, argv);
    RecordingWnd mainWindow;
    ASSERT_TRUE(mainWindow.CreateTopLevel("Main", Rect::FromSize(0, 0, 200, 48)));
    app.m_pMainWnd = &mainWindow;
    platform::simulate::PostCloseButton(&mainWindow);
    std::vector<MessageKind> kinds;
    platform::PumpWaitingMessages([&](const Msg& message) {
        kinds.push_back(message.kind);
        return PumpAction::Dispatch;
    });
    ASSERT_FALSE(kinds.empty());
    EXPECT_EQ(kinds.front(), MessageKind::Close);
    EXPECT_FALSE(mainWindow.IsWindow());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    const std::optional<int> quit =
        std::find(kinds.begin(), kinds.end(), MessageKind::Quit) != kinds.end() ? std::optional<int>(0) : PumpUntilQuit();
    EXPECT_EQ(quit, std::optional<int>(0));
}

TEST_F(MessagePumpTest, RunHandlesMessagesUntilAQuitAndReturnsItsCode)
{
    char* argv[] = {programName, nullptr};
    CWinApp app(1, argv);
    frame.onCommand = [](int id) { PostQuitMessage(id - 100); };
    frame.PostMessage(WM_COMMAND, 103);
    EXPECT_EQ(app.Run(), 3);
    EXPECT_EQ(frame.commands, std::vector<int>{103});
    // A quit already waiting ends the loop at once.
    PostQuitMessage(9);
    platform::PumpWaitingMessages();
    EXPECT_EQ(app.Run(), 9);
}

TEST(Application, CommandLineIsTheArgumentsJoinedBySingleSpacesWithQuotesKept)
{
    char quotedStart[] = "\"my";
    char quotedEnd[] = "event.cwd\"";
    char* argv[] = {programName, quotedStart, quotedEnd, nullptr};
    {
        CWinApp app(3, argv);
        EXPECT_EQ(app.CommandLine(), "\"my event.cwd\"");
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(app.m_nCmdShow, SW_SHOWNORMAL);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    CWinApp bare(1, argv);
    EXPECT_EQ(bare.CommandLine(), "");
}

TEST(Application, AFailedStartUpEndsWithoutALoop)
{
    class FailingApp : public CWinApp {
    public:
        using CWinApp::CWinApp;
        bool InitInstance() override { return false; }
        int Run() override
        {
            ran = true;
            return CWinApp::Run();
        }
        bool ran = false;
    };
    char* argv[] = {programName, nullptr};
    FailingApp app(1, argv);
    EXPECT_EQ(AfxWinMain(app), 0);
    EXPECT_FALSE(app.ran);
}

} // namespace

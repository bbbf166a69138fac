#pragma once

#include "display/FrameLink.h"
#include "platform/seams/Clock.h"
#include "platform/testing/ManualClock.h"
#include "platform/seams/MessageBox.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "platform/gfx/Screen.h"
#include "shell/ChamberApp.h"
#include "shell/MainFrame.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The program's main frame while its window exists, else null.
inline CMainFrame* RunningFrame()
{
    auto* app = dynamic_cast<CChamberApp*>(AfxGetApp());
    return app ? app->Frame() : nullptr;
}

// Starts the program headless: a driven clock (every tick-count read moves it 1 ms, so the
// 3000 ms splash passes at once), chosen screen facts and recorded message boxes.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.advancePerTickRead = 1;
        platform::SetClock(&clock);
    }

    void TearDown() override
    {
        if (CMainFrame* frame = RunningFrame())
            frame->DestroyWindow();
        app.reset();
        platform::SetClock(nullptr);
        platform::ResetScreen();
    }

    // A true-colour screen of the given desktop height.
    static ScreenFacts Screen(int height, int bitsPerPixel = 32)
    {
        ScreenFacts facts;
        facts.desktop = {0, 0, 1280, height};
        facts.bitsPerPixel = bitsPerPixel;
        return facts;
    }

    // Runs the start-up with the given screen and command-line arguments.
    bool Start(const ScreenFacts& screen, std::vector<std::string> arguments = {})
    {
        platform::SetScreen(screen);
        arguments_ = {"tracelume"};
        arguments_.insert(arguments_.end(), arguments.begin(), arguments.end());
        argv_.clear();
        for (std::string& a : arguments_)
            argv_.push_back(a.data());
        argv_.push_back(nullptr);
        app = std::make_unique<CChamberApp>(int(arguments_.size()), argv_.data());
        return app->StartUp();
    }

    CMainFrame& Frame()
    {
        EXPECT_NE(RunningFrame(), nullptr);
        return *RunningFrame();
    }

    // The program's state, which outlives the frame.
    Session& State() { return app->State(); }

    static Rect WindowRect(const CWnd* window)
    {
        Rect rect;
        window->GetWindowRect(&rect);
        return rect;
    }

    ManualClock clock;
    MessageBoxRecorder boxes;
    std::unique_ptr<CChamberApp> app;

private:
    std::vector<std::string> arguments_;
    std::vector<char*> argv_;
};

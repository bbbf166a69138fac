#pragma once

#include "ShellTestSupport.h"

#include "display/ChamberPicture.h"
#include "display/ScreenChamberView.h"
#include "display/ScreenChamberWindow.h"
#include "physics/ChamberEvent.h"
#include "platform/testing/InputSimulation.h"
#include "platform/testing/ManualClock.h"
#include "platform/window/Menu.h"
#include "shell/CommandIds.h"

#include <algorithm>
#include <functional>
#include <optional>

// A driven clock that also calls the test back: after every read of the performance counter
// (only the rotation loop reads it: twice a frame, before turning and after drawing) and after
// every read of the tick count (the splash wait and the replay animation).
class HookClock : public ManualClock {
public:
    int64_t PerformanceCounter() override
    {
        const int64_t now = ManualClock::PerformanceCounter();
        ++counterReads;
        if (onCounterRead)
            onCounterRead(counterReads);
        return now;
    }

    uint32_t TickCount() override
    {
        const uint32_t now = ManualClock::TickCount();
        if (onTickRead)
            onTickRead();
        return now;
    }

    int counterReads = 0;
    std::function<void(int read)> onCounterRead;
    std::function<void()> onTickRead;
};

// The program started headless on a 768-pixel desktop (the chamber's client area is 650 x 500:
// no scroll bars) with a hook clock, windows settled.
class CommandTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        hookClock.advancePerTickRead = 1;
        platform::SetClock(&hookClock);
    }

    // Deferred deletions of this program's windows are carried out, so that the next test's
    // program is the only one its keys can reach.
    void TearDown() override
    {
        ShellTest::TearDown();
        platform::simulate::ProcessEvents();
    }

    void StartProgram(int desktopHeight = 768)
    {
        ASSERT_TRUE(Start(Screen(desktopHeight)));
        platform::simulate::ProcessEvents();
    }

    CScreenChamberWindow& Chamber() { return *Frame().chamberWindow; }
    ScreenChamberView& View() { return *Chamber().ChamberView(); }
    ScreenChamber& Renderer() { return Chamber().GetChamber(); }
    CMenu& Menu() { return *Frame().GetMenu(); }

    bool Checked(int id) { return (Menu().GetMenuState(unsigned(id), MF_BYCOMMAND) & MF_CHECKED) != 0; }
    bool Greyed(int id) { return (Menu().GetMenuState(unsigned(id), MF_BYCOMMAND) & MF_GRAYED) != 0; }

    // The pixel at (x, y) of the chamber picture as the view shows it now (view client
    // coordinates), from the window's client image.
    Colour ViewPixel(int x, int y)
    {
        const Rect area = View().ClientAreaInTopLevel();
        return FromPixel(Chamber().TopLevelImage()->At(area.left + x, area.top + y));
    }

    // How many pixels of the view's visible w x h area, offset by the scroll position, differ
    // from picture, leaving out the pixels of skip (picture coordinates).
    int DifferingPixels(const PixelImage& picture, std::optional<Rect> skip = std::nullopt)
    {
        const Rect area = View().ClientAreaInTopLevel();
        const Point scroll = View().GetDeviceScrollPosition();
        int differing = 0;
        for (int y = 0; y < area.Height(); ++y) {
            for (int x = 0; x < area.Width(); ++x) {
                const int px = x + scroll.x;
                const int py = y + scroll.y;
                if (px >= picture.width || py >= picture.height)
                    continue;
                if (skip && px >= skip->left && px < skip->right && py >= skip->top && py < skip->bottom)
                    continue;
                if (ViewPixel(x, y) != FromPixel(picture.At(px, py)))
                    ++differing;
            }
        }
        return differing;
    }

    // The part of the 640 x 500 picture that the view shows (view client coordinates).
    Rect VisiblePicture()
    {
        const Rect area = View().ClientAreaInTopLevel();
        return Rect{0, 0, std::min(area.Width(), kChamberPictureWidth), std::min(area.Height(), kChamberPictureHeight)};
    }

    // Pixels of the given colour in the picture rectangle r of the view (client coordinates).
    int CountColour(const Rect& r, Colour colour)
    {
        int found = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                found += ViewPixel(x, y) == colour ? 1 : 0;
        return found;
    }

    // Points of the current event that the renderer can draw (a colour and a pixel).
    int DrawablePoints()
    {
        int n = 0;
        for (const TrackPoint& p : State().event->Points()) {
            int column = 0;
            int row = 0;
            n += HasPointColour(p.colour) && State().camera.Project(p.x, p.y, p.z, p.w, column, row) ? 1 : 0;
        }
        return n;
    }

    HookClock hookClock;
};

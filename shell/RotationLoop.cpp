// The rotation loop of Rotate and Reverse Rotate. It runs on the one thread, draws as fast as
// the machine allows and keeps the turning speed constant by scaling each frame's angle with the
// time the previous frame took to turn and draw, measured on the performance counter.
#include "shell/MainFrame.h"

#include "display/ScreenChamberView.h"
#include "display/ScreenChamberWindow.h"
#include "platform/seams/Clock.h"
#include "platform/window/MessageQueue.h"
#include "trackmaker/TrackmakerView.h"

void CMainFrame::RunRotation()
{
    if (!chamberWindow || !chamberWindow->ChamberView())
        return;
    {
        ChamberRotationFrames frames(*chamberWindow, session_.showAxes, session_.clipDirty);
        session_.rotating = true;
        ++rotationLoops;
        while (session_.rotating) {
            const int64_t frameStart = platform::QueryPerformanceCounter();
            session_.TurnCamera();
            frames.DrawFrame();
            session_.lastFrameEnd = platform::QueryPerformanceCounter();
            PumpRotationMessages();
            session_.NextRotationStep(frameStart);
        }
        --rotationLoops;
        // The caption comes back with the repaint that follows the last frame.
        InvalidateChamber(false);
    }
    CloseAfterLoops();
}

void CMainFrame::CloseAfterLoops()
{
    if (closeAfterLoops && rotationLoops == 0 && flightLoops == 0) {
        closeAfterLoops = 0;
        PostMessage(WM_CLOSE);
    }
}

// A quit request ends the loop and is passed on to the program's own loop; a left-button press
// on the chamber view ends the loop and is then handled as usual. Every other message is
// handled as usual: pre-translation (accelerator keys), then dispatch.
void CMainFrame::PumpRotationMessages()
{
    const CWnd* view = chamberWindow ? chamberWindow->ChamberView() : nullptr;
    platform::PumpWaitingMessages([this, view](const Msg& message) {
        if (message.kind == MessageKind::Quit) {
            PostQuitMessage(0);
            session_.rotating = false;
            return PumpAction::StopPumping;
        }
        if (message.kind == MessageKind::LeftButtonDown && view && message.target == view)
            session_.rotating = false;
        return PumpAction::Dispatch;
    });
}

void CMainFrame::OnClose()
{
    if (rotationLoops > 0 || flightLoops > 0) {
        session_.rotating = false;
        if (TrackmakerView* view = GetTrackmakerView())
            view->running = 0;
        closeAfterLoops = 1;
        return;
    }
    CFrameWnd::OnClose();
}

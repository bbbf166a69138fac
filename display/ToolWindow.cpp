#include "display/ToolWindow.h"

#include "display/FrameLink.h"

ToolWindow::ToolWindow(FrameLink& frame, SizeLimits limits, MovingEndsTrackmaker moving)
    : frame_(frame), limits_(limits), moving_(moving)
{
}

ToolWindow::~ToolWindow() = default;

void ToolWindow::OnGetMinMaxInfo(MinMaxInfo* info)
{
    CScrollWindow::OnGetMinMaxInfo(info);
    info->ptMinTrackSize = limits_.minTrack;
    info->ptMaxTrackSize = limits_.maxTrack;
}

void ToolWindow::OnClose()
{
    ShowWindow(SW_HIDE);
    WhenHidden();
    frame_.ToolWindowClosed(this, ClosedWindowPlace::BackOfList);
    CloseOwnDialog();
    frame_.BringFrameToTop();
}

void ToolWindow::OnWindowPosChanged(const WindowPos* position)
{
    if (moving_ == MovingEndsTrackmaker::Yes)
        frame_.SetTrackmakerMode(0);
    CScrollWindow::OnWindowPosChanged(position);
}

void ToolWindow::OnActivate(unsigned state, CWnd* other, bool minimized)
{
    if (state != WA_INACTIVE)
        Activated(state);
    else
        Deactivated();
    CScrollWindow::OnActivate(state, other, minimized);
}

void ToolWindow::Activated(unsigned) { frame_.ActivateToolWindow(this); }

bool ToolWindow::OnQueryNewPalette() { return RealiseOnQueryNewPalette(*this, WindowPalette()); }

void ToolWindow::OnPaletteChanged(CWnd* focusWindow) { RealiseOnPaletteChanged(*this, WindowPalette(), focusWindow); }

// The frame may already have let go of its tool windows (it empties the activation list when
// it goes); forgetting a window twice does no harm.
void ToolWindow::OnDestroy()
{
    frame_.ToolWindowDestroyed(this);
    CScrollWindow::OnDestroy();
}

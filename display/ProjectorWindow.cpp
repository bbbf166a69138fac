#include "display/ProjectorWindow.h"

#include "display/FrameLink.h"
#include "display/ProjectorShowCanvas.h"
#include "display/ProjectorView.h"

namespace {

constexpr Rect kControlCanvasRect{480, 0, 600, 480};

} // namespace

CProjectorWindow::CProjectorWindow() = default;

CProjectorWindow::~CProjectorWindow() = default;

void CProjectorWindow::CreateView()
{
    auto* newView = new ProjectorView();
    if (!AttachView(newView, ProjectorView::kBufferWidth, ProjectorView::kBufferHeight)) {
        projectorView_ = nullptr;
        return;
    }
    projectorView_ = newView;
    newView->CreateControlCanvas(kControlCanvasRect);
    newView->CreateShowCanvas(ProjectorView::kShowCanvasRect, 1.0, ProjectorView::kHomeX, ProjectorView::kHomeY,
                              conditions);
}

Size CProjectorWindow::PictureSize() const { return projectorView_ ? projectorView_->PictureSize() : Size{}; }

void CProjectorWindow::DrawPicture(CDC& dc)
{
    if (projectorView_)
        projectorView_->DrawPicture(dc);
}

void CProjectorWindow::OnGetMinMaxInfo(MinMaxInfo* info)
{
    CScrollWindow::OnGetMinMaxInfo(info);
    info->ptMinTrackSize = kMinTrackSize;
    info->ptMaxTrackSize = kMaxTrackSize;
}

bool CProjectorWindow::OnKeyDown(int key)
{
    return projectorView_ && projectorView_->showCanvas && projectorView_->showCanvas->OnKeyDown(key);
}

void CProjectorWindow::PrintPicture(CDC& dc)
{
    if (projectorView_ && projectorView_->showCanvas)
        projectorView_->showCanvas->PrintDraw(dc);
}

void CProjectorWindow::OnClose()
{
    ShowWindow(SW_HIDE);
    UpdateActivationAfterClose(this, ClosedWindowPlace::BackOfList);
    if (frameLink)
        frameLink->BringFrameToTop();
}

void CProjectorWindow::OnWindowPosChanged(const WindowPos* position)
{
    if (frameLink)
        frameLink->SetTrackmakerMode(0);
    CScrollWindow::OnWindowPosChanged(position);
}

void CProjectorWindow::OnActivate(unsigned state, CWnd* other, bool minimized)
{
    if (state != WA_INACTIVE && frameLink)
        frameLink->ActivateToolWindow(this);
    CScrollWindow::OnActivate(state, other, minimized);
}

#include "display/ProjectorWindow.h"

#include "display/ProjectorShowCanvas.h"
#include "display/ProjectorView.h"

namespace {

constexpr Rect kControlCanvasRect{480, 0, 600, 480};

} // namespace

CProjectorWindow::CProjectorWindow(FrameLink& frame) : ToolWindow(frame, {kMinTrackSize, kMaxTrackSize}) {}

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

bool CProjectorWindow::OnKeyDown(int key)
{
    return projectorView_ && projectorView_->showCanvas && projectorView_->showCanvas->OnKeyDown(key);
}

void CProjectorWindow::PrintPicture(CDC& dc)
{
    if (projectorView_ && projectorView_->showCanvas)
        projectorView_->showCanvas->PrintDraw(dc);
}

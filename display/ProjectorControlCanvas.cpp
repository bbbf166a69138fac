#include "display/ProjectorControlCanvas.h"

#include "display/ProjectorShowCanvas.h"
#include "display/ProjectorView.h"
#include "platform/window/ClientDC.h"

namespace {

constexpr unsigned kRadio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr unsigned kList = WS_CHILD | WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST | WS_GROUP;
constexpr unsigned kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;

} // namespace

ProjectorControlCanvas::ProjectorControlCanvas() = default;

ProjectorControlCanvas::~ProjectorControlCanvas() = default;

void ProjectorControlCanvas::CreateControls()
{
    xyButton.Create("X-Y Plane", kRadio | WS_GROUP, Rect{20, 80, 115, 98}, this, kXYButtonId);
    yzButton.Create("Y-Z Plane", kRadio, Rect{20, 122, 115, 140}, this, kYZButtonId);
    xzButton.Create("X-Z Plane", kRadio, Rect{20, 164, 115, 182}, this, kXZButtonId);
    zoomList.Create("", kList, Rect{70, 25, 110, 135}, this, kZoomListId);
    for (const char* item : {"1", "2", "3"})
        zoomList.AddString(item);
    zoomList.SetCurSel(0);
    zoomLabel.Create("Zoom:", kLabel, Rect{20, 30, 60, 50}, this, -1);
    toolsLabel.Create("Tools Menu:", kLabel, Rect{22, 205, 120, 225}, this, -1);
    toolsList.Create("", kList, Rect{20, 225, 120, 305}, this, kToolsListId);
    for (const char* item : {"Tape", "Grabber"})
        toolsList.AddString(item);
    toolsList.SetCurSel(0);
    xyButton.SetCheck(BST_CHECKED);
}

bool ProjectorControlCanvas::OnCommand(int id, int code, CWnd*)
{
    if (!view)
        return false;
    switch (id) {
    case kXYButtonId:
        view->SetPlane(ProjectorView::kXY);
        return true;
    case kYZButtonId:
        view->SetPlane(ProjectorView::kYZ);
        return true;
    case kXZButtonId:
        view->SetPlane(ProjectorView::kXZ);
        return true;
    case kZoomListId:
        if (code == CBN_SELCHANGE && zoomList.GetCurSel() >= 0)
            view->showCanvas->SetZoom(1.0 + zoomList.GetCurSel());
        return true;
    case kToolsListId:
        if (code == CBN_SELCHANGE)
            view->showCanvas->SetTool(toolsList.GetCurSel() == 1 ? ProjectorShowCanvas::kGrabber
                                                                  : ProjectorShowCanvas::kTape);
        return true;
    default:
        return false;
    }
}

void ProjectorControlCanvas::OnPaint()
{
    CPaintDC dc(this);
    if (!view || !view->backBuffer)
        return;
    Rect client;
    GetClientRect(&client);
    dc.BitBlt(0, 0, client.Width(), client.Height(), view->backBuffer.get(), view->controlOrigin.x,
              view->controlOrigin.y, RasterOp::SrcCopy);
}

void ProjectorControlCanvas::PostNcDestroy() { delete this; }

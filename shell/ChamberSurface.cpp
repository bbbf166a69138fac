#include "shell/ChamberSurface.h"

#include "display/ScreenChamberView.h"
#include "display/ScreenChamberWindow.h"

ChamberSurface::ChamberSurface(CScreenChamberWindow& window) : window_(window), dc_(&window)
{
    if (window_.paletteValid && window_.palette.IsCreated()) {
        dc_.SelectPalette(&window_.palette, false);
        dc_.RealizePalette();
    }
}

ScreenChamberView* ChamberSurface::View() const { return window_.ChamberView(); }

void ChamberSurface::ClipToView()
{
    Rect client;
    if (ScreenChamberView* view = View())
        view->GetClientRect(&client);
    dc_.SetClipRect(client);
}

void ChamberSurface::DrawChamber()
{
    if (ScreenChamberView* view = View())
        view->DrawDirect(&dc_);
}

void ChamberSurface::FollowScroll()
{
    if (ScreenChamberView* view = View()) {
        const Point scroll = view->GetDeviceScrollPosition();
        dc_.SetViewportOrg(-scroll.x, -scroll.y);
    }
}

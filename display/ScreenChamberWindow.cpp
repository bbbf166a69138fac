#include "display/ScreenChamberWindow.h"

#include "display/FrameLink.h"
#include "display/ScreenChamberView.h"
#include "platform/window/ClientDC.h"
#include "platform/seams/MessageBox.h"

#include <cassert>

namespace {
// The colours of the box's edge, plane and axis pens, in that order.
const PaletteEntry kChamberPaletteEntries[] = {{51, 205, 255, 0}, {153, 51, 51, 0}, {0, 188, 0, 0}};
}

CScreenChamberWindow::CScreenChamberWindow() = default;

CScreenChamberWindow::~CScreenChamberWindow()
{
    CloseRateDialog();
}

void CScreenChamberWindow::CreateView(double size, ScreenCamera& camera)
{
    auto* newView = new ScreenChamberView(size, camera);
    chamberView_ = AttachView(newView, kPictureWidth, kPictureHeight) ? newView : nullptr;
    CreateChamberPalette();
    rateDialog = nullptr;
}

ScreenChamber& CScreenChamberWindow::GetChamber()
{
    assert(chamberView_ && "GetChamber needs the view: call CreateView first");
    return chamberView_->GetChamber();
}

// Only a palette device of driver version 0x300 or later gets the palette.
void CScreenChamberWindow::CreateChamberPalette()
{
    paletteValid = 0;
    CClientDC dc(this);
    const bool paletteDevice = (dc.GetDeviceCaps(DeviceCap::RasterCaps) & kRasterCapsPalette) != 0;
    if (!paletteDevice || dc.GetDeviceCaps(DeviceCap::DriverVersion) < kPaletteVersion)
        return;
    LogPalette description;
    description.version = kPaletteVersion;
    description.entries.assign(std::begin(kChamberPaletteEntries), std::end(kChamberPaletteEntries));
    if (palette.CreatePalette(description))
        paletteValid = 1;
    else
        platform::ShowMessageBox(this, "chamber palette failed", "mess");
}

void CScreenChamberWindow::OnGetMinMaxInfo(MinMaxInfo* info)
{
    CScreenBoxWindow::OnGetMinMaxInfo(info);
    info->ptMinTrackSize = kMinTrackSize;
    info->ptMaxTrackSize = kMaxTrackSize;
    clipDirty = 1;
}

void CScreenChamberWindow::OnClose()
{
    ShowWindow(SW_HIDE);
    UpdateActivationAfterClose(this, ClosedWindowPlace::BackOfList);
    CloseRateDialog();
    if (frameLink)
        frameLink->BringFrameToTop();
}

void CScreenChamberWindow::CloseRateDialog()
{
    CalibrationDialog* dialog = rateDialog;
    rateDialog = nullptr;
    if (dialog && destroyRateDialog)
        destroyRateDialog(dialog);
}

void CScreenChamberWindow::OnWindowPosChanged(const WindowPos* position)
{
    if (frameLink)
        frameLink->SetTrackmakerMode(0);
    CScreenBoxWindow::OnWindowPosChanged(position);
}

void CScreenChamberWindow::OnActivate(unsigned state, CWnd* other, bool minimized)
{
    if (state != WA_INACTIVE && frameLink)
        frameLink->ActivateToolWindow(this);
    CScreenBoxWindow::OnActivate(state, other, minimized);
}

unsigned CScreenChamberWindow::RealiseChamberPalette()
{
    if (!paletteValid || !palette.IsCreated())
        return 0;
    CClientDC dc(this);
    CPalette* previous = dc.SelectPalette(&palette, false);
    const unsigned changed = dc.RealizePalette();
    if (changed > 0)
        Invalidate(true);
    dc.SelectPalette(previous, false);
    return changed;
}

bool CScreenChamberWindow::OnQueryNewPalette()
{
    return RealiseChamberPalette() > 0;
}

void CScreenChamberWindow::OnPaletteChanged(CWnd* focusWindow)
{
    if (focusWindow != this)
        RealiseChamberPalette();
}

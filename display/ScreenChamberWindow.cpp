#include "display/ScreenChamberWindow.h"

#include "display/ChamberPicture.h"
#include "display/FrameLink.h"
#include "display/ScreenBox.h"
#include "display/ScreenChamberView.h"
#include "platform/seams/MessageBox.h"
#include "platform/window/Dialog.h"

#include <cassert>

namespace {

// The chamber palette: the colours of the box's edge, plane and axis pens, in that order.
constexpr PaletteEntry PaletteEntryOf(Colour colour) { return {colour.red, colour.green, colour.blue, 0}; }
constexpr PaletteEntry kChamberPalette[] = {PaletteEntryOf(ScreenBox::kEdgeColour), PaletteEntryOf(ScreenBox::kPlaneColour),
                                            PaletteEntryOf(ScreenBox::kAxisColour)};

// Milliseconds before each point of an animated replay.
constexpr int kAnimationPauseMs = 10;

// Clips dc to the view's client rectangle as it is now, from (0, 0).
void ClipToView(CDC& dc, ScreenChamberView& view)
{
    Rect client;
    view.GetClientRect(&client);
    dc.SetClipRect(client);
}

// Moves the origin to minus the view's scroll position, so that points drawn in picture pixels
// land where the scrolled view shows them.
void FollowScroll(CDC& dc, ScreenChamberView& view)
{
    const Point scroll = view.GetDeviceScrollPosition();
    dc.SetViewportOrg(-scroll.x, -scroll.y);
}

} // namespace

CScreenChamberWindow::CScreenChamberWindow(FrameLink& frame) : ToolWindow(frame, {kMinTrackSize, kMaxTrackSize}) {}

CScreenChamberWindow::~CScreenChamberWindow()
{
    CloseRateDialog();
}

void CScreenChamberWindow::CreateView(double size, ScreenCamera& camera)
{
    auto* newView = new ScreenChamberView(size, camera, chamberPalette, Frame());
    chamberView_ = AttachView(newView, kChamberPictureWidth, kChamberPictureHeight) ? newView : nullptr;
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
    chamberPalette.valid = 0;
    CClientDC dc(this);
    const bool paletteDevice = (dc.GetDeviceCaps(DeviceCap::RasterCaps) & kRasterCapsPalette) != 0;
    if (!paletteDevice || dc.GetDeviceCaps(DeviceCap::DriverVersion) < kPaletteVersion)
        return;
    LogPalette description;
    description.version = kPaletteVersion;
    description.entries.assign(std::begin(kChamberPalette), std::end(kChamberPalette));
    if (chamberPalette.palette.CreatePalette(description))
        chamberPalette.valid = 1;
    else
        platform::ShowMessageBox(this, "chamber palette failed", "mess");
}

void CScreenChamberWindow::OnGetMinMaxInfo(MinMaxInfo* info)
{
    ToolWindow::OnGetMinMaxInfo(info);
    Frame().MarkClipDirty();
}

void CScreenChamberWindow::CloseRateDialog()
{
    CDialog* dialog = rateDialog;
    rateDialog = nullptr;
    if (dialog)
        dialog->DestroyWindow();
}

CPalette* CScreenChamberWindow::WindowPalette()
{
    return chamberPalette.valid && chamberPalette.palette.IsCreated() ? &chamberPalette.palette : nullptr;
}

unsigned CScreenChamberWindow::RealiseChamberPalette()
{
    CPalette* palette = WindowPalette();
    return palette ? RealiseWindowPalette(*this, *palette) : 0;
}

void CScreenChamberWindow::DrawReplay(int32_t showAxes, ReplayPoints points, Caption caption,
                                      const ChamberData& conditions)
{
    if (!chamberView_)
        return;
    ScreenChamber& chamber = GetChamber();
    CClientDC dc(this);
    DrawChamberDirect(dc, showAxes, 1);
    FollowScroll(dc, *chamberView_);
    if (chamber.Event()) {
        if (points == ReplayPoints::AllAtOnce)
            chamber.DrawPoints(dc);
        else
            chamber.Animate(dc, kAnimationPauseMs);
    }
    if (caption == Caption::Shown)
        DrawConditionsCaption(dc, chamber, conditions);
    chamber.hideTracks = 0;
}

void CScreenChamberWindow::DrawChamberNow(int32_t showAxes)
{
    if (!chamberView_)
        return;
    CClientDC dc(this);
    DrawChamberDirect(dc, showAxes, 0);
}

// The view's direct drawing on dc, clipped to the view, with the chamber palette, the axes as
// asked and the tracks hidden or not.
void CScreenChamberWindow::DrawChamberDirect(CClientDC& dc, int32_t showAxes, int32_t hideTracks)
{
    ScreenChamber& chamber = GetChamber();
    chamberPalette.SelectInto(dc);
    chamber.hideTracks = hideTracks;
    chamber.showAxes = showAxes;
    ClipToView(dc, *chamberView_);
    chamberView_->DrawDirect(&dc);
}

ChamberRotationFrames::ChamberRotationFrames(CScreenChamberWindow& window, int32_t showAxes, bool& clipDirty)
    : window_(window), dc_(&window), clipDirty_(clipDirty)
{
    if (window_.ChamberView())
        window_.GetChamber().showAxes = showAxes;
    window_.chamberPalette.SelectInto(dc_);
    clipDirty_ = true;
}

void ChamberRotationFrames::DrawFrame()
{
    ScreenChamberView* view = window_.ChamberView();
    if (!view)
        return;
    if (clipDirty_) {
        ClipToView(dc_, *view);
        clipDirty_ = false;
    }
    view->DrawDirect(&dc_);
    dc_.Flush();
}

Size CScreenChamberWindow::PictureSize() const
{
    return chamberView_ ? Size{chamberView_->bufferWidth, chamberView_->bufferHeight} : Size{};
}

void CScreenChamberWindow::DrawPicture(CDC& dc)
{
    if (chamberView_)
        chamberView_->DrawPicture(dc);
}

void CScreenChamberWindow::PrintPicture(CDC& dc)
{
    assert(chamberView_ && "PrintPicture needs the chamber view: call CreateView first");
    if (chamberView_)
        GetChamber().PrintDraw(dc);
}

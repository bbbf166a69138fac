#include "shell/ShowWindow.h"

#include "display/FrameLink.h"
#include "display/ScrollWindow.h"
#include "platform/window/ClientDC.h"
#include "platform/seams/MessageBox.h"
#include "platform/gfx/Screen.h"

#include <algorithm>

namespace {

// A logical palette holds at most this many entries; a bitmap's colour table never needs more.
constexpr int kMaxPaletteEntries = 256;

bool PaletteDisplay(const CDC& dc) { return (dc.GetDeviceCaps(DeviceCap::RasterCaps) & kRasterCapsPalette) != 0; }

}

CShowWindow::CShowWindow(FrameLink& frame, int id) : bitmapId(id), frame_(frame)
{
    if (platform::CurrentScreen().paletteDevice)
        bitmap.LoadDIBSection(bitmapId);
    else
        bitmap.LoadBitmap(bitmapId);
}

// Destroys the window while this is still a picture window, so that OnDestroy runs as ours.
CShowWindow::~CShowWindow()
{
    if (IsWindow())
        DestroyWindow();
}

void CShowWindow::SizeToBitmap()
{
    const Size size = bitmap.GetSize();
    Rect rect{0, 0, size.width, size.height};
    CalcWindowRect(&rect);
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Builds the palette from the bitmap's colour table: as many entries as the bitmap uses (all
// that its depth allows when it does not say), but never more than the table holds.
bool CShowWindow::BuildPalette()
{
    const BitmapInfo info = bitmap.GetBitmap();
    int wanted = info.coloursUsed;
    if (wanted == 0)
        wanted = info.bitsPerPixel <= 8 ? 1 << info.bitsPerPixel : kMaxPaletteEntries;
    const auto& table = bitmap.ColourTable();
    const int count = std::min({wanted, int(table.size()), kMaxPaletteEntries});
    LogPalette logical;
    logical.version = 0x300;
    for (int i = 0; i < count; ++i)
        logical.entries.push_back({table[size_t(i)].red, table[size_t(i)].green, table[size_t(i)].blue, 0});
    palette = std::make_unique<CPalette>();
    return palette->CreatePalette(logical);
}

void CShowWindow::SelectBitmapPalette(CDC& dc)
{
    if (!palette && PaletteDisplay(dc)) {
        paletteMade = 0;
        if (BuildPalette()) {
            paletteMade = 1;
            dc.SelectPalette(palette.get(), false);
        }
    } else if (palette && palette->IsCreated()) {
        dc.SelectPalette(palette.get(), false);
    }
}

void CShowWindow::OnSize(unsigned type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    const Size size = bitmap.GetSize();
    if (!sizing_ && bitmap.IsCreated() && type == SIZE_RESTORED && (cx != size.width || cy != size.height)) {
        sizing_ = true;
        SizeToBitmap();
        sizing_ = false;
    }
}

void CShowWindow::OnPaint()
{
    CPaintDC dc(this);
    if (!bitmap.IsCreated()) {
        platform::ShowMessageBox(this, "null bitmap", "nbm");
        return;
    }
    const BitmapInfo info = bitmap.GetBitmap();
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* previous = memory.SelectObject(&bitmap);
    SelectBitmapPalette(dc);
    dc.RealizePalette();
    dc.BitBlt(0, 0, info.width, info.height, &memory, 0, 0, RasterOp::SrcCopy);
    memory.SelectObject(previous);
}

void CShowWindow::OnActivate(unsigned state, CWnd* other, bool minimized)
{
    if (state != WA_INACTIVE) {
        frame_.ActivateToolWindow(this);
        active = 1;
    }
    CWnd::OnActivate(state, other, minimized);
}

void CShowWindow::OnClose()
{
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    frame_.ToolWindowClosed(this, ClosedWindowPlace::OffList);
    active = 0;
    frame_.BringFrameToTop();
}

// A destroyed picture window (the splash) must not stay reachable through the activation list,
// where Close and Print would act on it.
void CShowWindow::OnDestroy()
{
    frame_.ToolWindowDestroyed(this);
    CWnd::OnDestroy();
}

bool CShowWindow::OnQueryNewPalette() { return RealiseOnQueryNewPalette(*this, palette.get()); }

void CShowWindow::OnPaletteChanged(CWnd* focusWindow) { RealiseOnPaletteChanged(*this, palette.get(), focusWindow); }

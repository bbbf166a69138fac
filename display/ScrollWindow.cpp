#include "display/ScrollWindow.h"

#include "display/DoubleBufferView.h"
#include "platform/gfx/Gdi.h"
#include "platform/window/ClientDC.h"

#include <cassert>

CScrollWindow::CScrollWindow() = default;
CScrollWindow::~CScrollWindow() = default;

void CScrollWindow::CreateView()
{
    AttachView(new DoubleBufferView, kDefaultBufferSide, kDefaultBufferSide);
}

bool CScrollWindow::AttachView(DoubleBufferView* newView, int width, int height)
{
    assert(IsWindow() && "create the frame window before its view");
    Rect client;
    GetClientRect(&client);
    // A view whose creation failed may already have deleted itself, so it is not touched again.
    if (!newView->Create("", "", WS_CHILD | WS_VISIBLE, client, this, AFX_IDW_PANE_FIRST)) {
        view = nullptr;
        return false;
    }
    view = newView;
    // Set once the view exists, so that its scroll sizes follow at once.
    view->SetBufferSize(width, height);
    RecalcLayout();
    return true;
}

unsigned RealiseWindowPalette(CWnd& window, CPalette& palette)
{
    CClientDC dc(&window);
    CPalette* previous = dc.SelectPalette(&palette, false);
    const unsigned changed = dc.RealizePalette();
    if (changed > 0)
        window.Invalidate(true);
    dc.SelectPalette(previous, false);
    return changed;
}

bool RealiseOnQueryNewPalette(CWnd& window, CPalette* palette)
{
    return palette && RealiseWindowPalette(window, *palette) > 0;
}

void RealiseOnPaletteChanged(CWnd& window, CPalette* palette, const CWnd* focusWindow)
{
    if (focusWindow != &window && palette)
        RealiseWindowPalette(window, *palette);
}

bool CreatePaletteFromColourTable(const CBitmap& bitmap, CPalette& palette)
{
    constexpr uint16_t kPaletteVersion = 0x300;
    LogPalette description;
    description.version = kPaletteVersion;
    description.entries = bitmap.ColourTable();
    for (PaletteEntry& entry : description.entries)
        entry.flags = 0;
    return palette.CreatePalette(description);
}

void CScrollWindow::PrintPicture(CDC&) {}

Size CScrollWindow::PictureSize() const { return {}; }

void CScrollWindow::DrawPicture(CDC&) {}

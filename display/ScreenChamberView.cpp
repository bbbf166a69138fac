#include "display/ScreenChamberView.h"

#include "display/ChamberPicture.h"
#include "display/FrameLink.h"
#include "display/ScreenChamberWindow.h"
#include "platform/gfx/DC.h"
#include "platform/seams/MessageBox.h"

#include <memory>

ScreenChamberView::ScreenChamberView(double size, ScreenCamera& camera)
    : ScreenBoxView(std::make_unique<ScreenChamber>(size, camera))
    , chamber_(static_cast<ScreenChamber*>(box.get()))
{
}

ScreenChamberView::~ScreenChamberView() = default;

CScreenChamberWindow* ScreenChamberView::ChamberWindow() const
{
    return dynamic_cast<CScreenChamberWindow*>(GetParentFrame());
}

void ScreenChamberView::CreateBackBuffer(CDC* target)
{
    ScreenBoxView::CreateBackBuffer(target);
    CScreenChamberWindow* window = ChamberWindow();
    if (backBuffer && window)
        window->SelectChamberPalette(*backBuffer);
}

void ScreenChamberView::OnDraw(CDC* target)
{
    if (!target)
        return;
    if (CScreenChamberWindow* window = ChamberWindow(); window && window->paletteValid)
        SelectPalettes(*window, *target);
    ScreenBoxView::OnDraw(target);
    if (CaptionWanted())
        DrawConditionsCaption(*target, GetChamber(), frameLink->Conditions());
}

void ScreenChamberView::DrawPicture(CDC& dc)
{
    DrawBoxPicture(dc, GetChamber(), bufferWidth, bufferHeight);
    if (CaptionWanted())
        DrawConditionsCaption(dc, GetChamber(), frameLink->Conditions());
}

// Foreground selection and realisation into the target, then into the back buffer (made first
// when there is none). A valid flag without a palette is reported and drawing goes on without.
void ScreenChamberView::SelectPalettes(CScreenChamberWindow& window, CDC& target)
{
    if (!window.palette.IsCreated()) {
        platform::ShowMessageBox(this, "bad palette 1", "ondraw");
        return;
    }
    window.SelectChamberPalette(target);
    if (!backBuffer)
        CreateBackBuffer(&target);
    if (backBuffer)
        window.SelectChamberPalette(*backBuffer);
}

bool ScreenChamberView::CaptionWanted() const
{
    return !direct && frameLink && !frameLink->Rotating() && frameLink->ShowValues();
}

#include "display/ScreenChamberView.h"

#include "display/ChamberPicture.h"
#include "display/FrameLink.h"
#include "platform/gfx/DC.h"
#include "platform/seams/MessageBox.h"

#include <memory>

CPalette* ChamberPalette::SelectInto(CDC& dc)
{
    if (!valid || !palette.IsCreated())
        return nullptr;
    CPalette* previous = dc.SelectPalette(&palette, false);
    dc.RealizePalette();
    return previous;
}

ScreenChamberView::ScreenChamberView(double size, ScreenCamera& camera, ChamberPalette& palette,
                                     const FrameLink& frame)
    : ScreenBoxView(std::make_unique<ScreenChamber>(size, camera)),
      chamber_(static_cast<ScreenChamber*>(box.get())),
      palette_(palette),
      frame_(frame)
{
}

ScreenChamberView::~ScreenChamberView() = default;

void ScreenChamberView::CreateBackBuffer(CDC* target)
{
    ScreenBoxView::CreateBackBuffer(target);
    if (backBuffer)
        palette_.SelectInto(*backBuffer);
}

void ScreenChamberView::OnDraw(CDC* target)
{
    if (!target)
        return;
    if (palette_.valid)
        SelectPalettes(*target);
    ScreenBoxView::OnDraw(target);
    if (CaptionWanted())
        DrawConditionsCaption(*target, GetChamber(), frame_.Conditions());
}

void ScreenChamberView::DrawPicture(CDC& dc)
{
    DrawBoxPicture(dc, GetChamber(), bufferWidth, bufferHeight);
    if (CaptionWanted())
        DrawConditionsCaption(dc, GetChamber(), frame_.Conditions());
}

// Foreground selection and realisation into the target, then into the back buffer (made first
// when there is none). A valid flag without a palette is reported and drawing goes on without.
void ScreenChamberView::SelectPalettes(CDC& target)
{
    if (!palette_.palette.IsCreated()) {
        platform::ShowMessageBox(this, "bad palette 1", "ondraw");
        return;
    }
    palette_.SelectInto(target);
    if (!backBuffer)
        CreateBackBuffer(&target);
    if (backBuffer)
        palette_.SelectInto(*backBuffer);
}

bool ScreenChamberView::CaptionWanted() const { return !direct && !frame_.Rotating() && frame_.ShowValues(); }

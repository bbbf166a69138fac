#include "controls/DisplayValSlideCanvas.h"

#include "platform/gfx/DC.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kTextGap = 8;    // pixels between the track and the value text
constexpr int kTextBottom = 20; // bottom of the text, pixels below the track
constexpr int kPageStep = 10;   // pixels a Page Up or Page Down moves the knob

// Knob pixels a key moves (up is toward the larger values), or 0 for other keys.
int KeyStep(int key)
{
    switch (key) {
    case VK_UP:
    case VK_RIGHT: return -1;
    case VK_DOWN:
    case VK_LEFT: return 1;
    case VK_PRIOR: return -kPageStep;
    case VK_NEXT: return kPageStep;
    default: return 0;
    }
}

void FrameRect(CDC& dc, const Rect& r, Colour colour)
{
    dc.FillSolidRect({r.left, r.top, r.right, r.top + 1}, colour);
    dc.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    dc.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    dc.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}
} // namespace

DisplayValSlideCanvas::DisplayValSlideCanvas(CDC* background, const KnobDescription& knob, Size canvasSize,
                                             int trackWidth, int travel, int opaqueWidth, int trackHeight,
                                             double initialValue, double minimumValue, double range,
                                             const std::string& prefix, const char* suffix, int xOffset)
    : ValueSlideCanvas(background, knob, canvasSize, trackWidth, travel, opaqueWidth, trackHeight, initialValue,
                       minimumValue, range),
      textRect{0, trackHeight + kTextGap, canvasSize.width, trackHeight + kTextBottom},
      prefix(prefix),
      suffix(suffix)
{
    knobX += xOffset;
    knobRight += xOffset;
    knobDrawX += xOffset;
    seeThroughDrawX += xOffset;
    trackX += xOffset;
}

void DisplayValSlideCanvas::SetPosition(int x, int y)
{
    ValueSlideCanvas::SetPosition(x, y);
    textRect.Offset(x, y);
}

std::string DisplayValSlideCanvas::ValueText(double v) const
{
    char number[256];
    std::snprintf(number, sizeof number, format, scale * v);
    return prefix + number + suffix;
}

void DisplayValSlideCanvas::Draw(CDC* surface)
{
    ValueSlideCanvas::Draw(surface);
    value = PositionToValue(knobPosition);
    surface->FillSolidRect(textRect, colours::kWhite);
    CFont* previous = font ? surface->SelectObject(font) : nullptr;
    surface->DrawText(ValueText(value), textRect, kTextCentre | kTextTop | kTextSingleLine);
    if (font)
        surface->SelectObject(previous);
    if (focusShown)
        FrameRect(*surface, textRect, colours::kBlack);
}

bool DisplayValSlideCanvas::OnKeyDown(int key)
{
    const int step = KeyStep(key);
    if (step == 0 || dragging)
        return step != 0;
    knobPosition = std::clamp(knobPosition + step, 0, std::max(travel, 0));
    ApplyValue(PositionToValue(knobPosition));
    Redraw();
    return true;
}

void DisplayValSlideCanvas::FocusFromKeyboard()
{
    focusShown = true;
    SetFocus();
    Redraw();
}

void DisplayValSlideCanvas::OnKillFocus()
{
    if (!focusShown)
        return;
    focusShown = false;
    Redraw();
}

void DisplayValSlideCanvas::Redraw()
{
    drawnPosition = knobPosition;
    if (!backBuffer)
        return;
    Draw(backBuffer);
    if (!windowContext)
        return;
    windowContext->RemoveClip();
    windowContext->BitBlt(0, 0, size.width, size.height, backBuffer, position.x, position.y, RasterOp::SrcCopy);
    windowContext->Flush();
}

void DisplayValSlideCanvas::OnMouseMove(unsigned, Point point)
{
    if (!dragging)
        return;
    knobPosition = DragPosition(point.y);
    Redraw();
}

void DisplayValSlideCanvas::OnLButtonUp(unsigned, Point)
{
    if (!dragging)
        return;
    ApplyValue(PositionToValue(knobPosition));
    Release();
}

#include "display/TapeMeasure.h"

#include "platform/window/Wnd.h"

#include <algorithm>
#include <cmath>

void TapeMeasure::SetStart(Point point)
{
    start = point;
    SetEnd(point);
}

void TapeMeasure::SetEnd(Point point)
{
    end = point;
    bounds = {start.x, start.y, end.x, end.y};
    bounds.Normalize();
    bounds = {bounds.left - 2, bounds.top - 2, bounds.right + 2, bounds.bottom + 2};
}

double TapeMeasure::Length() const
{
    // The bounds are 2 pixels wider than the line on each side.
    const double dx = bounds.Width() - 4;
    const double dy = bounds.Height() - 4;
    return scale * std::sqrt(dx * dx + dy * dy);
}

Point KeyboardTapeStart(const CWnd& canvas, Size size)
{
    Point pointer = CWnd::GetCursorPos();
    canvas.ScreenToClient(&pointer);
    return Rect::FromSize(0, 0, size.width, size.height).Contains(pointer) ? pointer
                                                                         : Point{size.width / 2, size.height / 2};
}

Point TapeArrowStep(int key)
{
    switch (key) {
    case VK_LEFT: return {-1, 0};
    case VK_RIGHT: return {1, 0};
    case VK_UP: return {0, -1};
    case VK_DOWN: return {0, 1};
    default: return {0, 0};
    }
}

Point StepTapeEnd(Point end, Point step, Size size)
{
    return {std::clamp(end.x + step.x, 0, size.width - 1), std::clamp(end.y + step.y, 0, size.height - 1)};
}

#include "platform/gfx/ScaledDC.h"

#include "platform/gfx/DCState.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

int Saturate(int64_t value) { return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

int ClampScale(int scale)
{
    assert(scale >= 1 && scale <= CScaledDC::kMaxScale && "a picture is drawn at 1 to 4 times its size");
    return std::clamp(scale, 1, CScaledDC::kMaxScale);
}

} // namespace

CScaledDC::CScaledDC(Size logicalSize, int scale)
    : logicalSize_(logicalSize)
    , scale_(ClampScale(scale))
    , image_(std::max(logicalSize.width, 0) * scale_, std::max(logicalSize.height, 0) * scale_)
{
    AttachImage(&image_);
}

int CScaledDC::Up(int value, int origin) const
{
    return Saturate((int64_t(value) + origin) * scale_ - origin);
}

Point CScaledDC::Up(Point logical) const
{
    const Point origin = GetViewportOrg();
    return {Up(logical.x, origin.x), Up(logical.y, origin.y)};
}

void CScaledDC::FillSolidRect(const Rect& rect, Colour colour)
{
    if (scale_ == 1 || rect.IsEmpty()) {
        CDC::FillSolidRect(rect, colour);
        return;
    }
    const Point topLeft = Up(rect.TopLeft());
    const Point bottomRight = Up(Point{rect.right, rect.bottom});
    CDC::FillSolidRect(Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}, colour);
}

// scale parallel 1-pixel lines, side by side across the major axis, make one thick line. Along
// the major axis a line running backwards starts from the far side of its first pixel's block,
// so that it ends, like one running forwards, where the block of its end pixel begins.
void CScaledDC::StrokeSegment(Point from, Point to)
{
    const int64_t dx = int64_t(to.x) - from.x;
    const int64_t dy = int64_t(to.y) - from.y;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int backX = alongX && dx < 0 ? scale_ - 1 : 0;
    const int backY = !alongX && dy < 0 ? scale_ - 1 : 0;
    const Point start = Up(from);
    const Point end = Up(to);
    for (int k = 0; k < scale_; ++k) {
        const int64_t shiftX = alongX ? backX : k;
        const int64_t shiftY = alongX ? k : backY;
        CDC::MoveTo(Saturate(start.x + shiftX), Saturate(start.y + shiftY));
        CDC::LineTo(Saturate(end.x + shiftX), Saturate(end.y + shiftY));
    }
}

void CScaledDC::LineTo(int x, int y)
{
    if (scale_ == 1) {
        CDC::LineTo(x, y);
        return;
    }
    const Point from = state_->position;
    StrokeSegment(from, {x, y});
    state_->position = {x, y};
}

void CScaledDC::Polyline(const Point* points, int count)
{
    if (scale_ == 1 || points == nullptr) {
        CDC::Polyline(points, count);
        return;
    }
    const Point position = state_->position;
    for (int i = 1; i < count; ++i)
        StrokeSegment(points[i - 1], points[i]);
    state_->position = position;
}

void CScaledDC::DrawText(std::string_view text, const Rect& rect, unsigned format)
{
    if (scale_ == 1) {
        CDC::DrawText(text, rect, format);
        return;
    }
    CFont* selected = state_->font;
    const LogFont description = selected && selected->IsCreated() ? selected->Description() : LogFont{};
    CFont scaledFont;
    if (!scaledFont.CreateFontIndirect(ScaledFont(description, scale_)))
        return;
    SelectObject(&scaledFont);
    const Point topLeft = Up(rect.TopLeft());
    const Point bottomRight = Up(Point{rect.right, rect.bottom});
    CDC::DrawText(text, Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}, format);
    SelectObject(selected);
}

bool CScaledDC::BitBlt(int x, int y, int width, int height, const CDC* source, int sourceX, int sourceY, RasterOp op)
{
    return scale_ == 1 && CDC::BitBlt(x, y, width, height, source, sourceX, sourceY, op);
}

#include "display/ProjectorLabels.h"

#include "display/ProjectorShowCanvas.h"
#include "display/ProjectorView.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPreferredBarCm = 100.0;
constexpr int kFontPixels = 12;
constexpr int kMargin = 6;         // from the pane's edges
constexpr int kPointClearance = 2; // no projected point this close to the labels
constexpr int kBarGap = 12;        // between the plane label and the bar
constexpr int kBarTextGap = 5;     // between the bar and its label
constexpr int kTickHalf = 3;       // the end ticks reach this far above and below the bar
constexpr int kNormalWeight = 400;

std::string Formatted(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

ScaleBar BarOf(double centimetres, double centimetresPerPixel)
{
    constexpr double kCmPerMetre = 100.0;
    const std::string label = centimetres >= 10 * kCmPerMetre ? Formatted("%g m", centimetres / kCmPerMetre)
                                                               : Formatted("%g cm", centimetres);
    return {centimetres, int(centimetres / centimetresPerPixel), label};
}

// How much a rectangle of the labels would hide: each projected point of pane within it (grown
// by the clearance) counts two, a side of the chamber's outline through it one.
int Covered(const ProjectorShowCanvas& pane, const Rect& rect)
{
    const Rect guarded{rect.left - kPointClearance, rect.top - kPointClearance, rect.right + kPointClearance,
                       rect.bottom + kPointClearance};
    int covered = 0;
    for (int i = 0; i < pane.count; ++i)
        covered += 2 * guarded.Contains(Point{pane.pixelX[size_t(i)], pane.pixelY[size_t(i)]});
    for (size_t i = 1; i < pane.outline.size(); ++i) {
        const Point a = pane.outline[i - 1], b = pane.outline[i];
        const Rect side{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
        covered += !side.Intersected(rect).IsEmpty();
    }
    return covered;
}

// The first corner of area (bottom left, bottom right, top left, top right) where a rectangle
// of the given size hides nothing, or else the one where it hides least.
Point LabelCorner(const ProjectorShowCanvas& pane, Size area, Size block)
{
    const int right = area.width - kMargin - block.width;
    const int bottom = area.height - kMargin - block.height;
    const std::array<Point, 4> corners{Point{kMargin, bottom}, Point{right, bottom}, Point{kMargin, kMargin},
                                       Point{right, kMargin}};
    Point best = corners[0];
    int least = -1;
    for (const Point& corner : corners) {
        const int covered = Covered(pane, Rect::FromSize(corner.x, corner.y, block.width, block.height));
        if (least < 0 || covered < least) {
            best = corner;
            least = covered;
        }
    }
    return best;
}

void DrawBar(CDC& dc, Point left, int pixels, Colour ink)
{
    dc.FillSolidRect(Rect{left.x, left.y, left.x + pixels + 1, left.y + 1}, ink);
    for (const int x : {left.x, left.x + pixels})
        dc.FillSolidRect(Rect{x, left.y - kTickHalf, x + 1, left.y + kTickHalf + 1}, ink);
}

} // namespace

std::string ProjectorPlaneLabel(int32_t plane, double zoom)
{
    const char* name = plane == ProjectorView::kYZ ? "Y-Z" : plane == ProjectorView::kXZ ? "X-Z" : "X-Y";
    return std::string(name) + Formatted(" plane, zoom %g", zoom);
}

ScaleBar ChooseScaleBar(double centimetresPerPixel)
{
    if (!(centimetresPerPixel > 0.0) || !std::isfinite(centimetresPerPixel))
        return {};
    const ScaleBar preferred = BarOf(kPreferredBarCm, centimetresPerPixel);
    if (preferred.pixels >= kMinScaleBarPixels && preferred.pixels <= kMaxScaleBarPixels)
        return preferred;
    const double longest = kMaxScaleBarPixels * centimetresPerPixel;
    const double decade = std::pow(10.0, std::floor(std::log10(longest)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * decade <= longest)
            return BarOf(step * decade, centimetresPerPixel);
    }
    return BarOf(decade, centimetresPerPixel);
}

void DrawProjectorLabels(CDC& dc, const ProjectorShowCanvas& pane, int32_t plane, Size area, Colour ink)
{
    CFont font;
    font.CreateFont(-kFontPixels, 0, 0, 0, kNormalWeight, false, false, false, 1, 2, 1, 0, 0, "MS Sans Serif");
    CFont* previousFont = dc.SelectObject(&font);
    const Colour previousText = dc.SetTextColor(ink);
    const BackgroundMode previousMode = dc.SetBkMode(BackgroundMode::Transparent);

    const std::string name = ProjectorPlaneLabel(plane, pane.zoom);
    const ScaleBar bar = ChooseScaleBar(pane.TapeScale());
    const Size nameSize = dc.GetTextExtent(name);
    const Size barTextSize = dc.GetTextExtent(bar.label);
    const int barWidth = bar.pixels > 0 ? kBarGap + bar.pixels + 1 + kBarTextGap + barTextSize.width : 0;
    const Size block{nameSize.width + barWidth, nameSize.height};
    const Point at = LabelCorner(pane, area, block);

    constexpr unsigned kOneLine = kTextLeft | kTextTop | kTextSingleLine | kTextNoClip;
    dc.DrawText(name, Rect::FromSize(at.x, at.y, nameSize.width, nameSize.height), kOneLine);
    if (bar.pixels > 0) {
        const Point barLeft{at.x + nameSize.width + kBarGap, at.y + nameSize.height / 2};
        DrawBar(dc, barLeft, bar.pixels, ink);
        const int textLeft = barLeft.x + bar.pixels + 1 + kBarTextGap;
        dc.DrawText(bar.label, Rect::FromSize(textLeft, at.y, barTextSize.width, barTextSize.height), kOneLine);
    }

    dc.SetBkMode(previousMode);
    dc.SetTextColor(previousText);
    dc.SelectObject(previousFont);
}

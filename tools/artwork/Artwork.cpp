#include "tools/artwork/Artwork.h"

#include "platform/gfx/DC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A point of the chamber in display units: the chamber is the cube -400 .. +400 on each axis,
// Z is the field direction and is drawn upwards.
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// A simple perspective view of the chamber: turn about Z by yaw, tilt about X by pitch (both
// radians), then divide by the depth seen from an eye at distance units from the centre.
struct View {
    double centreX = 0.0; // pixels
    double centreY = 0.0; // pixels
    double scale = 1.0;   // pixels per display unit at the centre
    double yaw = 0.0;
    double pitch = 0.0;
    double distance = 3000.0;
};

Point Project(const View& view, Vec3 p)
{
    const double x1 = p.x * std::cos(view.yaw) - p.y * std::sin(view.yaw);
    const double y1 = p.x * std::sin(view.yaw) + p.y * std::cos(view.yaw);
    // Depth grows away from the eye; screen y grows downwards while z grows upwards.
    const double depth = y1 * std::cos(view.pitch) + p.z * std::sin(view.pitch);
    const double up = p.z * std::cos(view.pitch) - y1 * std::sin(view.pitch);
    const double perspective = view.distance / (view.distance + depth);
    return {int(view.centreX + x1 * perspective * view.scale), int(view.centreY - up * perspective * view.scale)};
}

Colour Entry(PaletteIndex index) { return Palette()[size_t(index)]; }

void Line(CDC& dc, Point a, Point b, PaletteIndex colour)
{
    CPen pen(PenStyle::Solid, 1, Entry(colour));
    CPen* old = dc.SelectObject(&pen);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetPixel(b.x, b.y, Entry(colour)); // lines never draw their end pixel
    dc.SelectObject(old);
}

// A line width pixels thick: that many 1-pixel lines side by side across its major axis,
// centred on the line from a to b.
void ThickLine(CDC& dc, Point a, Point b, int width, PaletteIndex colour)
{
    const bool alongX = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    for (int k = 0; k < width; ++k) {
        const int shift = k - (width - 1) / 2;
        const Point across = alongX ? Point{0, shift} : Point{shift, 0};
        Line(dc, {a.x + across.x, a.y + across.y}, {b.x + across.x, b.y + across.y}, colour);
    }
}

void Dot(CDC& dc, Point p, int size, PaletteIndex colour)
{
    dc.FillSolidRect(Rect::FromSize(p.x - size / 2, p.y - size / 2, size, size), Entry(colour));
}

void DrawCube(CDC& dc, const View& view, PaletteIndex colour, int lineWidth = 1)
{
    const double h = 400.0;
    const Vec3 corners[8] = {{-h, -h, -h}, {h, -h, -h}, {h, h, -h}, {-h, h, -h},
                             {-h, -h, h},  {h, -h, h},  {h, h, h},  {-h, h, h}};
    const int edges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                              {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    for (const auto& e : edges)
        ThickLine(dc, Project(view, corners[e[0]]), Project(view, corners[e[1]]), lineWidth, colour);
}

void DrawFieldAxis(CDC& dc, const View& view)
{
    const Point bottom = Project(view, {0, 0, -400});
    const Point top = Project(view, {0, 0, 400});
    Line(dc, bottom, top, kAxisGreen);
    Line(dc, top, {top.x - 3, top.y + 6}, kAxisGreen);
    Line(dc, top, {top.x + 3, top.y + 6}, kAxisGreen);
}

// A track that curls about the field direction: a helix whose radius shrinks by the factor
// shrink per turn, as a particle that loses energy spirals inwards. Dots are spaced evenly in
// angle, dotsPerTurn to a turn; sense is +1 or -1 for the two charges.
struct Spiral {
    Vec3 start;            // where the track begins (display units)
    double startAngle = 0; // radians, direction from the helix axis to the start
    double radius = 100;   // display units at the start
    double shrink = 0.7;
    double rise = 30;      // display units along Z per turn
    double turns = 2;
    int dotsPerTurn = 24;
    int sense = 1;
    PaletteIndex colour = kTrackRed;
};

void DrawSpiral(CDC& dc, const View& view, const Spiral& s, int dotSize)
{
    const Vec3 axis{s.start.x - s.radius * std::cos(s.startAngle), s.start.y - s.radius * std::sin(s.startAngle), s.start.z};
    const int dots = int(s.turns * s.dotsPerTurn);
    for (int i = 0; i <= dots; ++i) {
        const double turn = double(i) / s.dotsPerTurn;
        const double angle = s.startAngle + s.sense * 2.0 * kPi * turn;
        const double r = s.radius * std::pow(s.shrink, turn);
        const Vec3 p{axis.x + r * std::cos(angle), axis.y + r * std::sin(angle), axis.z + s.rise * turn};
        Dot(dc, Project(view, p), dotSize, s.colour);
    }
}

// The primary particle enters at y = -400 along +y and decays at the vertex.
void DrawStraightTrack(CDC& dc, const View& view, Vec3 from, Vec3 to, int dots, int dotSize, PaletteIndex colour)
{
    for (int i = 0; i <= dots; ++i) {
        const double f = double(i) / dots;
        const Vec3 p{from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f, from.z + (to.z - from.z) * f};
        Dot(dc, Project(view, p), dotSize, colour);
    }
}

void DrawText(CDC& dc, const std::string& text, Rect box, int pixelHeight, int weight, PaletteIndex colour, unsigned align)
{
    CFont font;
    font.CreateFont(-pixelHeight, 0, 0, 0, weight, false, false, false, 1, 2, 1, 0, 0, "DejaVu Sans");
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.SetTextColor(Entry(colour));
    dc.DrawText(text, box, align | kTextSingleLine | kTextNoClip);
    dc.SelectObject(old);
}

void DrawSplashEvent(CDC& dc)
{
    const View view{140, 146, 0.19, 0.6, -0.45, 2600};
    DrawCube(dc, view, kChamberBlue);
    DrawFieldAxis(dc, view);
    const Vec3 vertex{-20, -60, 0};
    DrawStraightTrack(dc, view, {0, -400, 0}, vertex, 14, 3, kChamberBlue);
    DrawSpiral(dc, view, {vertex, 0.3, 300, 0.74, 45, 3.0, 30, 1, kTrackRed}, 3);
    DrawSpiral(dc, view, {vertex, 3.3, 220, 0.66, -40, 2.8, 26, -1, kTrackYellow}, 3);
    const Vec3 second{150, 170, 120};
    DrawSpiral(dc, view, {second, 1.3, 150, 0.6, 30, 3.4, 22, 1, kTrackGreen}, 2);
    DrawSpiral(dc, view, {second, 4.4, 120, 0.6, -30, 3.0, 20, -1, kTrackBlue}, 2);
}

void DrawSplashTexts(CDC& dc)
{
    const int left = 282;
    const int right = kSplashWidth - 12;
    DrawText(dc, "Tracelume", {left, 58, right, 104}, 34, 700, kPaleBlue, kTextCentre);
    Line(dc, {left + 10, 110}, {right - 10, 110}, kSteelBlue);
    DrawText(dc, "A particle decay chamber", {left, 124, right, 144}, 15, 400, kWhite, kTextCentre);
    DrawText(dc, "simulation", {left, 144, right, 164}, 15, 400, kWhite, kTextCentre);
    DrawText(dc, "Tracks of charged particles", {left, 184, right, 200}, 12, 400, kLightGrey, kTextCentre);
    DrawText(dc, "curling in a magnetic field", {left, 200, right, 216}, 12, 400, kLightGrey, kTextCentre);
    DrawText(dc, "Version 0.1", {left, 246, right, 262}, 11, 400, kGrey, kTextCentre);
}

void DrawFrame(CDC& dc, int width, int height, PaletteIndex colour)
{
    Line(dc, {0, 0}, {width - 1, 0}, colour);
    Line(dc, {width - 1, 0}, {width - 1, height - 1}, colour);
    Line(dc, {width - 1, height - 1}, {0, height - 1}, colour);
    Line(dc, {0, height - 1}, {0, 0}, colour);
}

}

const std::array<Colour, kPaletteSize>& Palette()
{
    static const std::array<Colour, kPaletteSize> palette{
        Rgb(0, 0, 0),       Rgb(51, 205, 255),  Rgb(255, 0, 0),     Rgb(255, 255, 0),
        Rgb(0, 255, 0),     Rgb(0, 0, 255),     Rgb(0, 188, 0),     Rgb(255, 255, 255),
        Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(64, 64, 64),    Rgb(0, 0, 80),
        Rgb(0, 40, 120),    Rgb(20, 100, 160),  Rgb(170, 230, 255), Rgb(255, 140, 0),
    };
    return palette;
}

void DrawSplash(CDC& dc)
{
    dc.FillSolidRect({0, 0, kSplashWidth, kSplashHeight}, Entry(kBackground));
    dc.FillSolidRect({270, 30, kSplashWidth - 4, kSplashHeight - 30}, Entry(kDeepBlue));
    DrawFrame(dc, kSplashWidth, kSplashHeight, kSteelBlue);
    DrawSplashEvent(dc);
    DrawSplashTexts(dc);
}

void DrawIcon(CDC& dc) { DrawIconAt(dc, kIconSize); }

void DrawIconAt(CDC& dc, int size)
{
    const double f = double(size) / kIconSize;
    // Lines and dots grow more slowly than the icon, and the tracks get more dots, so that a
    // large icon shows fine tracks rather than enlarged ones: 1-pixel lines and dots at 32
    // pixels, 3-pixel lines and 6-pixel dots at 256.
    const int lineWidth = std::max(1, (size + 64) / 96);
    const int dotSize = std::max(1, size / 40);
    const int detail = size >= 4 * kIconSize ? 2 : 1;
    dc.FillSolidRect({0, 0, size, size}, Entry(kBackground));
    const View view{16 * f, 15 * f, 0.021 * f, 0.6, -0.45, 2600};
    DrawCube(dc, view, kChamberBlue, lineWidth);
    DrawSpiral(dc, view, {{-20, -60, 0}, 0.3, 330, 0.55, 40, 2.0, 14 * detail, 1, kTrackRed}, dotSize);
    DrawSpiral(dc, view, {{-20, -60, 0}, 3.3, 240, 0.55, -40, 1.8, 12 * detail, -1, kTrackYellow}, dotSize);
}

}

#include "tools/artwork/ReminderArt.h"

#include "tools/artwork/Artwork.h"

#include "platform/gfx/DC.h"
#include "platform/gfx/Gdi.h"

#include <cmath>
#include <string>
#include <vector>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kNormal = 400;
constexpr int kBold = 700;

Colour Entry(PaletteIndex index) { return Palette()[size_t(index)]; }

// Left-aligned text with its top left corner at (x, y).
void Text(CDC& dc, int x, int y, const std::string& text, int pixelHeight, int weight, PaletteIndex colour)
{
    CFont font;
    font.CreateFont(-pixelHeight, 0, 0, 0, weight, false, false, false, 1, 2, 1, 0, 0, "DejaVu Sans");
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.SetTextColor(Entry(colour));
    dc.DrawText(text, Rect{x, y, x + 600, y + pixelHeight + 8}, kTextLeft | kTextSingleLine | kTextNoClip);
    dc.SelectObject(old);
}

void Lines(CDC& dc, const std::vector<Point>& points, PaletteIndex colour, int width = 1)
{
    CPen pen(PenStyle::Solid, width, Entry(colour));
    CPen* old = dc.SelectObject(&pen);
    dc.Polyline(points.data(), int(points.size()));
    dc.SelectObject(old);
}

void Circle(CDC& dc, Point centre, double radius, PaletteIndex colour, int width = 1)
{
    std::vector<Point> points;
    const int steps = std::max(24, int(radius * 2));
    for (int i = 0; i <= steps; ++i) {
        const double a = 2 * kPi * i / steps;
        points.push_back({centre.x + int(std::lround(radius * std::cos(a))), centre.y + int(std::lround(radius * std::sin(a)))});
    }
    Lines(dc, points, colour, width);
}

// A line from a to b with an arrow head at b.
void Arrow(CDC& dc, Point a, Point b, PaletteIndex colour)
{
    Lines(dc, {a, b}, colour, 2);
    const double angle = std::atan2(double(b.y - a.y), double(b.x - a.x));
    for (double side : {-0.45, 0.45}) {
        const Point tip{b.x - int(std::lround(9 * std::cos(angle + side))), b.y - int(std::lround(9 * std::sin(angle + side)))};
        Lines(dc, {b, tip}, colour, 2);
    }
}

void Background(CDC& dc, int width, int height)
{
    dc.FillSolidRect({0, 0, width, height}, Entry(kBackground));
    Lines(dc, {{1, 1}, {width - 2, 1}, {width - 2, height - 2}, {1, height - 2}, {1, 1}}, kSteelBlue, 2);
}

void Box(CDC& dc, Rect r, PaletteIndex fill, PaletteIndex edge)
{
    dc.FillSolidRect(r, Entry(fill));
    Lines(dc, {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}, {r.left, r.top}}, edge);
}

}

const std::array<Colour, 256>& Palette256()
{
    static const std::array<Colour, 256> palette = [] {
        std::array<Colour, 256> p{};
        for (size_t i = 0; i < kPaletteSize; ++i)
            p[i] = Palette()[i];
        for (size_t i = kPaletteSize; i < p.size(); ++i) {
            const auto level = uint8_t((i - kPaletteSize) * 255 / (p.size() - kPaletteSize - 1));
            p[i] = Rgb(level, level, level);
        }
        return p;
    }();
    return palette;
}

void DrawEnergyMomentum(CDC& dc)
{
    Background(dc, kEnergyWidth, kEnergyHeight);
    Text(dc, 16, 12, "Energy and momentum", 22, kBold, kChamberBlue);
    Text(dc, 16, 42, "All in MeV; velocity as a fraction of the speed of light", 12, kNormal, kPaleBlue);
    const struct {
        const char* symbol;
        const char* meaning;
    } symbols[] = {
        {"M", "mass"},
        {"T", "kinetic energy"},
        {"P", "momentum (magnitude)"},
        {"E", "total energy"},
        {"P vector", "momentum vector (Px, Py, Pz)"},
        {"v vector", "velocity vector (vx, vy, vz)"},
    };
    int y = 68;
    for (const auto& s : symbols) {
        Text(dc, 24, y, s.symbol, 15, kBold, kTrackYellow);
        Text(dc, 120, y, s.meaning, 15, kNormal, kWhite);
        y += 22;
    }
    Box(dc, {16, 206, kEnergyWidth - 16, kEnergyHeight - 14}, kDeepBlue, kSteelBlue);
    Text(dc, 32, 214, "E = M + T", 22, kBold, kWhite);
    Text(dc, 230, 214, "E\u00B2 = M\u00B2 + P\u00B2", 22, kBold, kWhite);
    Text(dc, 32, 250, "v vector = P vector / E", 20, kBold, kTrackYellow);
    Text(dc, 32, 280, "when P is much larger than M, the speed is close to 1", 12, kNormal, kPaleBlue);
}

void DrawMotionInField(CDC& dc)
{
    Background(dc, kMotionWidth, kMotionHeight);
    Text(dc, 16, 10, "Motion in a magnetic field", 20, kBold, kChamberBlue);
    // The field out of the screen: a dot in a circle at every grid point.
    for (int y = 60; y <= 270; y += 35)
        for (int x = 30; x <= 240; x += 35) {
            Circle(dc, {x, y}, 5, kSteelBlue);
            dc.FillSolidRect(Rect::FromSize(x - 1, y - 1, 3, 3), Entry(kSteelBlue));
        }
    const Point centre{135, 165};
    const int radius = 85;
    Circle(dc, centre, radius, kTrackRed, 2);
    Lines(dc, {{centre.x - 6, centre.y}, {centre.x + 6, centre.y}}, kWhite, 2);
    Lines(dc, {{centre.x, centre.y - 6}, {centre.x, centre.y + 6}}, kWhite, 2);
    Text(dc, centre.x - 36, centre.y + 6, "centre", 12, kNormal, kWhite);
    const double a = -kPi / 4;
    const Point edge{centre.x + int(radius * std::cos(a)), centre.y + int(radius * std::sin(a))};
    Arrow(dc, centre, edge, kTrackYellow);
    Text(dc, centre.x + 22, centre.y - 46, "R", 16, kBold, kTrackYellow);
    // The momentum along the track at the top of the circle: clockwise, as a positive charge
    // turns in a field out of the screen.
    Arrow(dc, {centre.x - 30, centre.y - radius}, {centre.x + 30, centre.y - radius}, kAxisGreen);
    Text(dc, centre.x - 12, centre.y - radius - 24, "P\u22A5", 16, kBold, kAxisGreen);

    const int x = 262;
    Text(dc, x, 60, "B points out of", 14, kBold, kWhite);
    Text(dc, x, 78, "the screen:", 14, kBold, kWhite);
    Circle(dc, {x + 102, 86}, 6, kSteelBlue);
    dc.FillSolidRect(Rect::FromSize(x + 101, 85, 3, 3), Entry(kSteelBlue));
    Text(dc, x, 110, "The track is a circle", 13, kNormal, kWhite);
    Text(dc, x, 128, "of radius R about its", 13, kNormal, kWhite);
    Text(dc, x, 146, "centre; P\u22A5 is the", 13, kNormal, kWhite);
    Text(dc, x, 164, "momentum across B.", 13, kNormal, kWhite);
    Box(dc, {x - 6, 196, kMotionWidth - 12, 262}, kDeepBlue, kSteelBlue);
    Text(dc, x, 204, "P\u22A5 (MeV) =", 16, kBold, kTrackYellow);
    Text(dc, x, 230, "0.3 R (cm) B (kG)", 16, kBold, kTrackYellow);
    Text(dc, x, 272, "for one electron charge", 13, kNormal, kPaleBlue);
}

void DrawUsefulTools(CDC& dc)
{
    Background(dc, kToolsWidth, kToolsHeight);
    Text(dc, 16, 10, "Useful tools", 22, kBold, kChamberBlue);
    Text(dc, 16, 44, "In the Projector, choose a tool from its \"Tools Menu:\"", 14, kBold, kWhite);
    Text(dc, 36, 66, "Tape - measures lengths on the picture", 14, kNormal, kWhite);
    Text(dc, 36, 86, "Grabber - drags the Projector's view", 14, kNormal, kWhite);

    Text(dc, 16, 118, "The Tape", 16, kBold, kTrackYellow);
    Text(dc, 36, 140, "Press the mouse button at one end and hold it;", 13, kNormal, kWhite);
    Text(dc, 36, 158, "the tape stretches to the pointer while the", 13, kNormal, kWhite);
    Text(dc, 36, 176, "readout shows its length.", 13, kNormal, kWhite);
    // A stretched tape with its readout.
    Lines(dc, {{360, 170}, {470, 136}}, kTrackYellow, 2);
    for (Point p : {Point{360, 170}, Point{470, 136}})
        Circle(dc, p, 3, kTrackYellow);
    Box(dc, {360, 186, 480, 210}, kDeepBlue, kSteelBlue);
    Text(dc, 370, 190, "D = 12.5 CM", 14, kBold, kWhite);

    Text(dc, 16, 218, "In the Trackmaker", 16, kBold, kTrackYellow);
    Text(dc, 36, 240, "the tape is there once the particle has traced a complete", 13, kNormal, kWhite);
    Text(dc, 36, 258, "circle after any change of the field.", 13, kNormal, kWhite);

    Text(dc, 16, 288, "The Grabber", 16, kBold, kTrackYellow);
    Text(dc, 36, 310, "Hold the mouse button and drag: the view follows the pointer.", 13, kNormal, kWhite);
    const Point c{440, 292};
    Arrow(dc, c, {c.x + 24, c.y}, kPaleBlue);
    Arrow(dc, c, {c.x - 24, c.y}, kPaleBlue);
    Arrow(dc, c, {c.x, c.y - 22}, kPaleBlue);
    Arrow(dc, c, {c.x, c.y + 22}, kPaleBlue);
}

void DrawRealLife(CDC& dc)
{
    Background(dc, kRealLifeWidth, kRealLifeHeight);
    Text(dc, 16, 10, "In real life...", 22, kBold, kChamberBlue);
    // A real track spirals inwards as it loses energy; the simulated one stays a circle.
    const Point centre{110, 150};
    std::vector<Point> spiral;
    for (int i = 0; i <= 600; ++i) {
        const double turn = i / 150.0;
        const double r = 80 * std::pow(0.62, turn);
        const double a = -kPi / 2 - 2 * kPi * turn;
        spiral.push_back({centre.x + int(std::lround(r * std::cos(a))) + int(turn * 6), centre.y + int(std::lround(r * std::sin(a)))});
    }
    Lines(dc, spiral, kTrackRed, 2);
    Text(dc, 40, 240, "a real track: a spiral", 13, kBold, kTrackRed);
    Circle(dc, {110, 300}, 26, kChamberBlue, 2);
    Text(dc, 150, 292, "the simulation: a circle", 13, kBold, kChamberBlue);

    const int x = 220;
    const char* lines[] = {
        "Real particles lose energy",
        "as they go:",
        " - by ionising the medium,",
        " - by radiating in the field.",
        "Their momentum falls, so the",
        "radius shrinks: real tracks",
        "are spirals, not circles.",
        "",
        "How fast they lose it depends",
        "on the particle's mass, which",
        "helps to identify it.",
    };
    int y = 52;
    for (const char* line : lines) {
        Text(dc, x, y, line, 13, kNormal, kWhite);
        y += 19;
    }
    Text(dc, 16, kRealLifeHeight - 24, "Here the tracks keep their momentum.", 13, kBold, kTrackYellow);
}

}

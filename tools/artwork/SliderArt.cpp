#include "tools/artwork/SliderArt.h"

#include "tools/artwork/Artwork.h"

#include "platform/gfx/DC.h"

#include <string>

namespace artwork {

namespace {

Colour Entry(PaletteIndex index) { return Palette()[size_t(index)]; }

// The knob a track is made for: its size, its opaque left part and where it rides.
struct KnobShape {
    int width;
    int height;
    int opaqueWidth;
    int x;         // left of the knob inside the track
    int arrowHalf; // the arrowhead's half height at the knob's edge, rows
};
constexpr KnobShape kChamberKnob{kKnobWidth, kKnobHeight, kKnobOpaqueWidth, 0, 3};
constexpr KnobShape kFieldKnob{kFieldKnobWidth, kFieldKnobHeight, kFieldKnobOpaqueWidth, kFieldKnobX, 10};

// A track: the knob rides in a groove, the arrow of the knob points at the scale to its right.
// A knob at position p has its arrow at row p + height / 2, so the scale runs from that row (the
// top value) to row travel + height / 2 (the bottom value).
struct Track {
    Rect area;      // in the tracks image
    int divisions;  // equal steps of the scale
    const char* labels[3]; // printed at the top, the middle division and the bottom
    int labelledDivision;  // the middle label's division, counted from the top
    KnobShape knob = kChamberKnob;
};

void Groove(CDC& dc, const Track& track)
{
    const int x = track.area.left + track.knob.x + track.knob.opaqueWidth / 2 - 2;
    const int top = track.area.top + 4;
    const int bottom = track.area.bottom - 4;
    dc.FillSolidRect({x, top, x + 4, bottom}, Entry(kDarkGrey));
    dc.FillSolidRect({x + 1, top + 1, x + 3, bottom - 1}, Entry(kBackground));
    dc.FillSolidRect({x + 4, top, x + 5, bottom}, Entry(kWhite));
}

void Label(CDC& dc, const std::string& text, int x, int centreY)
{
    CFont font;
    font.CreateFont(-9, 0, 0, 0, 400, false, false, false, 1, 2, 1, 0, 0, "DejaVu Sans");
    CFont* old = dc.SelectObject(&font);
    dc.SetTextColor(Entry(kBackground));
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.DrawText(text, {x, centreY - 5, x + 24, centreY + 6}, kTextLeft | kTextSingleLine | kTextNoClip);
    dc.SelectObject(old);
}

void Scale(CDC& dc, const Track& track)
{
    const int travel = track.area.Height() - track.knob.height;
    const int tickX = track.area.left + track.knob.x + track.knob.width;
    for (int i = 0; i <= track.divisions; ++i) {
        const int y = track.area.top + track.knob.height / 2 + i * travel / track.divisions;
        const bool major = i == 0 || i == track.divisions || i == track.labelledDivision;
        dc.FillSolidRect({tickX, y, tickX + (major ? 6 : 3), y + 1}, Entry(kBackground));
        if (i == 0)
            Label(dc, track.labels[0], tickX + 8, y);
        else if (i == track.labelledDivision)
            Label(dc, track.labels[1], tickX + 8, y);
        else if (i == track.divisions)
            Label(dc, track.labels[2], tickX + 8, y);
    }
}

void TwoLines(CDC& dc, int width, const char* first, const char* second)
{
    dc.FillSolidRect({0, 0, width, kLabelHeight}, Entry(kWhite));
    CFont font;
    font.CreateFont(-11, 0, 0, 0, 400, false, false, false, 1, 2, 1, 0, 0, "DejaVu Sans");
    CFont* old = dc.SelectObject(&font);
    dc.SetTextColor(Entry(kBackground));
    dc.SetBkMode(BackgroundMode::Transparent);
    dc.DrawText(first, {0, 1, width, 14}, kTextCentre | kTextSingleLine | kTextNoClip);
    dc.DrawText(second, {0, 15, width, 28}, kTextCentre | kTextSingleLine | kTextNoClip);
    dc.SelectObject(old);
}


void DrawKnobShape(CDC& dc, const KnobShape& knob)
{
    const int width = knob.width;
    const int height = knob.height;
    const int opaque = knob.opaqueWidth;
    dc.FillSolidRect({0, 0, width, height}, Entry(kWhite));
    dc.FillSolidRect({0, 0, opaque, height}, Entry(kLightGrey));
    dc.FillSolidRect({0, 0, opaque, 1}, Entry(kWhite));
    dc.FillSolidRect({0, 0, 1, height}, Entry(kWhite));
    dc.FillSolidRect({0, height - 1, opaque, height}, Entry(kDarkGrey));
    dc.FillSolidRect({opaque - 1, 0, opaque, height}, Entry(kDarkGrey));
    // The grip line across the middle, where the arrow points.
    dc.FillSolidRect({3, height / 2, opaque - 3, height / 2 + 1}, Entry(kBackground));
    // The arrowhead: highest at the knob's edge, narrowing evenly to its tip one row high.
    const int last = width - opaque - 1;
    for (int column = 0; column <= last; ++column) {
        const int half = (last - column) * knob.arrowHalf / last;
        dc.FillSolidRect({opaque + column, height / 2 - half, opaque + column + 1, height / 2 + half + 1},
                         Entry(kBackground));
    }
}

} // namespace

void DrawKnob(CDC& dc) { DrawKnobShape(dc, kChamberKnob); }

void DrawFieldKnob(CDC& dc) { DrawKnobShape(dc, kFieldKnob); }

void DrawFieldTrack(CDC& dc)
{
    dc.FillSolidRect({0, 0, kFieldTrackWidth, kFieldTrackHeight}, Entry(kLightGrey));
    const Track field{{0, 0, kFieldTrackWidth, kFieldTrackHeight}, 8, {"+1", "0", "-1"}, 4, kFieldKnob};
    Groove(dc, field);
    Scale(dc, field);
}

void DrawTracks(CDC& dc)
{
    dc.FillSolidRect({0, 0, kTracksWidth, kTracksHeight}, Entry(kLightGrey));
    const Track field{{0, 0, 47, kTracksHeight}, 8, {"2", "1", "0"}, 4};
    const Track shared{{50, 16, 94, 16 + 161}, 9, {"10", "5", "1"}, 5};
    for (const Track& track : {field, shared}) {
        Groove(dc, track);
        Scale(dc, track);
    }
}

void DrawFieldLabel(CDC& dc) { TwoLines(dc, kFieldLabelWidth, "magnetic", "field"); }
void DrawEnergyLabel(CDC& dc) { TwoLines(dc, kEnergyLabelWidth, "kinetic", "energy"); }
void DrawSidesLabel(CDC& dc) { TwoLines(dc, kSidesLabelWidth, "chamber", "sides"); }

}

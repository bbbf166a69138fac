#include "tools/artwork/SliderArt.h"

#include "tools/artwork/Artwork.h"

#include "platform/gfx/DC.h"

#include <string>

namespace artwork {

namespace {

Colour Entry(PaletteIndex index) { return Palette()[size_t(index)]; }

// A track: the knob rides in a groove in its left 22 columns, the arrow of the knob points at the
// scale to its right. A knob at position p has its arrow at row p + 8, so the scale runs from row
// 8 (the top value) to row travel + 8 (the bottom value).
struct Track {
    Rect area;      // in the tracks image
    int divisions;  // equal steps of the scale
    const char* labels[3]; // printed at the top, the middle division and the bottom
    int labelledDivision;  // the middle label's division, counted from the top
};

void Groove(CDC& dc, const Track& track)
{
    const int x = track.area.left + kKnobOpaqueWidth / 2 - 2;
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
    const int travel = track.area.Height() - kKnobHeight;
    const int tickX = track.area.left + kKnobWidth;
    for (int i = 0; i <= track.divisions; ++i) {
        const int y = track.area.top + kKnobHeight / 2 + i * travel / track.divisions;
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

} // namespace

void DrawKnob(CDC& dc)
{
    dc.FillSolidRect({0, 0, kKnobWidth, kKnobHeight}, Entry(kWhite));
    dc.FillSolidRect({0, 0, kKnobOpaqueWidth, kKnobHeight}, Entry(kLightGrey));
    dc.FillSolidRect({0, 0, kKnobOpaqueWidth, 1}, Entry(kWhite));
    dc.FillSolidRect({0, 0, 1, kKnobHeight}, Entry(kWhite));
    dc.FillSolidRect({0, kKnobHeight - 1, kKnobOpaqueWidth, kKnobHeight}, Entry(kDarkGrey));
    dc.FillSolidRect({kKnobOpaqueWidth - 1, 0, kKnobOpaqueWidth, kKnobHeight}, Entry(kDarkGrey));
    // The grip line across the middle, where the arrow points.
    dc.FillSolidRect({3, kKnobHeight / 2, kKnobOpaqueWidth - 3, kKnobHeight / 2 + 1}, Entry(kBackground));
    // The arrowhead: 7 rows high at the knob's edge, narrowing to its tip one row high.
    for (int column = 0; column < kKnobWidth - kKnobOpaqueWidth; ++column) {
        const int half = 3 - column;
        dc.FillSolidRect({kKnobOpaqueWidth + column, kKnobHeight / 2 - half, kKnobOpaqueWidth + column + 1,
                          kKnobHeight / 2 + half + 1},
                         Entry(kBackground));
    }
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

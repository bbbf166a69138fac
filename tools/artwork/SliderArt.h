#pragma once

class CDC;

// The pictures of the Chamber Controls sliders: the knob (bitmap 139), the tracks (bitmap 142)
// and the monochrome labels under the sliders (bitmaps 160 to 162); and the Trackmaker's field
// slider (bitmaps 144 and 145).
namespace artwork {

constexpr int kKnobWidth = 22;
constexpr int kKnobHeight = 17;
constexpr int kKnobOpaqueWidth = 18; // the right 4 columns are see-through where white
constexpr int kTracksWidth = 94;
constexpr int kTracksHeight = 177;
constexpr int kLabelHeight = 29;
constexpr int kFieldLabelWidth = 62;  // bitmap 162
constexpr int kEnergyLabelWidth = 47; // bitmap 161
constexpr int kSidesLabelWidth = 58;  // bitmap 160

// A grey knob with a black arrowhead on white in its right 4 columns, pointing at the scale.
void DrawKnob(CDC& dc);
// The B track (0 to 2 kG) in the left 47 columns, and at (50, 16) the 44 x 161 track that the
// L and T sliders share, scaled 1 to 10.
void DrawTracks(CDC& dc);
// The Trackmaker's field slider: a knob of 51 x 33 (bitmap 144) whose right 11 columns hold a
// black arrowhead on white, and its 119 x 353 track (bitmap 145): a groove for the knob at
// x = 20 and, right of it, a scale from +1 at the top through 0 to -1 at the bottom.
constexpr int kFieldKnobWidth = 51;
constexpr int kFieldKnobHeight = 33;
constexpr int kFieldKnobOpaqueWidth = 40;
constexpr int kFieldKnobX = 20;
constexpr int kFieldTrackWidth = 119;
constexpr int kFieldTrackHeight = 353;
void DrawFieldKnob(CDC& dc);
void DrawFieldTrack(CDC& dc);
// Two centred lines of black lettering on white.
void DrawFieldLabel(CDC& dc);
void DrawEnergyLabel(CDC& dc);
void DrawSidesLabel(CDC& dc);

}

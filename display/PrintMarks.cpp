#include "display/PrintMarks.h"

#include "physics/ChamberEvent.h"
#include "platform/gfx/DC.h"

#include <iterator>

namespace {

constexpr int kMarkRadius = 2; // the marks span the 5 x 5 square around the point

constexpr PrintMark kMarks[] = {
    {kRed, "red", {".....", ".###.", ".###.", ".###.", "....."}},
    {kYellow, "yellow", {"#####", "#...#", "#.#.#", "#...#", "#####"}},
    {kGreen, "green", {"..#..", "..#..", "#####", "..#..", "..#.."}},
    {kBlue, "blue", {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    {kLightBlue, "light blue", {".....", ".....", "..#..", ".....", "....."}},
};
static_assert(std::size(kMarks) == kLastPointColour - kFirstPointColour + 1, "one mark for each point colour");

} // namespace

std::span<const PrintMark> PrintMarks() { return kMarks; }

void DrawPrintMark(CDC& dc, Point pixel, int32_t colourId)
{
    if (!HasPointColour(colourId))
        return;
    const PrintMark& mark = kMarks[colourId - kFirstPointColour];
    for (int row = 0; row < 2 * kMarkRadius + 1; ++row) {
        for (int column = 0; column < 2 * kMarkRadius + 1; ++column) {
            if (mark.rows[row][column] == '#')
                dc.FillSolidRect(Rect::FromSize(pixel.x + column - kMarkRadius, pixel.y + row - kMarkRadius, 1, 1),
                                 colours::kBlack);
        }
    }
}

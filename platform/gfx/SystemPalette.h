#pragma once

#include "platform/gfx/Gdi.h"

#include <array>
#include <vector>

// The emulated system palette of an 8-bit palette display (ScreenFacts::PaletteDisplay()).
// Real displays here are true colour and never use it; it exists so that realising a palette
// reports the counts a palette display would, and is the least emulation that does:
// - 256 entries; the first ten and the last ten hold the twenty static colours and never change,
//   the 236 between start free.
// - A foreground realisation maps each logical entry to a system entry of exactly its colour
//   (static or taken earlier) or else to a free entry, which it takes. When no entry is free it
//   takes over a non-static entry that this realisation has not used, in turn from the lowest.
// - A background realisation takes only free entries; an entry that finds none is left to the
//   nearest colour at drawing time.
// - Each entry taken or overwritten counts once; realising the same palette again changes none.
// - Flags of logical entries are ignored, and pixels stay 32-bit colours: the emulation counts,
//   it does not quantise the picture.
namespace platform {

enum class Realisation { Foreground, Background };

class SystemPalette {
public:
    static constexpr int kSize = 256;
    static constexpr int kStaticColours = 20;

    SystemPalette() { Reset(); }
    // Back to the twenty static colours with every other entry free.
    void Reset();
    // Realises a logical palette; returns how many system entries changed.
    unsigned Realise(const std::vector<PaletteEntry>& logical, Realisation mode);

    const PaletteEntry& Entry(int index) const { return entries_[size_t(index)]; }
    bool IsFree(int index) const { return !used_[size_t(index)]; }
    int FreeCount() const;

private:
    int FindExact(const PaletteEntry& colour) const;
    int FindFree() const;
    int NextVictim(const std::array<bool, kSize>& claimed);

    std::array<PaletteEntry, kSize> entries_{};
    std::array<bool, kSize> used_{};
    int victim_ = kStaticColours / 2; // next non-static entry a full foreground realisation takes
};

// The system palette in force; reset by platform::SetScreen and ResetScreen.
SystemPalette& CurrentSystemPalette();

}

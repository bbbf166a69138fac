#include "platform/gfx/SystemPalette.h"

namespace platform {
namespace {

constexpr int kHalfStatic = SystemPalette::kStaticColours / 2;

// The static colours of a 256-colour display: ten at the bottom, ten at the top.
constexpr std::array<PaletteEntry, kHalfStatic> kLowStatic = {{
    {0, 0, 0, 0}, {128, 0, 0, 0}, {0, 128, 0, 0}, {128, 128, 0, 0}, {0, 0, 128, 0},
    {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
}};
constexpr std::array<PaletteEntry, kHalfStatic> kHighStatic = {{
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0}, {0, 255, 0, 0},
    {255, 255, 0, 0}, {0, 0, 255, 0}, {255, 0, 255, 0}, {0, 255, 255, 0}, {255, 255, 255, 0},
}};

bool SameColour(const PaletteEntry& a, const PaletteEntry& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

bool IsStatic(int index) { return index < kHalfStatic || index >= SystemPalette::kSize - kHalfStatic; }

} // namespace

void SystemPalette::Reset()
{
    entries_.fill({});
    used_.fill(false);
    for (int i = 0; i < kHalfStatic; ++i) {
        entries_[size_t(i)] = kLowStatic[size_t(i)];
        entries_[size_t(kSize - kHalfStatic + i)] = kHighStatic[size_t(i)];
        used_[size_t(i)] = true;
        used_[size_t(kSize - kHalfStatic + i)] = true;
    }
    victim_ = kHalfStatic;
}

int SystemPalette::FreeCount() const
{
    int count = 0;
    for (bool used : used_)
        count += used ? 0 : 1;
    return count;
}

int SystemPalette::FindExact(const PaletteEntry& colour) const
{
    for (int i = 0; i < kSize; ++i) {
        if (used_[size_t(i)] && SameColour(entries_[size_t(i)], colour))
            return i;
    }
    return -1;
}

int SystemPalette::FindFree() const
{
    for (int i = kHalfStatic; i < kSize - kHalfStatic; ++i) {
        if (!used_[size_t(i)])
            return i;
    }
    return -1;
}

int SystemPalette::NextVictim(const std::array<bool, kSize>& claimed)
{
    const int span = kSize - kStaticColours;
    for (int tries = 0; tries < span; ++tries) {
        const int index = victim_;
        victim_ = victim_ + 1 < kSize - kHalfStatic ? victim_ + 1 : kHalfStatic;
        if (!claimed[size_t(index)])
            return index;
    }
    return -1;
}

unsigned SystemPalette::Realise(const std::vector<PaletteEntry>& logical, Realisation mode)
{
    std::array<bool, kSize> claimed{};
    unsigned changed = 0;
    for (const PaletteEntry& colour : logical) {
        int index = FindExact(colour);
        if (index < 0)
            index = FindFree();
        if (index < 0 && mode == Realisation::Foreground)
            index = NextVictim(claimed);
        if (index < 0)
            continue;
        claimed[size_t(index)] = true;
        if (IsStatic(index) || (used_[size_t(index)] && SameColour(entries_[size_t(index)], colour)))
            continue;
        entries_[size_t(index)] = {colour.red, colour.green, colour.blue, 0};
        used_[size_t(index)] = true;
        ++changed;
    }
    return changed;
}

SystemPalette& CurrentSystemPalette()
{
    static SystemPalette palette;
    return palette;
}

} // namespace platform

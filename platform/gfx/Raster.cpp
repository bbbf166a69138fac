#include "platform/gfx/Raster.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstring>
#include <vector>

namespace raster {
namespace {

// Products of two device distances need more than 64 bits (2^33 x 2^34).
__extension__ typedef __int128 Wide;

constexpr Pixel kOpaque = 0xFF000000u;
constexpr Pixel kRgbMask = 0x00FFFFFFu;

bool InsideImage(const PixelImage& image, const Rect& rect)
{
    return rect.left >= 0 && rect.top >= 0 && rect.right <= image.width && rect.bottom <= image.height;
}

// Combines one row of already converted source pixels into the destination row.
template <typename Convert>
void CombineRow(Pixel* dest, const Pixel* source, int count, RasterOp op, bool colourDest, Convert convert)
{
    const Pixel alpha = colourDest ? kOpaque : 0u;
    switch (op) {
    case RasterOp::SrcCopy:
        for (int i = 0; i < count; ++i)
            dest[i] = convert(source[i]);
        break;
    case RasterOp::SrcAnd:
        for (int i = 0; i < count; ++i)
            dest[i] = (dest[i] & convert(source[i])) | alpha;
        break;
    case RasterOp::SrcPaint:
        for (int i = 0; i < count; ++i)
            dest[i] = dest[i] | convert(source[i]);
        break;
    case RasterOp::SrcInvert:
        for (int i = 0; i < count; ++i)
            dest[i] = (dest[i] ^ convert(source[i])) | alpha;
        break;
    }
}

void BlitRow(Pixel* dest, const Pixel* source, int count, RasterOp op, bool monoDest, bool monoSource,
             const BlitConversion& conversion)
{
    if (monoDest == monoSource) {
        if (op == RasterOp::SrcCopy) {
            std::memmove(dest, source, size_t(count) * sizeof(Pixel));
            return;
        }
        CombineRow(dest, source, count, op, !monoDest, [](Pixel p) { return p; });
    } else if (monoDest) {
        const Pixel background = conversion.sourceBackground & kRgbMask;
        CombineRow(dest, source, count, op, false,
                   [background](Pixel p) { return Pixel((p & kRgbMask) == background ? 1u : 0u); });
    } else {
        const Pixel one = conversion.one | kOpaque;
        const Pixel zero = conversion.zero | kOpaque;
        CombineRow(dest, source, count, op, true, [one, zero](Pixel p) { return p != 0 ? one : zero; });
    }
}

bool Overlap(const PixelImage& dest, const Rect& destRect, const PixelImage& source, const Rect& sourceRect)
{
    return &dest == &source && !destRect.Intersected(sourceRect).IsEmpty();
}

// A copy of the source rectangle, for blits whose source and destination overlap.
PixelImage CopyOut(const PixelImage& source, const Rect& rect)
{
    PixelImage copy(rect.Width(), rect.Height(), source.monochrome);
    for (int y = 0; y < rect.Height(); ++y)
        std::memcpy(copy.Row(y), source.Row(rect.top + y) + rect.left, size_t(rect.Width()) * sizeof(Pixel));
    return copy;
}

// Floor and ceiling of a / b for b > 0.
Wide FloorDiv(Wide a, Wide b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
Wide CeilDiv(Wide a, Wide b) { return -FloorDiv(-a, b); }

// A line in major/minor form: pixel i is (major0 + majorStep * i, minor0 + minorStep * f(i)).
struct Axes {
    int64_t major0, minor0;
    int majorStep, minorStep;
    int64_t n, m; // major and minor lengths, n >= m
    bool xMajor;
};

Axes ToAxes(const Line& line)
{
    const int64_t dx = line.x1 - line.x0;
    const int64_t dy = line.y1 - line.y0;
    const int64_t ax = dx < 0 ? -dx : dx;
    const int64_t ay = dy < 0 ? -dy : dy;
    const int sx = dx > 0 ? 1 : -1;
    const int sy = dy > 0 ? 1 : -1;
    if (ax >= ay)
        return {line.x0, line.y0, sx, sy, ax, ay, true};
    return {line.y0, line.x0, sy, sx, ay, ax, false};
}

// Pixel i of the line, whose minor offset f(i) is given; it must lie inside the image.
Point AxesPixel(const Axes& a, int64_t i, int64_t minorOffset)
{
    const int64_t major = a.major0 + a.majorStep * i;
    const int64_t minor = a.minor0 + a.minorStep * minorOffset;
    return a.xMajor ? Point{int(major), int(minor)} : Point{int(minor), int(major)};
}

// The steps i in [first, last] whose coordinate start + step * i lies in [low, high].
void LimitLinear(int64_t start, int step, int64_t low, int64_t high, Wide& first, Wide& last)
{
    if (step > 0) {
        first = std::max<Wide>(first, Wide(low) - start);
        last = std::min<Wide>(last, Wide(high) - start);
    } else {
        first = std::max<Wide>(first, Wide(start) - high);
        last = std::min<Wide>(last, Wide(start) - low);
    }
}

// The steps whose minor offset f(i) = floor((2 i m + n) / (2 n)) lies in [low, high]; f grows
// with i, so the steps form one range.
void LimitMinor(const Axes& a, Wide low, Wide high, Wide& first, Wide& last)
{
    if (high < 0 || (a.m == 0 && low > 0)) {
        first = 1;
        last = 0;
        return;
    }
    if (a.m == 0)
        return;
    // f(i) >= low  <=>  2 i m + n >= 2 n low.
    if (low > 0)
        first = std::max(first, CeilDiv(2 * Wide(a.n) * low - a.n, 2 * Wide(a.m)));
    // f(i) <= high  <=>  2 i m + n < 2 n (high + 1).
    last = std::min(last, CeilDiv(2 * Wide(a.n) * (high + 1) - a.n, 2 * Wide(a.m)) - 1);
}

} // namespace

void Fill(PixelImage& image, const Rect& rect, Pixel value)
{
    assert(InsideImage(image, rect) && "Fill takes a rectangle already clipped to the image");
    if (rect.IsEmpty() || !InsideImage(image, rect))
        return;
    // One row pixel by pixel, the others copied from it: the library's copy moves whole vector
    // registers, where a loop storing one value a time moves four bytes a step.
    const size_t width = size_t(rect.Width());
    Pixel* const first = image.Row(rect.top) + rect.left;
    std::fill(first, first + width, value);
    for (int y = rect.top + 1; y < rect.bottom; ++y)
        std::memcpy(image.Row(y) + rect.left, first, width * sizeof(Pixel));
}

// Copies the part of a row that differs from what the destination holds; returns the span
// [first, last] of that part, or first > last when the row was the same already. Blocks are
// compared first, so that unchanged stretches cost little more than reading them.
std::pair<int, int> CopyChangedSpan(Pixel* dest, const Pixel* source, int count)
{
    constexpr int kBlock = 16;
    const size_t rowBytes = size_t(count) * sizeof(Pixel);
    if (std::memcmp(dest, source, rowBytes) == 0)
        return {count, -1};
    int first = 0;
    while (first + kBlock <= count && std::memcmp(dest + first, source + first, kBlock * sizeof(Pixel)) == 0)
        first += kBlock;
    while (dest[first] == source[first])
        ++first;
    int last = count - 1;
    while (last - kBlock + 1 > first &&
           std::memcmp(dest + last - kBlock + 1, source + last - kBlock + 1, kBlock * sizeof(Pixel)) == 0)
        last -= kBlock;
    while (dest[last] == source[last])
        --last;
    std::memcpy(dest + first, source + first, size_t(last - first + 1) * sizeof(Pixel));
    return {first, last};
}

Rect Blit(PixelImage& dest, const Rect& destRect, const PixelImage& source, Point sourceTopLeft, RasterOp op,
          const BlitConversion& conversion)
{
    const Rect sourceRect = Rect::FromSize(sourceTopLeft.x, sourceTopLeft.y, destRect.Width(), destRect.Height());
    assert(InsideImage(dest, destRect) && InsideImage(source, sourceRect) && "Blit takes clipped rectangles");
    if (destRect.IsEmpty() || !InsideImage(dest, destRect) || !InsideImage(source, sourceRect))
        return {};
    if (Overlap(dest, destRect, source, sourceRect)) {
        const PixelImage copy = CopyOut(source, sourceRect);
        return Blit(dest, destRect, copy, {0, 0}, op, conversion);
    }
    if (op != RasterOp::SrcCopy || dest.monochrome != source.monochrome) {
        for (int y = 0; y < destRect.Height(); ++y) {
            BlitRow(dest.Row(destRect.top + y) + destRect.left, source.Row(sourceRect.top + y) + sourceRect.left,
                    destRect.Width(), op, dest.monochrome, source.monochrome, conversion);
        }
        return destRect;
    }
    Rect changed{destRect.right, destRect.bottom, destRect.left, destRect.top};
    for (int y = 0; y < destRect.Height(); ++y) {
        const auto [first, last] = CopyChangedSpan(dest.Row(destRect.top + y) + destRect.left,
                                                   source.Row(sourceRect.top + y) + sourceRect.left, destRect.Width());
        if (first > last)
            continue;
        changed.left = std::min(changed.left, destRect.left + first);
        changed.right = std::max(changed.right, destRect.left + last + 1);
        changed.top = std::min(changed.top, destRect.top + y);
        changed.bottom = destRect.top + y + 1;
    }
    return changed.IsEmpty() ? Rect{} : changed;
}

Rect DrawLine(PixelImage& image, const Line& line, const Rect& clip, Pixel value)
{
    assert(InsideImage(image, clip) && "DrawLine takes a clip inside the image");
    if (clip.IsEmpty() || !InsideImage(image, clip))
        return {};
    const Axes a = ToAxes(line);
    if (a.n == 0)
        return {};
    const Rect& c = clip;
    Wide first = 0;
    Wide last = a.n - 1;
    const int64_t majorLow = a.xMajor ? c.left : c.top;
    const int64_t majorHigh = (a.xMajor ? c.right : c.bottom) - 1;
    const int64_t minorLow = a.xMajor ? c.top : c.left;
    const int64_t minorHigh = (a.xMajor ? c.bottom : c.right) - 1;
    LimitLinear(a.major0, a.majorStep, majorLow, majorHigh, first, last);
    if (a.minorStep > 0)
        LimitMinor(a, Wide(minorLow) - a.minor0, Wide(minorHigh) - a.minor0, first, last);
    else
        LimitMinor(a, Wide(a.minor0) - minorHigh, Wide(a.minor0) - minorLow, first, last);
    if (first > last)
        return {};

    // The error term r = (2 i m + n) mod 2 n, advanced one step at a time, and a pixel offset
    // that moves one pixel along the major axis, and one more along the minor axis whenever
    // f(i) grows (r wraps).
    const int64_t twoN = 2 * a.n;
    const Wide start = 2 * first * a.m + a.n;
    int64_t r = int64_t(start % twoN);
    const int64_t count = int64_t(last - first) + 1;
    const Point firstPixel = AxesPixel(a, int64_t(first), int64_t(start / twoN));
    const ptrdiff_t rowStep = ptrdiff_t(image.width);
    const ptrdiff_t majorDelta = a.xMajor ? a.majorStep : a.majorStep * rowStep;
    const ptrdiff_t minorDelta = a.xMajor ? a.minorStep * rowStep : a.minorStep;
    // An offset rather than a pointer: after the last pixel it may point outside the image.
    Pixel* const pixels = image.pixels.data();
    ptrdiff_t offset = ptrdiff_t(firstPixel.y) * rowStep + firstPixel.x;
    for (int64_t k = 0; k < count; ++k) {
        pixels[offset] = value;
        r += 2 * a.m;
        if (r >= twoN) {
            r -= twoN;
            offset += minorDelta;
        }
        offset += majorDelta;
    }
    const Point lastPixel = AxesPixel(a, int64_t(last), int64_t((2 * last * a.m + a.n) / twoN));
    // Both coordinates move monotonically, so the two ends bound every pixel set.
    return Rect{firstPixel.x, firstPixel.y, firstPixel.x + 1, firstPixel.y + 1}.United(
        {lastPixel.x, lastPixel.y, lastPixel.x + 1, lastPixel.y + 1});
}

} // namespace raster

#pragma once

#include <algorithm>

// Small geometry values in pixels. Rectangles are (left, top, right, bottom) with the right
// and bottom edges exclusive: Rect{0, 0, 2, 2} covers the four pixels (0..1, 0..1).

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0; // exclusive

    static constexpr Rect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    constexpr Point TopLeft() const { return {left, top}; }

    // Swaps the edges where needed so that left <= right and top <= bottom.
    constexpr void Normalize()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    constexpr void Offset(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    [[nodiscard]] constexpr Rect OffsetBy(int dx, int dy) const
    {
        Rect r = *this;
        r.Offset(dx, dy);
        return r;
    }
    // The common part; an empty rectangle when they do not overlap.
    constexpr void Intersect(const Rect& o)
    {
        left = std::max(left, o.left);
        top = std::max(top, o.top);
        right = std::min(right, o.right);
        bottom = std::min(bottom, o.bottom);
        if (IsEmpty())
            *this = {};
    }
    [[nodiscard]] constexpr Rect Intersected(const Rect& o) const
    {
        Rect r = *this;
        r.Intersect(o);
        return r;
    }
    // The smallest rectangle holding both; an empty one does not count.
    [[nodiscard]] constexpr Rect United(const Rect& o) const
    {
        if (IsEmpty())
            return o;
        if (o.IsEmpty())
            return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

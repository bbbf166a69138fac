#pragma once

#include "platform/gfx/DC.h"

// What a surface holds besides its origin and colours. Shared by the files that implement CDC.
struct CDC::State {
    enum class Kind { None, Memory, Attached };

    Kind kind = Kind::None;
    PixelImage* attached = nullptr;
    Presenter present;
    Rect dirty; // device rectangle drawn on the attached image since the last flush
    Rect drawn; // device rectangle drawn on since the last ResetDrawnBounds, on any target

    // A surface on a part of an attached image (a child window's client area): device
    // coordinates count from the area's corner and nothing is drawn outside it. Without an
    // area the whole image is the device.
    bool hasArea = false;
    Rect area; // in image pixels
    AreaSource areaSource; // when set, where the area lies now

    CBitmap defaultBitmap;      // the 1 x 1 monochrome bitmap of a new memory surface
    CBitmap* bitmap = nullptr;  // selected by the caller; null while the default one is in

    bool clipped = false;
    Rect clip; // device coordinates, when clipped

    CPen* pen = nullptr;         // null: a black solid 1-pixel pen
    CBrush* brush = nullptr;     // null: a white brush
    CFont* font = nullptr;       // null: the default font
    CPalette* palette = nullptr; // null: no palette
    bool paletteRealised = false;
    bool paletteBackground = false;

    BackgroundMode mode = BackgroundMode::Opaque;
    Point position; // logical current position for LineTo
};

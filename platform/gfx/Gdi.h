#pragma once

#include "platform/gfx/Colour.h"
#include "platform/gfx/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Drawing objects. Each is created empty and made real by one of its Create calls; a surface
// (CDC) refers to the objects selected into it and never owns them.

class CGdiObject {
public:
    virtual ~CGdiObject() = default;
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    virtual bool IsCreated() const = 0;
};

enum class PenStyle { Solid, Null };

// Pens draw 1-pixel lines on raster surfaces (wider pens only matter on a printer). A null pen
// draws nothing.
class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(PenStyle style, int width, Colour colour) { CreatePen(style, width, colour); }
    bool CreatePen(PenStyle style, int width, Colour colour);
    bool IsCreated() const override { return created_; }

    PenStyle Style() const { return style_; }
    int Width() const { return width_; }
    Colour GetColour() const { return colour_; }

private:
    bool created_ = false;
    PenStyle style_ = PenStyle::Solid;
    int width_ = 1;
    Colour colour_;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(Colour colour) { CreateSolidBrush(colour); }
    bool CreateSolidBrush(Colour colour);
    bool IsCreated() const override { return created_; }
    Colour GetColour() const { return colour_; }

private:
    bool created_ = false;
    Colour colour_;
};

// The description of a font. height < 0: character height of -height pixels; height > 0: cell
// height; 0: a default size. Only face, height, weight and italic change what is drawn; the
// other fields are kept for those who ask.
struct LogFont {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 1;        // default character set
    int outPrecision = 2;   // character output precision
    int clipPrecision = 1;  // character clip precision
    int quality = 0;        // default quality
    int pitchAndFamily = 0; // default pitch and family
    std::string faceName;
};

// The description of the same font at scale times its size; a font of the default size
// (height 0) gets scale times the default character height.
LogFont ScaledFont(const LogFont& description, int scale);

class QFont;

// Fonts are drawn without anti-aliasing and with full hinting, so text is crisp and the same
// on every run. "MS Sans Serif" and other faces that the machine lacks are mapped to DejaVu Sans.
// A negative height is the character (em) height in pixels; a positive one the cell (line)
// height, met by the largest character height whose line fits; 0 gives 13-pixel characters.
// Weight 400 is normal and 700 bold (0 means normal). Creating a font needs a Qt GUI application
// and makes one on the offscreen platform when none exists (platform/gfx/GuiApplication.h).
class CFont : public CGdiObject {
public:
    CFont();
    ~CFont() override;
    bool CreateFontIndirect(const LogFont& description);
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic, bool underline,
                    bool strikeOut, int charSet, int outPrecision, int clipPrecision, int quality, int pitchAndFamily,
                    const std::string& faceName);
    bool IsCreated() const override { return font_ != nullptr; }
    const LogFont& Description() const { return description_; }
    // The face actually used for drawing.
    std::string ResolvedFace() const;
    const QFont* Font() const { return font_.get(); }

private:
    LogFont description_;
    std::unique_ptr<QFont> font_;
};

// A surface's pixels. Colour images hold 0xFFRRGGBB words; monochrome images hold 0 or 1 in
// each word (1 = white). Rows follow each other without padding.
struct PixelImage {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    std::vector<Pixel> pixels;

    PixelImage() = default;
    PixelImage(int w, int h, bool mono = false) : width(w), height(h), monochrome(mono), pixels(size_t(w) * size_t(h), mono ? 0u : 0xFF000000u) {}
    Pixel* Row(int y) { return pixels.data() + size_t(y) * size_t(width); }
    const Pixel* Row(int y) const { return pixels.data() + size_t(y) * size_t(width); }
    Pixel At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

struct PaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// What GetBitmap reports.
struct BitmapInfo {
    int width = 0;
    int height = 0;
    int planes = 1;
    int bitsPerPixel = 32;
    int coloursUsed = 0;  // entries of the colour table of an indexed bitmap; 0 otherwise
};

// Bitmaps are at most kMaxBitmapSide (16384) pixels a side and 2^26 pixels in all (platform/gfx/Bmp.h);
// creating or loading a larger one fails and leaves the bitmap as it was.
class CBitmap : public CGdiObject {
public:
    // A colour bitmap compatible with the screen (32 bits per pixel), black.
    bool CreateCompatibleBitmap(int width, int height);
    // planes = 1 and bitsPerPixel = 1 make a monochrome bitmap; anything else a colour one.
    // bits, when given, hold rows of 1-bit pixels padded to 16 bits (monochrome) or 0xFFRRGGBB words.
    bool CreateBitmap(int width, int height, int planes, int bitsPerPixel, const void* bits = nullptr);
    // A bitmap of the program's resources (the BMP file ":/bitmaps/<resourceId>.bmp" of Qt's
    // resource system), as a plain screen-compatible colour bitmap. A missing or malformed file
    // fails cleanly: false, and the bitmap stays as it was.
    bool LoadBitmap(int resourceId);
    // The same file as a bitmap that keeps its colour table readable (indexed 1-, 4- and 8-bit
    // images: the colours used, or all 2^bits when the file does not say); it draws like any
    // colour bitmap, and GetBitmap reports the file's bits per pixel.
    bool LoadDIBSection(int resourceId);
    bool IsCreated() const override { return image_ != nullptr; }

    BitmapInfo GetBitmap() const;
    Size GetSize() const { return image_ ? Size{image_->width, image_->height} : Size{}; }
    // Colour table of a bitmap loaded with LoadDIBSection; empty otherwise.
    const std::vector<PaletteEntry>& ColourTable() const { return colourTable_; }
    PixelImage* Image() { return image_.get(); }
    const PixelImage* Image() const { return image_.get(); }

private:
    std::unique_ptr<PixelImage> image_;
    std::vector<PaletteEntry> colourTable_;
    int bitsPerPixel_ = 32;
};

struct LogPalette {
    uint16_t version = 0x300;
    std::vector<PaletteEntry> entries;
};

// A logical palette: version 0x300 and 1 to 256 entries, or CreatePalette fails.
class CPalette : public CGdiObject {
public:
    bool CreatePalette(const LogPalette& palette);
    bool IsCreated() const override { return created_; }
    int GetEntryCount() const { return int(entries_.size()); }
    const std::vector<PaletteEntry>& Entries() const { return entries_; }

private:
    bool created_ = false;
    std::vector<PaletteEntry> entries_;
};

// A clip region: one rectangle in device coordinates (edges swapped into order when inverted).
class CRgn : public CGdiObject {
public:
    bool CreateRectRgn(int left, int top, int right, int bottom);
    bool CreateRectRgnIndirect(const Rect& rect) { return CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom); }
    bool IsCreated() const override { return created_; }
    Rect Box() const { return rect_; }

private:
    bool created_ = false;
    Rect rect_;
};

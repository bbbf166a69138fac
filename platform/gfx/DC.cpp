#include "platform/gfx/DC.h"

#include "platform/gfx/DCState.h"
#include "platform/gfx/Raster.h"
#include "platform/gfx/Screen.h"
#include "platform/gfx/SystemPalette.h"

#include <cassert>
#include <climits>
#include <cstdint>
#include <utility>

namespace {

constexpr int kMonoThreshold = 382; // component sums above this are nearer white than black

int Saturate(int64_t value) { return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

Rect BoundsOf(const PixelImage* image) { return image ? Rect{0, 0, image->width, image->height} : Rect{}; }

CPen& StockPen(StockObject object)
{
    static CPen white(PenStyle::Solid, 1, colours::kWhite);
    static CPen black(PenStyle::Solid, 1, colours::kBlack);
    static CPen none(PenStyle::Null, 1, colours::kBlack);
    return object == StockObject::WhitePen ? white : object == StockObject::BlackPen ? black : none;
}

CBrush& StockBrush(StockObject object)
{
    static CBrush white(colours::kWhite);
    static CBrush black(colours::kBlack);
    static CBrush none; // never created: draws nothing
    return object == StockObject::WhiteBrush ? white : object == StockObject::BlackBrush ? black : none;
}

int SquaredDistance(const PaletteEntry& entry, Colour colour)
{
    const int r = int(entry.red) - colour.red;
    const int g = int(entry.green) - colour.green;
    const int b = int(entry.blue) - colour.blue;
    return r * r + g * g + b * b;
}

Colour Nearest(const std::vector<PaletteEntry>& entries, Colour colour)
{
    const PaletteEntry* best = nullptr;
    for (const PaletteEntry& entry : entries) {
        if (best == nullptr || SquaredDistance(entry, colour) < SquaredDistance(*best, colour))
            best = &entry;
    }
    return best ? Rgb(best->red, best->green, best->blue) : colour;
}

} // namespace

CDC::CDC() : state_(std::make_unique<State>()) {}

CDC::~CDC() = default;

bool CDC::CreateCompatibleDC(const CDC* /*reference*/)
{
    // Every surface here is screen-compatible, so the reference changes nothing.
    state_->kind = State::Kind::Memory;
    state_->attached = nullptr;
    state_->present = {};
    state_->bitmap = nullptr;
    if (!state_->defaultBitmap.IsCreated())
        state_->defaultBitmap.CreateBitmap(1, 1, 1, 1);
    return true;
}

void CDC::AttachImage(PixelImage* image, Presenter present)
{
    assert(image != nullptr && "AttachImage needs the image to draw on");
    state_->kind = image ? State::Kind::Attached : State::Kind::None;
    state_->attached = image;
    state_->present = std::move(present);
    state_->bitmap = nullptr;
    state_->dirty = {};
    state_->hasArea = false;
    state_->areaSource = {};
    state_->clipped = false;
}

void CDC::AttachImage(PixelImage* image, Presenter present, const Rect& area)
{
    AttachImage(image, std::move(present));
    state_->hasArea = true;
    // The area keeps its corner where it lies, also when part of it is off the image (a child
    // window scrolled partly out of its parent): the origin must not move with the visible part.
    state_->area = area;
    origin_ = area.TopLeft();
    RemoveClip();
}

void CDC::AttachImage(PixelImage* image, Presenter present, AreaSource area)
{
    assert(area && "a moving area needs its source");
    AttachImage(image, std::move(present), area ? area() : Rect{});
    state_->areaSource = std::move(area);
}

void CDC::FollowArea() const
{
    if (!state_->areaSource)
        return;
    const Rect now = state_->areaSource();
    const Rect before = state_->area;
    if (now == before)
        return;
    const int64_t dx = int64_t(now.left) - before.left;
    const int64_t dy = int64_t(now.top) - before.top;
    origin_ = {Saturate(origin_.x + dx), Saturate(origin_.y + dy)};
    const bool whole = state_->clip == before;
    state_->area = now;
    state_->clip = whole ? now : state_->clip.OffsetBy(int(dx), int(dy)).Intersected(now);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (state_->kind != State::Kind::Memory || (bitmap != nullptr && !bitmap->IsCreated()))
        return nullptr;
    CBitmap* previous = state_->bitmap;
    state_->bitmap = bitmap;
    return previous;
}

CPen* CDC::SelectObject(CPen* pen)
{
    CPen* previous = state_->pen;
    state_->pen = pen;
    return previous;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    CBrush* previous = state_->brush;
    state_->brush = brush;
    return previous;
}

CFont* CDC::SelectObject(CFont* font)
{
    CFont* previous = state_->font;
    state_->font = font;
    return previous;
}

void CDC::SelectStockObject(StockObject object)
{
    switch (object) {
    case StockObject::WhitePen:
    case StockObject::BlackPen:
    case StockObject::NullPen:
        state_->pen = &StockPen(object);
        break;
    case StockObject::WhiteBrush:
    case StockObject::BlackBrush:
    case StockObject::NullBrush:
        state_->brush = &StockBrush(object);
        break;
    }
}

CPalette* CDC::SelectPalette(CPalette* palette, bool forceBackground)
{
    CPalette* previous = state_->palette;
    state_->palette = palette;
    state_->paletteBackground = forceBackground;
    state_->paletteRealised = false;
    return previous;
}

unsigned CDC::RealizePalette()
{
    const CPalette* palette = state_->palette;
    if (palette == nullptr || !palette->IsCreated() || !platform::CurrentScreen().paletteDevice)
        return 0;
    state_->paletteRealised = true;
    const auto mode = state_->paletteBackground ? platform::Realisation::Background : platform::Realisation::Foreground;
    return platform::CurrentSystemPalette().Realise(palette->Entries(), mode);
}

Colour CDC::SetTextColor(Colour colour) { return std::exchange(textColour_, colour); }

Colour CDC::SetBkColor(Colour colour) { return std::exchange(backgroundColour_, colour); }

BackgroundMode CDC::SetBkMode(BackgroundMode mode) { return std::exchange(state_->mode, mode); }

// origin_ is kept in image pixels; callers see it relative to the device area.
Point CDC::SetViewportOrg(int x, int y)
{
    const Point previous = GetViewportOrg();
    const Point corner = state_->hasArea ? state_->area.TopLeft() : Point{};
    origin_ = {Saturate(int64_t(x) + corner.x), Saturate(int64_t(y) + corner.y)};
    return previous;
}

Point CDC::GetViewportOrg() const
{
    const Point corner = state_->hasArea ? state_->area.TopLeft() : Point{};
    return {origin_.x - corner.x, origin_.y - corner.y};
}

void CDC::SelectClipRgn(const CRgn* region)
{
    if (region == nullptr) {
        RemoveClip();
        return;
    }
    assert(region->IsCreated() && "SelectClipRgn needs a created region");
    if (region->IsCreated())
        SetClipRect(region->Box());
}

void CDC::SetClipRect(const Rect& deviceRect)
{
    state_->clipped = true;
    if (!state_->hasArea) {
        state_->clip = deviceRect;
        return;
    }
    const Rect& area = state_->area;
    const Rect shifted{Saturate(int64_t(deviceRect.left) + area.left), Saturate(int64_t(deviceRect.top) + area.top),
                       Saturate(int64_t(deviceRect.right) + area.left), Saturate(int64_t(deviceRect.bottom) + area.top)};
    state_->clip = shifted.Intersected(area);
}

void CDC::RemoveClip()
{
    state_->clipped = state_->hasArea;
    state_->clip = state_->area;
}

Rect CDC::GetClipBox() const
{
    const Rect device = DeviceClip();
    if (device.IsEmpty())
        return {};
    return {Saturate(int64_t(device.left) - origin_.x), Saturate(int64_t(device.top) - origin_.y),
            Saturate(int64_t(device.right) - origin_.x), Saturate(int64_t(device.bottom) - origin_.y)};
}

Rect CDC::DeviceClip() const
{
    const Rect bounds = BoundsOf(Target());
    return state_->clipped ? bounds.Intersected(state_->clip) : bounds;
}

Rect CDC::ClipLogical(const Rect& logical) const
{
    if (logical.IsEmpty())
        return {};
    const Rect clip = DeviceClip();
    const Rect device{Saturate(std::max<int64_t>(int64_t(logical.left) + origin_.x, clip.left)),
                      Saturate(std::max<int64_t>(int64_t(logical.top) + origin_.y, clip.top)),
                      Saturate(std::min<int64_t>(int64_t(logical.right) + origin_.x, clip.right)),
                      Saturate(std::min<int64_t>(int64_t(logical.bottom) + origin_.y, clip.bottom))};
    return device.IsEmpty() ? Rect{} : device;
}

Colour CDC::Resolve(Colour colour) const
{
    const CPalette* palette = state_->palette;
    if (!colour.paletteRelative || palette == nullptr || !state_->paletteRealised ||
        !platform::CurrentScreen().paletteDevice)
        return {colour.red, colour.green, colour.blue, false};
    return Nearest(palette->Entries(), colour);
}

Pixel CDC::PixelFor(Colour colour) const
{
    const Colour resolved = Resolve(colour);
    const PixelImage* target = Target();
    if (target != nullptr && target->monochrome)
        return int(resolved.red) + resolved.green + resolved.blue > kMonoThreshold ? 1u : 0u;
    return ToPixel(resolved);
}

void CDC::Touch(const Rect& deviceRect)
{
    state_->drawn = state_->drawn.United(deviceRect);
    if (state_->kind == State::Kind::Attached)
        state_->dirty = state_->dirty.United(deviceRect);
}

void CDC::SetPixel(int x, int y, Colour colour) { FillSolidRect({x, y, Saturate(int64_t(x) + 1), Saturate(int64_t(y) + 1)}, colour); }

Colour CDC::GetPixel(int x, int y) const
{
    const PixelImage* target = Target();
    const int64_t dx = int64_t(x) + origin_.x;
    const int64_t dy = int64_t(y) + origin_.y;
    if (target == nullptr || dx < 0 || dy < 0 || dx >= target->width || dy >= target->height)
        return colours::kBlack;
    const Pixel pixel = target->At(int(dx), int(dy));
    if (target->monochrome)
        return pixel ? colours::kWhite : colours::kBlack;
    return FromPixel(pixel);
}

void CDC::FillSolidRect(const Rect& rect, Colour colour)
{
    const Rect device = ClipLogical(rect);
    if (device.IsEmpty())
        return;
    raster::Fill(*Target(), device, PixelFor(colour));
    Touch(device);
}

void CDC::FillRect(const Rect& rect, const CBrush* brush)
{
    if (brush == nullptr || !brush->IsCreated())
        return;
    FillSolidRect(rect, brush->GetColour());
}

Point CDC::MoveTo(int x, int y) { return std::exchange(state_->position, Point{x, y}); }

void CDC::DrawSegment(Point from, Point to)
{
    const CPen* pen = state_->pen ? state_->pen : &StockPen(StockObject::BlackPen);
    const Rect clip = DeviceClip();
    if (pen->Style() == PenStyle::Null || clip.IsEmpty())
        return;
    const raster::Line line{int64_t(from.x) + origin_.x, int64_t(from.y) + origin_.y, int64_t(to.x) + origin_.x,
                            int64_t(to.y) + origin_.y};
    const Rect touched = raster::DrawLine(*Target(), line, clip, PixelFor(pen->GetColour()));
    Touch(touched);
}

void CDC::LineTo(int x, int y)
{
    DrawSegment(state_->position, {x, y});
    state_->position = {x, y};
}

void CDC::Polyline(const Point* points, int count)
{
    if (points == nullptr)
        return;
    for (int i = 1; i < count; ++i)
        DrawSegment(points[i - 1], points[i]);
}

bool CDC::BitBlt(int x, int y, int width, int height, const CDC* source, int sourceX, int sourceY, RasterOp op)
{
    PixelImage* dest = Target();
    const PixelImage* from = source ? source->Target() : nullptr;
    if (dest == nullptr || from == nullptr)
        return false;
    if (width <= 0 || height <= 0)
        return true;
    // Where the source image's pixel (0, 0) lands in device coordinates of the destination.
    const int64_t shiftX = int64_t(x) + origin_.x - (int64_t(sourceX) + source->origin_.x);
    const int64_t shiftY = int64_t(y) + origin_.y - (int64_t(sourceY) + source->origin_.y);
    const Rect clip = DeviceClip();
    const Rect device{Saturate(std::max({int64_t(x) + origin_.x, int64_t(clip.left), shiftX})),
                      Saturate(std::max({int64_t(y) + origin_.y, int64_t(clip.top), shiftY})),
                      Saturate(std::min({int64_t(x) + origin_.x + width, int64_t(clip.right), shiftX + from->width})),
                      Saturate(std::min({int64_t(y) + origin_.y + height, int64_t(clip.bottom), shiftY + from->height}))};
    if (device.IsEmpty())
        return true;
    const raster::BlitConversion conversion{ToPixel(source->Resolve(source->backgroundColour_)),
                                            ToPixel(Resolve(backgroundColour_)), ToPixel(Resolve(textColour_))};
    const Point sourceTopLeft{int(device.left - shiftX), int(device.top - shiftY)};
    // Only what changed needs presenting: a frame drawn over the last one differs in part.
    Touch(raster::Blit(*dest, device, *from, sourceTopLeft, op, conversion));
    return true;
}

Rect CDC::DrawnBounds() const { return state_->drawn; }

void CDC::ResetDrawnBounds() { state_->drawn = {}; }

void CDC::Flush()
{
    const Rect dirty = std::exchange(state_->dirty, Rect{});
    if (state_->kind == State::Kind::Attached && state_->present && !dirty.IsEmpty())
        state_->present(dirty);
}

int CDC::GetDeviceCaps(DeviceCap cap) const
{
    const ScreenFacts& screen = platform::CurrentScreen();
    switch (cap) {
    case DeviceCap::HorzRes: return screen.desktop.Width();
    case DeviceCap::VertRes: return screen.desktop.Height();
    case DeviceCap::BitsPixel: return screen.bitsPerPixel;
    case DeviceCap::Planes: return screen.planes;
    case DeviceCap::RasterCaps: return screen.paletteDevice ? kRasterCapsPalette : 0;
    case DeviceCap::LogPixelsX: return screen.logPixelsX;
    case DeviceCap::LogPixelsY: return screen.logPixelsY;
    case DeviceCap::DriverVersion: return screen.driverVersion;
    case DeviceCap::SizePalette: return screen.paletteDevice ? screen.paletteSize : 0;
    }
    return 0;
}

PixelImage* CDC::Target()
{
    return const_cast<PixelImage*>(std::as_const(*this).Target());
}

const PixelImage* CDC::Target() const
{
    FollowArea();
    switch (state_->kind) {
    case State::Kind::Memory: return state_->bitmap ? state_->bitmap->Image() : state_->defaultBitmap.Image();
    case State::Kind::Attached: return state_->attached;
    case State::Kind::None: return nullptr;
    }
    return nullptr;
}

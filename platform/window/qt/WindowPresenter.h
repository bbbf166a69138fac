#pragma once

// How a window's picture reaches the screen. Included by platform/*.cpp only.

#include "platform/gfx/Geometry.h"
#include "platform/gfx/Gdi.h"

#include <QPoint>
#include <QRegion>

#include <memory>
#include <optional>

class ClientWidget;
class QWidget;
class WndPrivate;

// The painting of one window: the part of its client area marked for repainting, the paint
// notices, and for a top-level window the client image (which holds its children's pictures
// too) and presenting parts of it to the screen at once.
class WindowPresenter {
public:
    explicit WindowPresenter(WndPrivate& d) : d_(d) {}

    // Top-levels: the client image, stable for the window's life and resized in place (new
    // pixels are white). Null for children.
    void CreateImage();
    const std::shared_ptr<PixelImage>& Image() const;
    // While nothing else holds the image, the new size is only noted and the pixels are made
    // when the image is next used: a window placed several times before it is first drawn
    // allocates and fills its image once.
    void ResizeImage(int width, int height);
    // The widgets are gone: no image, nothing marked.
    void Reset();

    // "Redraw soon": marks region (client coordinates) and whether to erase first.
    void Invalidate(const QRegion& region, bool erase);
    void InvalidateAll(bool erase);
    void InvalidateRect(const Rect& rect, bool erase);
    // "Redraw now": repaints what is marked, if anything, while the window is visible.
    void UpdateNow();
    const QRegion& Invalid() const { return invalid_; }
    // The bounding rectangle of the paint running now (client coordinates).
    Rect PaintRect() const { return paintRect_; }

    void PaintFromQt(ClientWidget* widget, const QRegion& region);
    void PaintIntoImage(const QRegion& region);
    bool Mapped() const;
    // Gives Qt a moment to expose a window just shown. Returns whether it waited.
    bool WaitUntilExposed();
    // Copies a part of the top-level image to the screen at once (top client coordinates).
    void Present(const Rect& topClientRect);
    // Repaints the visible child windows' parts of region (client coordinates of this window)
    // during a present and returns the part that no child covers, for this window to repaint.
    // Qt does not repaint a child that covers its parent when only the parent is repainted, and
    // every repaint sends its region to the screen, so each part is repainted exactly once, by
    // the window that shows it.
    QRegion RepaintChildrenForPresent(const QRegion& region);
    static bool InPaint();

private:
    void Blit(QWidget* widget, const QRegion& region, QPoint offset);
    void RunPaint(const QRegion& region);

    WndPrivate& d_;

    // Top-levels: the client image and the state of a present.
    std::shared_ptr<PixelImage> image_;
    mutable std::optional<Size> pendingSize_;
    bool presenting_ = false;
    QRegion presentRegion_; // top client coordinates
    QRegion deferred_;      // top client coordinates: dirty parts that a present consumed

    // Marked for repainting (client coordinates) and whether to erase first.
    QRegion invalid_;
    bool eraseRequested_ = false;
    Rect paintRect_;
};

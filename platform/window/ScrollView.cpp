#include "platform/window/ScrollView.h"

#include "platform/window/ClientDC.h"
#include "platform/window/qt/ScrollViewBars.h"

#include <cassert>

CView::CView() = default;
CView::~CView() = default;

void CView::OnDraw(CDC*) {}
void CView::OnPrepareDC(CDC*) {}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::PostNcDestroy() { delete this; }

CScrollView::CScrollView() : bars_(std::make_unique<ScrollViewBars>(this)) {}
CScrollView::~CScrollView() = default;

void CScrollView::SetScrollSizes(int mapMode, Size total, Size page, Size line)
{
    assert(mapMode == MM_TEXT && "scroll views support MM_TEXT only");
    (void)mapMode;
    if (page.width <= 0 || page.height <= 0)
        page = {total.width / 10, total.height / 10};
    if (line.width <= 0 || line.height <= 0)
        line = {page.width / 10, page.height / 10};
    bars_->SetArea(total, page, line);
}

Size CScrollView::GetTotalSize() const { return bars_->Total(); }
Point CScrollView::GetDeviceScrollPosition() const { return bars_->Position(); }
void CScrollView::ScrollToPosition(Point position) { bars_->ScrollTo(position); }
bool CScrollView::HasHorizontalScrollBar() const { return bars_->HorizontalShown(); }
bool CScrollView::HasVerticalScrollBar() const { return bars_->VerticalShown(); }
ScrollViewBars* CScrollView::ScrollBarsPart() { return bars_.get(); }

void CScrollView::OnPrepareDC(CDC* dc)
{
    // Only contexts on the window move with the picture; a printer draws the whole area.
    if (dynamic_cast<CPaintDC*>(dc) == nullptr && dynamic_cast<CClientDC*>(dc) == nullptr)
        return;
    const Point origin = dc->GetViewportOrg();
    const Point scroll = GetDeviceScrollPosition();
    dc->SetViewportOrg(origin.x - scroll.x, origin.y - scroll.y);
}

#include "platform/window/ClientDC.h"

#include "platform/window/Wnd.h"
#include "platform/window/qt/WndPrivate.h"

#include <cassert>

namespace {

// The presenter of a window context: copies to the screen through the top-level window, if it
// still exists when the context flushes.
CDC::Presenter PresenterFor(WndPrivate* top)
{
    QPointer<ClientWidget> widget = top->Client();
    return [widget](const Rect& rect) {
        if (widget && widget->Owner() != nullptr)
            widget->Owner()->Private()->Presenter().Present(rect);
    };
}

// Where the window's client area lies in its top-level image now: it moves when the window is
// placed again or its parent view scrolls. A window that is gone leaves the area where it was.
CDC::AreaSource ClientAreaOf(CWnd* window)
{
    QPointer<ClientWidget> widget = window->Private()->Client();
    return [widget, last = window->ClientAreaInTopLevel()]() mutable {
        if (widget && widget->Owner() != nullptr)
            last = widget->Owner()->ClientAreaInTopLevel();
        return last;
    };
}

} // namespace

CClientDC::CClientDC(CWnd* window) : window_(window)
{
    assert(window != nullptr && "CClientDC needs a window");
    if (window == nullptr || !window->IsWindow())
        return;
    WndPrivate* top = window->Private()->Top();
    image_ = top->Presenter().Image();
    AttachImage(image_.get(), PresenterFor(top), ClientAreaOf(window));
}

CClientDC::~CClientDC()
{
    if (image_)
        Flush();
}

CPaintDC::CPaintDC(CWnd* window)
{
    assert(window != nullptr && "CPaintDC needs a window");
    if (window == nullptr || !window->IsWindow())
        return;
    WndPrivate* d = window->Private();
    image_ = d->Top()->Presenter().Image();
    AttachImage(image_.get(), {}, window->ClientAreaInTopLevel());
    Rect client;
    window->GetClientRect(&client);
    paintRect_ = WindowPresenter::InPaint() ? d->Presenter().PaintRect().Intersected(client) : client;
    SetClipRect(paintRect_);
}

CPaintDC::~CPaintDC() = default;

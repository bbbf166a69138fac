#include "platform/window/Wnd.h"

#include "platform/window/ClientDC.h"
#include "platform/gfx/Screen.h"
#include "platform/window/qt/Hub.h"
#include "platform/window/qt/WndPrivate.h"


#include <QApplication>
#include <QCursor>

#include <cassert>

namespace {

using platform::detail::Hub;

constexpr int kCascadeStart = 40; // the system's default position: a cascade
constexpr int kCascadeStep = 26;
constexpr int kCascadeSteps = 8;

Point DefaultPosition()
{
    static int cascade = 0;
    const int step = kCascadeStart + kCascadeStep * (cascade++ % kCascadeSteps);
    const Rect desktop = platform::CurrentScreen().desktop;
    return {desktop.left + step, desktop.top + step};
}

Size DefaultSize()
{
    const Rect desktop = platform::CurrentScreen().desktop;
    return {desktop.Width() / 2, desktop.Height() / 2};
}

} // namespace

// ---------------------------------------------------------------------------------------------
// CWnd.

const CWnd CWnd::wndTop;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndBottom;

CWnd::CWnd() : d_(std::make_unique<WndPrivate>(this)) {}

CWnd::~CWnd()
{
    if (d_->Exists())
        d_->DestroyWindow(false);
}

CWnd* CWnd::GetDesktopWindow()
{
    static CWnd desktop;
    return &desktop;
}

CWnd* CWnd::GetActiveWindow() { return Hub::Instance().Activation().Active(); }
CWnd* CWnd::GetCapture() { return Hub::Instance().Capture(); }

bool CWnd::CreateEx(unsigned exStyle, const std::string& className, const std::string& title, unsigned style,
                    int x, int y, int width, int height, CWnd* parentOrOwner, int id)
{
    assert(!d_->Exists() && "CreateEx on a CWnd whose window exists already");
    const bool child = (style & WS_CHILD) != 0;
    assert((!child || (parentOrOwner && parentOrOwner->IsWindow())) && "a child window needs a parent window");
    if (d_->Exists() || (child && (parentOrOwner == nullptr || !parentOrOwner->IsWindow())))
        return false;
    if (!child && x == CW_USEDEFAULT) {
        const Point p = DefaultPosition();
        x = p.x;
        y = p.y;
    }
    if (!child && width == CW_USEDEFAULT) {
        const Size s = DefaultSize();
        width = s.width;
        height = s.height;
    }
    CreateStruct create{className, title, style, Rect::FromSize(x, y, width, height), parentOrOwner, id};
    return d_->CreateWindow(create, exStyle);
}

bool CWnd::Create(const std::string& className, const std::string& title, unsigned style, const Rect& rect,
                  CWnd* parent, int id)
{
    return CreateEx(0, className, title, style | WS_CHILD, rect.left, rect.top, rect.Width(), rect.Height(), parent,
                    id);
}

bool CWnd::DestroyWindow()
{
    if (!d_->Exists())
        return false;
    d_->DestroyWindow(true);
    return true;
}

bool CWnd::IsWindow() const { return d_->Exists(); }
const void* CWnd::GetSafeHwnd() const { return d_->Exists() ? d_->Outer() : nullptr; }
int CWnd::GetDlgCtrlID() const { return d_->Id(); }
unsigned CWnd::GetStyle() const { return d_->Style(); }
bool CWnd::IsChild() const { return !d_->IsTopLevel(); }
CWnd* CWnd::GetParent() const { return d_->Tree().Parent(); }

CFrameWnd* CWnd::GetParentFrame() const
{
    for (CWnd* w = GetParent(); w != nullptr; w = w->GetParent())
        if (CFrameWnd* frame = w->AsFrame())
            return frame;
    return nullptr;
}

CWnd* CWnd::GetTopLevelParent() const { return d_->Top()->q; }

CWnd* CWnd::GetDlgItem(int id) const { return d_->Tree().ChildWithId(id); }

void CWnd::MoveWindow(int x, int y, int width, int height, bool)
{
    if (d_->Exists())
        d_->Placement().Place(Rect::FromSize(x, y, width, height), true, true);
}

void CWnd::MoveWindow(const Rect& rect, bool repaint) { MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint); }

bool CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, unsigned flags)
{
    if (!d_->Exists())
        return false;
    const bool move = (flags & SWP_NOMOVE) == 0;
    const bool resize = (flags & SWP_NOSIZE) == 0;
    if (move || resize)
        d_->Placement().Place(Rect::FromSize(x, y, width, height), move, resize);
    if ((flags & SWP_NOZORDER) == 0 && (insertAfter == &wndTop || insertAfter == &wndTopMost))
        d_->Raise();
    if (flags & SWP_HIDEWINDOW)
        d_->Show(false, false);
    if (flags & SWP_SHOWWINDOW)
        d_->Show(true, false);
    const bool activate = (flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) == 0;
    if (activate && d_->IsTopLevel() && IsWindowVisible())
        Hub::Instance().Activation().SetActive(this, WA_ACTIVE);
    return true;
}

bool CWnd::ShowWindow(int command)
{
    if (!d_->Exists())
        return false;
    const bool wasVisible = IsWindowVisible();
    switch (command) {
    case SW_HIDE:
        if (wasVisible)
            d_->Show(false, false);
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        if (!wasVisible)
            d_->Show(true, false);
        break;
    case SW_SHOW:
        if (!wasVisible || IsIconic())
            d_->Show(true, true);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        d_->Minimize();
        break;
    default: // SW_SHOWNORMAL, SW_RESTORE, ...: shown and activated even when visible
        d_->Show(true, true);
        break;
    }
    return wasVisible;
}

bool CWnd::IsWindowVisible() const
{
    if (!d_->Exists())
        return false;
    return d_->IsVisible();
}

bool CWnd::IsIconic() const { return d_->Exists() && d_->IsTopLevel() && d_->Outer()->isMinimized(); }

void CWnd::BringWindowToTop()
{
    if (!d_->Exists())
        return;
    d_->Raise();
    if (d_->IsTopLevel() && IsWindowVisible())
        Hub::Instance().Activation().SetActive(this, WA_ACTIVE);
}

void CWnd::CenterWindow(const CWnd* alternate)
{
    if (!d_->Exists() || !d_->IsTopLevel())
        return;
    Rect area = platform::CurrentScreen().desktop;
    if (alternate != nullptr && alternate != GetDesktopWindow())
        alternate->GetWindowRect(&area);
    const Rect r = d_->Placement().OuterRect();
    const int x = area.left + (area.Width() - r.Width()) / 2;
    const int y = area.top + (area.Height() - r.Height()) / 2;
    d_->Placement().Place(Rect::FromSize(x, y, r.Width(), r.Height()), true, false);
}

CWnd* CWnd::SetActiveWindow()
{
    CWnd* previous = Hub::Instance().Activation().Active();
    if (d_->Exists() && d_->IsTopLevel())
        Hub::Instance().Activation().SetActive(this, WA_ACTIVE);
    return previous;
}

void CWnd::SetWindowText(const std::string& text)
{
    d_->SetTitle(text);
}

std::string CWnd::GetWindowText() const { return d_->Title(); }

void CWnd::SetIcon(const PixelImage& icon)
{
    if (!d_->Exists() || icon.width == 0 || icon.monochrome)
        return;
    d_->Top()->SetIcon(icon);
}

void CWnd::GetClientRect(Rect* rect) const
{
    assert(rect != nullptr);
    *rect = d_->Placement().ClientRect();
}

void CWnd::GetWindowRect(Rect* rect) const
{
    assert(rect != nullptr);
    if (this == GetDesktopWindow()) {
        *rect = platform::CurrentScreen().desktop;
        return;
    }
    if (!d_->Exists()) {
        *rect = {};
        return;
    }
    if (d_->IsTopLevel()) {
        *rect = d_->Placement().OuterRect();
        return;
    }
    *rect = d_->Placement().ScreenRect();
}

void CWnd::ClientToScreen(Point* point) const
{
    if (d_->Client())
        *point = d_->Placement().ClientToScreen(*point);
}

void CWnd::ClientToScreen(Rect* rect) const
{
    Point topLeft = rect->TopLeft();
    ClientToScreen(&topLeft);
    rect->Offset(topLeft.x - rect->left, topLeft.y - rect->top);
}

void CWnd::ScreenToClient(Point* point) const
{
    if (d_->Client())
        *point = d_->Placement().ScreenToClient(*point);
}

void CWnd::ScreenToClient(Rect* rect) const
{
    Point topLeft = rect->TopLeft();
    ScreenToClient(&topLeft);
    rect->Offset(topLeft.x - rect->left, topLeft.y - rect->top);
}

void CWnd::CalcWindowRect(Rect* clientRect) const
{
    *clientRect = d_->Placement().OuterForClient(*clientRect);
}

void CWnd::Invalidate(bool erase)
{
    d_->Presenter().InvalidateAll(erase);
}

void CWnd::InvalidateRect(const Rect* rect, bool erase)
{
    if (rect == nullptr)
        Invalidate(erase);
    else
        d_->Presenter().InvalidateRect(*rect, erase);
}

void CWnd::UpdateWindow()
{
    d_->Presenter().UpdateNow();
}

CWnd* CWnd::SetCapture()
{
    CWnd* previous = Hub::Instance().Capture();
    if (d_->Exists())
        Hub::Instance().SetCapture(this);
    return previous;
}

void CWnd::ReleaseCapture() { Hub::Instance().SetCapture(nullptr); }

void CWnd::SetCursor(CursorShape cursor)
{
    d_->SetCursor(cursor);
}

CursorShape CWnd::GetCursor() const { return d_->Cursor(); }

CMenu* CWnd::GetMenu() const { return nullptr; }

void CWnd::DrawMenuBar()
{
    d_->RedrawMenuBar();
}

intptr_t CWnd::SendMessage(unsigned message, uintptr_t wParam, intptr_t)
{
    if (message == WM_CLOSE) {
        OnClose();
        return 0;
    }
    if (message == WM_COMMAND)
        return SendCommand(int(wParam & 0xFFFF), int((wParam >> 16) & 0xFFFF)) ? 1 : 0;
    return 0;
}

bool CWnd::SendCommand(int id, int code, CWnd* control) { return OnCommand(id, code, control); }

bool CWnd::PostCommand(int id) { return PostMessage(WM_COMMAND, uintptr_t(id & 0xFFFF)); }

bool CWnd::PostMessage(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (!d_->Exists())
        return false;
    d_->Post(message, wParam, lParam);
    return true;
}

PixelImage* CWnd::TopLevelImage() const { return d_->Exists() ? d_->Top()->Presenter().Image().get() : nullptr; }

Rect CWnd::ClientAreaInTopLevel() const
{
    if (!d_->Exists())
        return {};
    return d_->Placement().ClientAreaInTopLevel();
}

int CWnd::OnCreate(const CreateStruct&) { return 0; }
void CWnd::OnPaint() {}

bool CWnd::OnEraseBkgnd(CDC* dc)
{
    if (!d_->Class().hasBackground || dc == nullptr)
        return false;
    Rect client;
    GetClientRect(&client);
    dc->FillSolidRect(client, d_->Class().background);
    return true;
}

void CWnd::OnSize(unsigned, int, int) {}
void CWnd::OnGetMinMaxInfo(MinMaxInfo*) {}
void CWnd::OnActivate(unsigned, CWnd*, bool) {}
int CWnd::OnMouseActivate(CWnd*, unsigned, unsigned) { return MA_ACTIVATE; }
void CWnd::OnWindowPosChanged(const WindowPos*) {}
void CWnd::OnClose() { DestroyWindow(); }
void CWnd::OnDestroy() {}
void CWnd::OnLButtonDown(unsigned, Point) {}
void CWnd::OnMouseMove(unsigned, Point) {}
void CWnd::OnLButtonUp(unsigned, Point) {}
bool CWnd::OnQueryNewPalette() { return false; }
void CWnd::OnPaletteChanged(CWnd*) {}
bool CWnd::OnCommand(int, int, CWnd*) { return false; }
void CWnd::OnHScroll(unsigned, unsigned, CWnd*) {}
bool CWnd::PreTranslateKey(int) { return false; }
bool CWnd::OnKeyDown(int) { return false; }
void CWnd::OnSetFocus() {}
void CWnd::OnKillFocus() {}

CWnd* CWnd::GetFocus() { return WndPrivate::FromWidget(QApplication::focusWidget()); }

Point CWnd::GetCursorPos()
{
    const QPoint pointer = QCursor::pos();
    return {pointer.x(), pointer.y()};
}

// A control's widget sits inside its client widget and takes the keys itself.
void CWnd::SetFocus()
{
    QWidget* client = d_->Client();
    if (!client)
        return;
    const auto parts = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QWidget* target = parts.isEmpty() ? client : parts.front();
    target->setFocus(Qt::OtherFocusReason);
}
void CWnd::PostNcDestroy() {}

CFrameWnd* CWnd::AsFrame() { return nullptr; }
ScrollViewBars* CWnd::ScrollBarsPart() { return nullptr; }
void CWnd::OnWidgetsCreated() {}
void CWnd::OnChildCreated(CWnd*) {}


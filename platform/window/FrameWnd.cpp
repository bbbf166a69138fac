#include "platform/window/FrameWnd.h"

#include "platform/window/qt/MenuPrivate.h"
#include "platform/window/qt/WndPrivate.h"

#include <cassert>

const Rect CFrameWnd::rectDefault{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

bool CFrameWnd::Create(const std::string& className, const std::string& title, unsigned style, const Rect& rect,
                       CWnd* owner, int menuId)
{
    if (menuId != 0) {
        auto menu = std::make_unique<CMenu>();
        if (menu->LoadMenu(menuId))
            menu_ = std::move(menu);
    }
    const bool byDefault = rect.left == CW_USEDEFAULT;
    const bool created = byDefault ? CreateEx(0, className, title, style & ~WS_CHILD, CW_USEDEFAULT, 0, CW_USEDEFAULT,
                                              0, owner, 0)
                                   : CreateEx(0, className, title, style & ~WS_CHILD, rect.left, rect.top,
                                              rect.Width(), rect.Height(), owner, 0);
    return created;
}

bool CFrameWnd::LoadFrame(int resourceId, unsigned style, CWnd* owner)
{
    LoadAccelTable(resourceId);
    const std::string title = platform::FindStringResource(resourceId).value_or("");
    const int menuId = platform::FindMenuResource(resourceId) ? resourceId : 0;
    return Create("", title, style, rectDefault, owner, menuId);
}

CMenu* CFrameWnd::GetMenu() const { return menu_.get(); }

bool CFrameWnd::SetMenuFromTemplate(const MenuTemplate& table)
{
    auto menu = std::make_unique<CMenu>();
    if (!menu->LoadMenuIndirect(table))
        return false;
    menu_ = std::move(menu);
    if (IsWindow())
        AttachMenu();
    return true;
}

void CFrameWnd::AttachMenu()
{
    WndPrivate* d = Private();
    if (!menu_ || !d->Outer())
        return;
    QMenuBar* bar = menu_->Private()->Bar();
    menu_->Private()->SetOwner(this);
    d->SetMenuBar(bar);
}

bool CFrameWnd::LoadAccelTable(int resourceId)
{
    std::optional<AcceleratorTable> table = platform::FindAcceleratorResource(resourceId);
    if (!table)
        return false;
    accelerators_ = std::move(*table);
    return true;
}

void CFrameWnd::SetAccelerators(AcceleratorTable table) { accelerators_ = std::move(table); }
const AcceleratorTable& CFrameWnd::Accelerators() const { return accelerators_; }

bool CFrameWnd::TranslateAccelerator(char key)
{
    const std::optional<int> command = accelerators_.Lookup(key);
    if (!command)
        return false;
    if (menu_) {
        const unsigned state = menu_->GetMenuState(unsigned(*command), MF_BYCOMMAND);
        if (state != kMenuItemNotFound && (state & (MF_GRAYED | MF_DISABLED)) != 0)
            return true;
    }
    SendCommand(*command);
    return true;
}

void CFrameWnd::RecalcLayout()
{
    CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pane == nullptr)
        return;
    Rect client;
    GetClientRect(&client);
    pane->MoveWindow(client);
}

void CFrameWnd::OnSize(unsigned, int, int) { RecalcLayout(); }

void CFrameWnd::PostNcDestroy() { delete this; }

CFrameWnd* CFrameWnd::AsFrame() { return this; }

// The menu bar is in place before OnCreate, so the client area is right from the start.
void CFrameWnd::OnWidgetsCreated() { AttachMenu(); }

void CFrameWnd::OnChildCreated(CWnd* child)
{
    if (child->GetDlgCtrlID() == AFX_IDW_PANE_FIRST)
        RecalcLayout();
}

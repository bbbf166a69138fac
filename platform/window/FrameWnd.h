#pragma once

#include "platform/window/Accelerators.h"
#include "platform/window/Menu.h"
#include "platform/window/Wnd.h"

#include <memory>

// A top-level frame window: caption, system menu, optionally a sizing border and minimise /
// maximise buttons (its style), a menu bar and an accelerator table. Its pane child (id
// AFX_IDW_PANE_FIRST, normally a view) always fills its client area.
//
// Like the classic framework, a frame deletes itself after its window is destroyed
// (PostNcDestroy): create frames with new, and let the window own them.
class CFrameWnd : public CWnd {
public:
    // The system's default position and size: pass to Create.
    static const Rect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame as a top-level window owned by owner, with the outer rectangle rect in
    // screen pixels (rectDefault: default position and size), and the menu resource menuId
    // (0: no menu bar).
    bool Create(const std::string& className, const std::string& title, unsigned style = WS_OVERLAPPEDWINDOW,
                const Rect& rect = rectDefault, CWnd* owner = nullptr, int menuId = 0) override;
    // Creates the frame from resource resourceId: menu resourceId, accelerator table resourceId,
    // title string resourceId (empty when not registered), at the default position, not shown.
    bool LoadFrame(int resourceId, unsigned style = WS_OVERLAPPEDWINDOW, CWnd* owner = nullptr);

    // The menu bar (null when the frame has none). It belongs to the frame.
    CMenu* GetMenu() const override;
    // Replaces the menu bar with one built from the table.
    bool SetMenuFromTemplate(const MenuTemplate& table);
    bool LoadAccelTable(int resourceId);
    void SetAccelerators(AcceleratorTable table);
    const AcceleratorTable& Accelerators() const;

    // Pre-translation: when key (with Ctrl) is in the accelerator table, runs its command unless
    // the menu item of that command is greyed or disabled, and returns true (the key is used up
    // either way). Returns false for keys not in the table.
    bool TranslateAccelerator(char key);

    // Keeps the pane child filling the client area.
    virtual void RecalcLayout();

    // The classic framework's switch for greying items without handlers. Menus here never grey
    // on their own, whatever its value; it is kept so that programs can state their intent.
    bool m_bAutoMenuEnable = true;

    void OnSize(unsigned type, int cx, int cy) override;
    void PostNcDestroy() override;

    CFrameWnd* AsFrame() override;
    void OnWidgetsCreated() override;
    void OnChildCreated(CWnd* child) override;

private:
    void AttachMenu();

    std::unique_ptr<CMenu> menu_;
    AcceleratorTable accelerators_;
};

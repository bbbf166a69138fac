#pragma once

#include "platform/window/Wnd.h"

#include <memory>
#include <string>

// Controls: child windows that show one of the toolkit's own widgets (a push button, a radio
// button, a drop-down list, a static text, a track bar) filling their client area. They are
// created like any child window, with Create at a rectangle in the parent's client coordinates
// and an id, and tell their parent what the user did:
// - buttons and lists send their notices with SendCommand, which reaches the parent's OnCommand(id,
//   code, control);
// - a horizontal track bar calls the parent's OnHScroll(code, position, control).
// Only what the user does is told; setting a state from the program (SetCheck, SetCurSel,
// SetPos) tells nobody, as in the classic window system.
//
// Controls draw themselves; they take no part in the parent's picture, which shows around them.
// Their text is in the system's default dialog font unless SetFont gives another.

class CFont;
class ControlWidgets;

// Control styles.
constexpr unsigned WS_GROUP = 0x00020000;   // children: starts a group of radio buttons
constexpr unsigned WS_TABSTOP = 0x00010000; // children: reached with the Tab key
constexpr unsigned WS_VSCROLL = 0x00200000;
constexpr unsigned BS_PUSHBUTTON = 0x0;
constexpr unsigned BS_DEFPUSHBUTTON = 0x1;
constexpr unsigned BS_AUTORADIOBUTTON = 0x9;
constexpr unsigned BS_TYPEMASK = 0xF;
constexpr unsigned CBS_DROPDOWNLIST = 0x3;
constexpr unsigned SS_LEFT = 0x0;
constexpr unsigned SS_CENTER = 0x1;
constexpr unsigned TBS_HORZ = 0x0;
constexpr unsigned TBS_AUTOTICKS = 0x1;

// Notification codes of a control's command (SendCommand's code).
constexpr int BN_CLICKED = 0;
constexpr int CBN_SELCHANGE = 1;

// Track bar scroll codes of OnHScroll.
constexpr unsigned TB_LINEUP = 0;
constexpr unsigned TB_LINEDOWN = 1;
constexpr unsigned TB_PAGEUP = 2;
constexpr unsigned TB_PAGEDOWN = 3;
constexpr unsigned TB_THUMBPOSITION = 4;
constexpr unsigned TB_THUMBTRACK = 5;
constexpr unsigned TB_TOP = 6;
constexpr unsigned TB_BOTTOM = 7;
constexpr unsigned TB_ENDTRACK = 8;

// Check states of a button.
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

// No selection in a list.
constexpr int CB_ERR = -1;

// The common part of the controls: the widget and its font.
class CControl : public CWnd {
public:
    CControl();
    ~CControl() override;

    // Creates the control as a child of parent (WS_CHILD is added).
    bool Create(const std::string& text, unsigned style, const Rect& rect, CWnd* parent, int id);
    using CWnd::Create;

    // The font of the control's text; not owned, it must outlive the control.
    void SetFont(const CFont* font);

    int OnCreate(const CreateStruct& create) override;
    void OnSize(unsigned type, int cx, int cy) override;

    // Platform internals: the widgets of the control.
    ControlWidgets* Widgets() const { return widgets_.get(); }

protected:
    // Makes the control's widget inside the client area; called from OnCreate.
    virtual void CreateWidget(const CreateStruct& create) = 0;
    // Sends the command of its id with code to the parent, itself as the control.
    void NotifyParent(int code);

    std::unique_ptr<ControlWidgets> widgets_;
};

// A push button or an automatic radio button. A click on a push button, or on a radio button
// (which then checks itself and unchecks the other radio buttons of its group), sends BN_CLICKED.
// A group runs from a radio button with WS_GROUP to the next sibling with WS_GROUP.
class CButton : public CControl {
public:
    int GetCheck() const;
    void SetCheck(int state);
    bool IsRadio() const { return (GetStyle() & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }

    // The user's click: what a press and release on the button do.
    void Click();

protected:
    void CreateWidget(const CreateStruct& create) override;

private:
    void UncheckGroupSiblings();
};

// A drop-down list with a border, without typing. Entries keep the order they were added in.
class CComboBox : public CControl {
public:
    // Appends an entry; returns its index.
    int AddString(const std::string& text);
    int GetCount() const;
    // Selects entry index (-1 or an index out of range: none); returns the index or CB_ERR.
    int SetCurSel(int index);
    int GetCurSel() const;
    std::string GetLBText(int index) const;

    // The user's choice of entry index: selects it and sends CBN_SELCHANGE (also when it was
    // already selected, as the window system does).
    void Choose(int index);

    // Makes the window as high as the closed list.
    int OnCreate(const CreateStruct& create) override;

protected:
    void CreateWidget(const CreateStruct& create) override;
};

// A line of text, left-aligned or centred (SS_CENTER); SetWindowText changes it.
class CStatic : public CControl {
public:
    void SetText(const std::string& text);

protected:
    void CreateWidget(const CreateStruct& create) override;
};

// A horizontal track bar: a thumb on a range of whole positions, with tick marks. The user's
// moves call the parent's OnHScroll with the code of the move and the new position; a drag sends
// TB_THUMBTRACK while moving, then TB_THUMBPOSITION, and every move ends with TB_ENDTRACK.
class CSliderCtrl : public CControl {
public:
    void SetRange(int minimum, int maximum, bool redraw = false);
    int GetRangeMin() const;
    int GetRangeMax() const;
    // Held to the range.
    void SetPos(int position);
    int GetPos() const;
    void SetTicFreq(int frequency);
    void SetLineSize(int size);
    void SetPageSize(int size);

    // The user's move: a step, a page, an end, or a drag of the thumb to position.
    enum class Move { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Drag };
    void UserMove(Move move, int position = 0);

protected:
    void CreateWidget(const CreateStruct& create) override;

private:
    void NotifyScroll(unsigned code);
};

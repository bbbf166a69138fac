#pragma once

#include "platform/gfx/Gdi.h"
#include "platform/window/Controls.h"

#include <memory>
#include <string>
#include <vector>

// Dialogs built from templates, as the classic window system builds them.
//
// A template gives the dialog's title, style, place and size, its font and its controls, all
// placed in dialog units: a horizontal unit is a quarter of the font's average character width,
// a vertical unit an eighth of its height (DialogBaseUnits). Templates are registered by number
// (RegisterDialogTemplate) and a dialog is created from its number, either modeless (Create,
// which returns at once) or modal (DoModal, which runs its own message loop until EndDialog).
// The template's size is the dialog's client area; its place is relative to the client area of
// the owner (the desktop without one).

enum class DialogItemKind { PushButton, DefaultPushButton, RadioButton, DropDownList, Static, TrackBar };

struct DialogItem {
    DialogItemKind kind = DialogItemKind::Static;
    std::string text;
    int id = 0;
    Rect units;          // place and size in dialog units (right/bottom exclusive)
    unsigned style = 0;  // added to the kind's own style (WS_GROUP, SS_CENTER, TBS_AUTOTICKS, ...)
};

struct DialogTemplate {
    std::string title;
    unsigned style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_VISIBLE;
    Rect units; // place (relative to the owner's client area) and client size, in dialog units
    int fontPoints = 8;
    std::string fontFace = "MS Sans Serif";
    std::vector<DialogItem> items;
};

// Registers a template under its number, replacing one registered before.
void RegisterDialogTemplate(int id, DialogTemplate dialogTemplate);
// The template with that number, or null.
const DialogTemplate* FindDialogTemplate(int id);

// The base units of a font in pixels: the average width of the 52 letters A..Z, a..z rounded
// up to whole pixels ((width / 26 + 1) / 2), and the font's height.
Size DialogBaseUnits(const CFont& font);
// Dialog units to pixels with those base units, rounded to the nearest pixel (halves away from
// zero): x = units x width / 4, y = units x height / 8.
Rect DialogUnitsToPixels(const Rect& units, Size base);

class CDialog : public CWnd {
public:
    CDialog();
    ~CDialog() override;

    // Creates the dialog modeless from template templateId, owned by owner (may be null), calls
    // OnInitDialog and shows it when the template asks for WS_VISIBLE. False when there is no
    // such template or the window cannot be made.
    bool Create(int templateId, CWnd* owner = nullptr);
    using CWnd::Create;
    // Creates the dialog from template templateId, disables the owner and handles messages until
    // EndDialog; returns EndDialog's result, or -1 when the dialog cannot be made. A quit request
    // that arrives meanwhile ends the dialog with IDCANCEL and is posted again for the loop
    // outside.
    int DoModal(int templateId, CWnd* owner = nullptr);
    // A modal dialog: ends its loop with result, and the window is destroyed. A modeless one is
    // hidden; its owner destroys it.
    void EndDialog(int result);

    // After the controls exist, before the dialog is shown. Default: true.
    virtual bool OnInitDialog();
    // Return (or a button with id IDOK). Default: EndDialog(IDOK).
    virtual void OnOK();
    // Escape, the close button (or a button with id IDCANCEL). Default: EndDialog(IDCANCEL).
    virtual void OnCancel();

    void OnClose() override;
    bool OnCommand(int id, int code = 0, CWnd* control = nullptr) override;
    bool PreTranslateKey(int key) override;

private:
    bool Build(int templateId, CWnd* owner);
    void CreateItem(const DialogItem& item, Size base);

    CFont font_;

    std::vector<std::unique_ptr<CControl>> controls_;
    bool modal_ = false;
    bool ended_ = false;
    int result_ = 0;
};

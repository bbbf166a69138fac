#include "platform/window/Dialog.h"

#include "platform/gfx/Screen.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/qt/WndPrivate.h"

#include <QFontMetrics>
#include <QWidget>

#include <cassert>
#include <cmath>
#include <map>

namespace {

std::map<int, DialogTemplate>& Templates()
{
    static std::map<int, DialogTemplate> templates;
    return templates;
}

// value x numerator / denominator, rounded to the nearest whole number, halves away from zero.
int MulDiv(int value, int numerator, int denominator)
{
    return int(std::lround(double(value) * numerator / denominator));
}

// The window style of each kind of item; every item is a visible child.
unsigned ItemStyle(const DialogItem& item)
{
    unsigned style = WS_CHILD | WS_VISIBLE | item.style;
    switch (item.kind) {
    case DialogItemKind::DefaultPushButton:
        return style | BS_DEFPUSHBUTTON;
    case DialogItemKind::RadioButton:
        return style | BS_AUTORADIOBUTTON;
    case DialogItemKind::DropDownList:
        return style | CBS_DROPDOWNLIST;
    case DialogItemKind::TrackBar:
        return style | TBS_HORZ;
    case DialogItemKind::PushButton:
    case DialogItemKind::Static:
        break;
    }
    return style;
}

std::unique_ptr<CControl> MakeControl(DialogItemKind kind)
{
    switch (kind) {
    case DialogItemKind::PushButton:
    case DialogItemKind::DefaultPushButton:
    case DialogItemKind::RadioButton:
        return std::make_unique<CButton>();
    case DialogItemKind::DropDownList:
        return std::make_unique<CComboBox>();
    case DialogItemKind::TrackBar:
        return std::make_unique<CSliderCtrl>();
    case DialogItemKind::Static:
        break;
    }
    return std::make_unique<CStatic>();
}

// Keeps the owner's top-level window disabled while a modal dialog runs.
class DisabledOwner {
public:
    explicit DisabledOwner(CWnd* owner)
    {
        WndPrivate* d = owner ? WndPrivate::Of(owner->GetTopLevelParent()) : nullptr;
        if (d && d->Exists() && d->Outer() && d->Outer()->isEnabled()) {
            widget_ = d->Outer();
            widget_->setEnabled(false);
        }
    }
    ~DisabledOwner()
    {
        if (widget_)
            widget_->setEnabled(true);
    }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

private:
    QPointer<QWidget> widget_;
};

} // namespace

void RegisterDialogTemplate(int id, DialogTemplate dialogTemplate) { Templates()[id] = std::move(dialogTemplate); }

const DialogTemplate* FindDialogTemplate(int id)
{
    const auto found = Templates().find(id);
    return found == Templates().end() ? nullptr : &found->second;
}

Size DialogBaseUnits(const CFont& font)
{
    assert(font.Font() && "DialogBaseUnits needs a created font");
    if (!font.Font())
        return {};
    const QFontMetrics metrics(*font.Font());
    const int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(letters / 26 + 1) / 2, metrics.height()};
}

Rect DialogUnitsToPixels(const Rect& units, Size base)
{
    return {MulDiv(units.left, base.width, 4), MulDiv(units.top, base.height, 8), MulDiv(units.right, base.width, 4),
            MulDiv(units.bottom, base.height, 8)};
}

CDialog::CDialog() = default;

CDialog::~CDialog()
{
    // The controls are children: they go with the window, before their objects do.
    DestroyWindow();
}

bool CDialog::Build(int templateId, CWnd* owner)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (dialogTemplate == nullptr || IsWindow())
        return false;
    const int height = -MulDiv(platform::CurrentScreen().logPixelsY, dialogTemplate->fontPoints, 72);
    if (!font_.IsCreated())
        font_.CreateFont(height, 0, 0, 0, 400, false, false, false, 0, 0, 0, 0, 0, dialogTemplate->fontFace);
    const Size base = DialogBaseUnits(font_);

    // The template's rectangle is the client area, placed in the owner's client coordinates.
    Rect client = DialogUnitsToPixels(dialogTemplate->units, base);
    Point origin{};
    if (owner != nullptr && owner->IsWindow())
        owner->ClientToScreen(&origin);
    client.Offset(origin.x, origin.y);
    const unsigned style = dialogTemplate->style & ~WS_VISIBLE;
    ended_ = false;
    result_ = 0;
    if (!CreateEx(0, "", dialogTemplate->title, style, client.left, client.top, client.Width(), client.Height(), owner))
        return false;
    WndPrivate::Of(this)->Placement().KeepClientSizeWhenFrameAppears();
    Rect outer = client;
    CalcWindowRect(&outer);
    MoveWindow(outer.left, outer.top, outer.Width(), outer.Height());
    for (const DialogItem& item : dialogTemplate->items)
        CreateItem(item, base);
    if (!OnInitDialog() && !IsWindow())
        return false;
    if (dialogTemplate->style & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return IsWindow();
}

void CDialog::CreateItem(const DialogItem& item, Size base)
{
    std::unique_ptr<CControl> control = MakeControl(item.kind);
    if (!control->Create(item.text, ItemStyle(item), DialogUnitsToPixels(item.units, base), this, item.id))
        return;
    control->SetFont(&font_);
    controls_.push_back(std::move(control));
}

bool CDialog::Create(int templateId, CWnd* owner)
{
    modal_ = false;
    return Build(templateId, owner);
}

int CDialog::DoModal(int templateId, CWnd* owner)
{
    modal_ = true;
    DisabledOwner disabled(owner);
    if (!Build(templateId, owner))
        return -1;
    bool quit = false;
    int quitCode = 0;
    const MessageInspector inspect = [&](const Msg& message) {
        if (message.kind != MessageKind::Quit)
            return PumpAction::Dispatch;
        quit = true;
        quitCode = message.exitCode;
        return PumpAction::StopPumping;
    };
    while (!ended_ && IsWindow() && !quit)
        platform::WaitAndPumpMessages(inspect);
    if (quit) {
        EndDialog(IDCANCEL);
        PostQuitMessage(quitCode);
    }
    DestroyWindow();
    return result_;
}

void CDialog::EndDialog(int result)
{
    result_ = result;
    ended_ = true;
    if (!modal_)
        ShowWindow(SW_HIDE);
}

bool CDialog::OnInitDialog() { return true; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClose() { OnCancel(); }

bool CDialog::OnCommand(int id, int code, CWnd* control)
{
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return true;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return CWnd::OnCommand(id, code, control);
}

bool CDialog::PreTranslateKey(int key)
{
    if (key == VK_RETURN)
        OnOK();
    else if (key == VK_ESCAPE)
        OnCancel();
    else
        return false;
    return true;
}

#include "platform/window/Controls.h"

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Screen.h"
#include "platform/window/qt/WndPrivate.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

// The toolkit widget of a control, a child of the control's client widget that fills it.
class ControlWidgets {
public:
    QPointer<QWidget> widget;

    template <typename T>
    T* As() const
    {
        return qobject_cast<T*>(widget.data());
    }
};

namespace {

constexpr int kDialogFontPoints = 8;

// The window system's default dialog font: 8-point "MS Sans Serif" at the screen's resolution.
const CFont& DefaultDialogFont()
{
    // Never destroyed: it holds a Qt font, which must not be destroyed after the window system
    // has ended at exit.
    static CFont& font = *new CFont;
    if (!font.IsCreated())
        font.CreateFont(-(platform::CurrentScreen().logPixelsY * kDialogFontPoints / 72), 0, 0, 0, 400, false, false,
                        false, 0, 0, 0, 0, 0, "MS Sans Serif");
    return font;
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

} // namespace

CControl::CControl() : widgets_(std::make_unique<ControlWidgets>()) {}

CControl::~CControl() = default;

bool CControl::Create(const std::string& text, unsigned style, const Rect& rect, CWnd* parent, int id)
{
    return CWnd::Create("", text, style | WS_CHILD, rect, parent, id);
}

int CControl::OnCreate(const CreateStruct& create)
{
    CreateWidget(create);
    if (QWidget* widget = widgets_->widget) {
        widget->setGeometry(0, 0, create.rect.Width(), create.rect.Height());
        SetFont(&DefaultDialogFont());
        widget->show();
    }
    return CWnd::OnCreate(create);
}

void CControl::SetFont(const CFont* font)
{
    if (QWidget* widget = widgets_->widget; widget && font && font->Font())
        widget->setFont(*font->Font());
}

void CControl::OnSize(unsigned type, int cx, int cy)
{
    if (QWidget* widget = widgets_->widget)
        widget->resize(cx, cy);
    CWnd::OnSize(type, cx, cy);
}

void CControl::NotifyParent(int code)
{
    if (CWnd* parent = GetParent())
        parent->SendCommand(GetDlgCtrlID(), code, this);
}

// Buttons.

void CButton::CreateWidget(const CreateStruct& create)
{
    QWidget* parent = WndPrivate::Of(this)->Client();
    QAbstractButton* button = nullptr;
    if (IsRadio()) {
        auto* radio = new QRadioButton(ToQString(create.title), parent);
        // Our windows give each radio button a widget of its own, so the group is kept here.
        radio->setAutoExclusive(false);
        button = radio;
    } else {
        auto* push = new QPushButton(ToQString(create.title), parent);
        push->setDefault((create.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        button = push;
    }
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QAbstractButton::clicked, button, [this] { Click(); });
    widgets_->widget = button;
}

int CButton::GetCheck() const
{
    const auto* button = widgets_->As<QAbstractButton>();
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int state)
{
    auto* button = widgets_->As<QAbstractButton>();
    if (!button || !IsRadio())
        return;
    button->setCheckable(true);
    button->setChecked(state == BST_CHECKED);
}

void CButton::Click()
{
    if (IsRadio()) {
        SetCheck(BST_CHECKED);
        UncheckGroupSiblings();
    }
    NotifyParent(BN_CLICKED);
}

// The group is the run of siblings, in creation order, that holds this button: it starts at a
// sibling with WS_GROUP (or the first child) and ends before the next one.
void CButton::UncheckGroupSiblings()
{
    const WndPrivate* parent = WndPrivate::Of(GetParent());
    if (!parent)
        return;
    const std::vector<CWnd*>& siblings = parent->Tree().Children();
    const auto self = std::find(siblings.begin(), siblings.end(), this);
    if (self == siblings.end())
        return;
    auto first = self;
    while (first != siblings.begin() && ((*first)->GetStyle() & WS_GROUP) == 0)
        --first;
    for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && ((*it)->GetStyle() & WS_GROUP) != 0)
            break;
        auto* button = dynamic_cast<CButton*>(*it);
        if (button && button != this && button->IsRadio())
            button->SetCheck(BST_UNCHECKED);
    }
}

// Drop-down lists.

void CComboBox::CreateWidget(const CreateStruct& create)
{
    auto* combo = new QComboBox(WndPrivate::Of(this)->Client());
    combo->setEditable(false);
    combo->setFrame((create.style & WS_BORDER) != 0);
    combo->setFocusPolicy(Qt::NoFocus);
    // A drop-down list is as high as one line; the rest of its rectangle is the dropped list.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    QObject::connect(combo, &QComboBox::activated, combo, [this](int index) { Choose(index); });
    widgets_->widget = combo;
}

// The rectangle of a drop-down list includes its dropped part; the window is as high as the
// closed list.
int CComboBox::OnCreate(const CreateStruct& create)
{
    const int result = CControl::OnCreate(create);
    if (auto* combo = widgets_->As<QComboBox>(); combo && result != -1) {
        const int height = std::min(create.rect.Height(), combo->sizeHint().height());
        MoveWindow(create.rect.left, create.rect.top, create.rect.Width(), height);
        // Size notices start after OnCreate, so the widget is fitted here.
        combo->resize(create.rect.Width(), height);
    }
    return result;
}

int CComboBox::AddString(const std::string& text)
{
    auto* combo = widgets_->As<QComboBox>();
    if (!combo)
        return CB_ERR;
    const QSignalBlocker quiet(combo);
    combo->addItem(ToQString(text));
    // A new list has no selection, unlike a toolkit list that selects its first entry.
    if (combo->count() == 1)
        combo->setCurrentIndex(-1);
    return combo->count() - 1;
}

int CComboBox::GetCount() const
{
    const auto* combo = widgets_->As<QComboBox>();
    return combo ? combo->count() : 0;
}

int CComboBox::SetCurSel(int index)
{
    auto* combo = widgets_->As<QComboBox>();
    if (!combo)
        return CB_ERR;
    const QSignalBlocker quiet(combo);
    const bool valid = index >= 0 && index < combo->count();
    combo->setCurrentIndex(valid ? index : -1);
    return valid ? index : CB_ERR;
}

int CComboBox::GetCurSel() const
{
    const auto* combo = widgets_->As<QComboBox>();
    return combo && combo->currentIndex() >= 0 ? combo->currentIndex() : CB_ERR;
}

std::string CComboBox::GetLBText(int index) const
{
    const auto* combo = widgets_->As<QComboBox>();
    if (!combo || index < 0 || index >= combo->count())
        return {};
    return combo->itemText(index).toStdString();
}

void CComboBox::Choose(int index)
{
    if (SetCurSel(index) == CB_ERR)
        return;
    NotifyParent(CBN_SELCHANGE);
}

// Static texts.

void CStatic::CreateWidget(const CreateStruct& create)
{
    auto* label = new QLabel(ToQString(create.title), WndPrivate::Of(this)->Client());
    label->setAlignment(((create.style & SS_CENTER) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    widgets_->widget = label;
}

void CStatic::SetText(const std::string& text)
{
    SetWindowText(text);
    if (auto* label = widgets_->As<QLabel>())
        label->setText(ToQString(text));
}

// Track bars.

void CSliderCtrl::CreateWidget(const CreateStruct& create)
{
    auto* slider = new QSlider(Qt::Horizontal, WndPrivate::Of(this)->Client());
    slider->setRange(0, 100);
    slider->setPageStep(20);
    slider->setSingleStep(1);
    slider->setTickPosition((create.style & TBS_AUTOTICKS) != 0 ? QSlider::TicksBelow : QSlider::NoTicks);
    slider->setTickInterval(1);
    slider->setFocusPolicy(Qt::NoFocus);
    QObject::connect(slider, &QAbstractSlider::actionTriggered, slider, [this, slider](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: NotifyScroll(TB_LINEDOWN); break;
        case QAbstractSlider::SliderSingleStepSub: NotifyScroll(TB_LINEUP); break;
        case QAbstractSlider::SliderPageStepAdd: NotifyScroll(TB_PAGEDOWN); break;
        case QAbstractSlider::SliderPageStepSub: NotifyScroll(TB_PAGEUP); break;
        case QAbstractSlider::SliderToMinimum: NotifyScroll(TB_TOP); break;
        case QAbstractSlider::SliderToMaximum: NotifyScroll(TB_BOTTOM); break;
        case QAbstractSlider::SliderMove: NotifyScroll(TB_THUMBTRACK); return;
        default: return;
        }
        if (!slider->isSliderDown())
            NotifyScroll(TB_ENDTRACK);
    });
    QObject::connect(slider, &QAbstractSlider::sliderReleased, slider, [this] {
        NotifyScroll(TB_THUMBPOSITION);
        NotifyScroll(TB_ENDTRACK);
    });
    widgets_->widget = slider;
}

void CSliderCtrl::SetRange(int minimum, int maximum, bool)
{
    if (auto* slider = widgets_->As<QSlider>()) {
        const QSignalBlocker quiet(slider);
        slider->setRange(minimum, maximum);
    }
}

int CSliderCtrl::GetRangeMin() const
{
    const auto* slider = widgets_->As<QSlider>();
    return slider ? slider->minimum() : 0;
}

int CSliderCtrl::GetRangeMax() const
{
    const auto* slider = widgets_->As<QSlider>();
    return slider ? slider->maximum() : 0;
}

void CSliderCtrl::SetPos(int position)
{
    if (auto* slider = widgets_->As<QSlider>()) {
        const QSignalBlocker quiet(slider);
        slider->setValue(position);
    }
}

int CSliderCtrl::GetPos() const
{
    const auto* slider = widgets_->As<QSlider>();
    return slider ? slider->sliderPosition() : 0;
}

void CSliderCtrl::SetTicFreq(int frequency)
{
    if (auto* slider = widgets_->As<QSlider>())
        slider->setTickInterval(frequency);
}

void CSliderCtrl::SetLineSize(int size)
{
    if (auto* slider = widgets_->As<QSlider>())
        slider->setSingleStep(size);
}

void CSliderCtrl::SetPageSize(int size)
{
    if (auto* slider = widgets_->As<QSlider>())
        slider->setPageStep(size);
}

void CSliderCtrl::UserMove(Move move, int position)
{
    auto* slider = widgets_->As<QSlider>();
    if (!slider)
        return;
    switch (move) {
    case Move::LineUp: slider->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Move::LineDown: slider->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Move::PageUp: slider->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Move::PageDown: slider->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Move::Top: slider->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Move::Bottom: slider->triggerAction(QAbstractSlider::SliderToMaximum); break;
    case Move::Drag:
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
        break;
    }
}

void CSliderCtrl::NotifyScroll(unsigned code)
{
    if (CWnd* parent = GetParent())
        parent->OnHScroll(code, unsigned(GetPos()), this);
}

#include "platform/window/Menu.h"

#include "platform/window/qt/MenuPrivate.h"

#include "platform/window/Wnd.h"
#include "platform/window/qt/Hub.h"
#include "platform/window/qt/WndPrivate.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <cstring>
#include <map>

namespace {

constexpr unsigned kStateBits = MF_GRAYED | MF_DISABLED;

// The letter that follows the '&' of a menu text, in upper case ("&&" is an ampersand), or none.
QChar MnemonicOf(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return QChar(text[i + 1]).toUpper();
        ++i;
    }
    return {};
}

// Typing a letter that several items of a pop-up share (greyed ones too) chooses nothing: it
// highlights the first of them that can be chosen, each further press the next one, round, and
// Enter chooses the highlighted item. A letter of one item alone chooses that item at once, as Qt
// does. Qt by itself would start from whatever is highlighted, which is the first item when the
// pop-up opened from the keyboard, and would stop on greyed items, where Enter does nothing.
class SharedMnemonics final : public QObject {
public:
    SharedMnemonics(const MenuPrivate* menu, QMenu* popup) : QObject(popup), menu_(menu)
    {
        popup->installEventFilter(this);
        connect(popup, &QMenu::aboutToShow, this, [this] { highlighted_ = nullptr; });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~(Qt::AltModifier | Qt::ShiftModifier)) != 0 || key->text().size() != 1)
            return false;
        const Sharers sharers = SharersOf(key->text().at(0).toUpper());
        if (sharers.items < 2)
            return false;
        if (!sharers.choosable.empty())
            Highlight(static_cast<QMenu*>(watched), sharers.choosable);
        return true;
    }

private:
    struct Sharers {
        int items = 0;                    // the items with the letter
        std::vector<QAction*> choosable;  // those of them that can be chosen, in menu order
    };

    Sharers SharersOf(QChar letter) const
    {
        Sharers sharers;
        for (const MenuNode& node : menu_->items) {
            if (node.separator || !node.action || MnemonicOf(node.text) != letter)
                continue;
            ++sharers.items;
            if ((node.state & kStateBits) == 0)
                sharers.choosable.push_back(node.action);
        }
        return sharers;
    }

    // The next after the one the letter highlighted last, else the first.
    void Highlight(QMenu* popup, const std::vector<QAction*>& choosable)
    {
        auto next = choosable.begin();
        const auto at = std::find(choosable.begin(), choosable.end(), popup->activeAction());
        if (at != choosable.end() && *at == highlighted_ && at + 1 != choosable.end())
            next = at + 1;
        popup->setActiveAction(*next);
        highlighted_ = *next;
    }

    const MenuPrivate* menu_;
    QPointer<QAction> highlighted_;
};

} // namespace

void MenuPrivate::Clear()
{
    items.clear();
    delete bar.data();
    delete popup.data();
}

void MenuPrivate::Build(const MenuTemplate& table, bool asBar)
{
    Clear();
    QWidget* container = nullptr;
    if (asBar) {
        bar = new QMenuBar;
        bar->setNativeMenuBar(false);
        status = new QLabel;
        status->setContentsMargins(8, 0, 8, 0);
        bar->setCornerWidget(status, Qt::TopRightCorner);
        container = bar;
    } else {
        popup = new QMenu;
        new SharedMnemonics(this, popup);
        QObject::connect(popup.data(), &QMenu::hovered, popup.data(),
                         [this](QAction* action) { Root()->ShowStatus(action->statusTip().toStdString()); });
        QObject::connect(popup.data(), &QMenu::aboutToHide, popup.data(), [this] { Root()->RestoreStatus(); });
        container = popup;
    }
    items.resize(table.size());
    for (size_t i = 0; i < table.size(); ++i) {
        const MenuTemplateItem& item = table[i];
        MenuNode& node = items[i];
        node.id = item.IsPopup() ? -1 : item.id;
        node.text = item.text;
        node.state = item.state & (kStateBits | MF_CHECKED);
        node.separator = item.separator;
        node.statusTip = item.statusTip;
        node.action = new QAction(container);
        node.action->setStatusTip(QString::fromStdString(item.statusTip));
        if (item.separator) {
            node.action->setSeparator(true);
        } else if (item.IsPopup()) {
            node.sub = std::make_unique<CMenu>();
            node.sub->Private()->Build(item.popup, false);
            node.sub->Private()->parentMenu = this;
        } else {
            QObject::connect(node.action.data(), &QAction::triggered, node.action.data(), [this, i] { Triggered(i); });
        }
        container->addAction(node.action);
        Apply(node);
    }
}

void MenuPrivate::Apply(MenuNode& node)
{
    if (!node.action || node.separator)
        return;
    node.action->setText(QString::fromStdString(node.text));
    const bool checked = (node.state & MF_CHECKED) != 0;
    node.action->setCheckable(checked);
    node.action->setChecked(checked);
    node.action->setEnabled((node.state & MF_GRAYED) == 0);
    if (node.sub) {
        // Disabled without greying: drawn as usual, but there is no pop-up to open.
        const bool closed = (node.state & kStateBits) == MF_DISABLED;
        node.action->setMenu(closed ? nullptr : node.sub->Private()->Popup());
    }
}

void MenuPrivate::Triggered(size_t index)
{
    MenuNode& node = items[index];
    Apply(node); // Qt flips the check mark of a checkable action; the program decides it
    if ((node.state & kStateBits) != 0)
        return;
    if (CWnd* window = RootOwner())
        window->PostCommand(node.id);
}

MenuPrivate* MenuPrivate::Root()
{
    MenuPrivate* menu = this;
    while (menu->parentMenu != nullptr)
        menu = menu->parentMenu;
    return menu;
}

void MenuPrivate::ShowStatus(const std::string& text)
{
    if (status)
        status->setText(QString::fromStdString(text));
}

CWnd* MenuPrivate::RootOwner() const
{
    const MenuPrivate* menu = this;
    while (menu->parentMenu != nullptr)
        menu = menu->parentMenu;
    return menu->owner;
}

MenuNode* MenuPrivate::Find(unsigned idOrPosition, unsigned flags)
{
    if ((flags & MF_BYPOSITION) != 0)
        return idOrPosition < items.size() ? &items[idOrPosition] : nullptr;
    return FindById(int(idOrPosition));
}

MenuNode* MenuPrivate::FindById(int id)
{
    for (MenuNode& node : items) {
        if (node.sub) {
            if (MenuNode* found = node.sub->Private()->FindById(id))
                return found;
        } else if (!node.separator && node.id == id) {
            return &node;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------

MenuTemplateItem MenuTemplateItem::Item(int id, std::string text, unsigned state)
{
    MenuTemplateItem item;
    item.id = id;
    item.text = std::move(text);
    item.state = state;
    return item;
}

MenuTemplateItem MenuTemplateItem::Tip(std::string tip) &&
{
    statusTip = std::move(tip);
    return std::move(*this);
}

MenuTemplateItem MenuTemplateItem::Popup(std::string text, std::vector<MenuTemplateItem> items, unsigned state)
{
    MenuTemplateItem item;
    item.id = -1;
    item.text = std::move(text);
    item.popup = std::move(items);
    item.state = state;
    return item;
}

MenuTemplateItem MenuTemplateItem::Separator()
{
    MenuTemplateItem item;
    item.separator = true;
    return item;
}

CMenu::CMenu() : d_(std::make_unique<MenuPrivate>(this)) {}
CMenu::~CMenu() = default;

bool CMenu::LoadMenuIndirect(const MenuTemplate& table)
{
    platform::detail::Hub::Instance();
    d_->Build(table, true);
    return true;
}

bool CMenu::LoadMenu(int resourceId)
{
    const std::optional<MenuTemplate> table = platform::FindMenuResource(resourceId);
    return table && LoadMenuIndirect(*table);
}

unsigned CMenu::CheckMenuItem(unsigned idOrPosition, unsigned flags)
{
    MenuNode* node = d_->Find(idOrPosition, flags);
    if (node == nullptr || node->separator)
        return kMenuItemNotFound;
    const unsigned previous = node->state & MF_CHECKED;
    node->state = (node->state & ~MF_CHECKED) | (flags & MF_CHECKED);
    d_->Apply(*node);
    return previous;
}

unsigned CMenu::EnableMenuItem(unsigned idOrPosition, unsigned flags)
{
    MenuNode* node = d_->Find(idOrPosition, flags);
    if (node == nullptr)
        return kMenuItemNotFound;
    const unsigned previous = node->state & kStateBits;
    node->state = (node->state & ~kStateBits) | (flags & kStateBits);
    d_->Apply(*node);
    return previous;
}

unsigned CMenu::GetMenuState(unsigned idOrPosition, unsigned flags) const
{
    const MenuNode* node = d_->Find(idOrPosition, flags);
    if (node == nullptr)
        return kMenuItemNotFound;
    return node->state | (node->sub ? MF_POPUP : 0u) | (node->separator ? MF_SEPARATOR : 0u);
}

int CMenu::GetMenuString(unsigned idOrPosition, char* buffer, int maxCount, unsigned flags) const
{
    std::string text;
    const int length = GetMenuString(idOrPosition, text, flags);
    if (buffer == nullptr || maxCount <= 0)
        return length;
    const int copied = std::min(length, maxCount - 1);
    std::memcpy(buffer, text.data(), size_t(copied));
    buffer[copied] = '\0';
    return copied;
}

int CMenu::GetMenuString(unsigned idOrPosition, std::string& text, unsigned flags) const
{
    const MenuNode* node = d_->Find(idOrPosition, flags);
    text = node ? node->text : std::string();
    return int(text.size());
}

bool CMenu::ModifyMenu(unsigned idOrPosition, unsigned flags, int newId, const std::string& text)
{
    MenuNode* node = d_->Find(idOrPosition, flags);
    if (node == nullptr || node->separator)
        return false;
    if (!node->sub)
        node->id = newId;
    node->text = text;
    d_->Apply(*node);
    return true;
}

bool CMenu::SetMenuItemText(int id, const std::string& text)
{
    return ModifyMenu(unsigned(id), MF_BYCOMMAND | MF_STRING, id, text);
}

int CMenu::GetMenuItemCount() const { return int(d_->items.size()); }

void CMenu::SetStatusText(const std::string& text)
{
    d_->statusText = text;
    d_->RestoreStatus();
}

std::string CMenu::StatusText() const { return d_->status ? d_->status->text().toStdString() : d_->statusText; }

int CMenu::GetMenuItemID(int position) const
{
    if (position < 0 || size_t(position) >= d_->items.size())
        return 0;
    const MenuNode& node = d_->items[size_t(position)];
    return node.sub ? -1 : node.separator ? 0 : node.id;
}

CMenu* CMenu::GetSubMenu(int position) const
{
    if (position < 0 || size_t(position) >= d_->items.size())
        return nullptr;
    return d_->items[size_t(position)].sub.get();
}

namespace platform {
namespace {
std::map<int, MenuTemplate>& MenuResources()
{
    static std::map<int, MenuTemplate> resources;
    return resources;
}
std::map<int, std::string>& StringResources()
{
    static std::map<int, std::string> resources;
    return resources;
}
} // namespace

void RegisterMenuResource(int resourceId, MenuTemplate table) { MenuResources()[resourceId] = std::move(table); }

std::optional<MenuTemplate> FindMenuResource(int resourceId)
{
    const auto found = MenuResources().find(resourceId);
    if (found == MenuResources().end())
        return std::nullopt;
    return found->second;
}

void RegisterStringResource(int resourceId, std::string text) { StringResources()[resourceId] = std::move(text); }

std::optional<std::string> FindStringResource(int resourceId)
{
    const auto found = StringResources().find(resourceId);
    if (found == StringResources().end())
        return std::nullopt;
    return found->second;
}
} // namespace platform

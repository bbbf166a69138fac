#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Menus: a frame's menu bar and its pop-ups, built from one table of ids and texts.
//
// Texts keep the classic form: '&' marks the mnemonic, a tab separates the shortcut label
// ("New &Event\tCtrl+E"). Items are addressed by command id (MF_BYCOMMAND: searched through all
// pop-ups, depth first, the first match) or by position (MF_BYPOSITION: counted from 0 in this
// menu, separators included).
//
// States: enabled, greyed (drawn grey, cannot be chosen) and disabled without greying (drawn as
// usual, cannot be chosen; a pop-up in this state cannot be opened). Nothing greys items on its
// own: an item's state changes only when the program sets it.
//
// Choosing an enabled item posts a Command message with its id to the frame that owns the menu
// (platform/window/MessageQueue.h); the frame's OnCommand runs when the message is dispatched.

constexpr unsigned MF_BYCOMMAND = 0x0000;
constexpr unsigned MF_BYPOSITION = 0x0400;
constexpr unsigned MF_ENABLED = 0x0000;
constexpr unsigned MF_GRAYED = 0x0001;
constexpr unsigned MF_DISABLED = 0x0002;
constexpr unsigned MF_UNCHECKED = 0x0000;
constexpr unsigned MF_CHECKED = 0x0008;
constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_POPUP = 0x0010;
constexpr unsigned MF_SEPARATOR = 0x0800;
// What state queries return for an item that does not exist.
constexpr unsigned kMenuItemNotFound = 0xFFFFFFFFu;

// One entry of a menu table: a command item, a separator or a pop-up with its own items.
struct MenuTemplateItem {
    int id = 0;
    std::string text;
    unsigned state = 0; // MF_CHECKED, MF_GRAYED, MF_DISABLED as the item starts
    bool separator = false;
    std::string statusTip; // shown in the menu bar's status line while the item is highlighted
    std::vector<MenuTemplateItem> popup; // a pop-up when not empty

    static MenuTemplateItem Item(int id, std::string text, unsigned state = 0);
    static MenuTemplateItem Popup(std::string text, std::vector<MenuTemplateItem> items, unsigned state = 0);
    static MenuTemplateItem Separator();
    // The item with a status tip.
    MenuTemplateItem Tip(std::string tip) &&;
    bool IsPopup() const { return !separator && !popup.empty(); }
};
using MenuTemplate = std::vector<MenuTemplateItem>;

class MenuPrivate;

class CMenu {
public:
    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // Builds a menu bar from the table (top-level entries are the bar's items).
    bool LoadMenuIndirect(const MenuTemplate& table);
    // Builds it from the menu resource with that id (platform::RegisterMenuResource).
    bool LoadMenu(int resourceId);

    // Return the previous state (MF_CHECKED / MF_UNCHECKED; MF_ENABLED / MF_GRAYED / MF_DISABLED),
    // or kMenuItemNotFound.
    unsigned CheckMenuItem(unsigned idOrPosition, unsigned flags);
    unsigned EnableMenuItem(unsigned idOrPosition, unsigned flags);
    // MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_POPUP | MF_SEPARATOR bits, or kMenuItemNotFound.
    unsigned GetMenuState(unsigned idOrPosition, unsigned flags) const;
    // Copies the item's text into buffer (at most maxCount - 1 characters and a terminating 0);
    // returns the number of characters copied (0 when there is no such item).
    int GetMenuString(unsigned idOrPosition, char* buffer, int maxCount, unsigned flags) const;
    int GetMenuString(unsigned idOrPosition, std::string& text, unsigned flags) const;
    // Replaces the item's id and text (MF_STRING) keeping its state and pop-up.
    bool ModifyMenu(unsigned idOrPosition, unsigned flags, int newId, const std::string& text);
    bool SetMenuItemText(int id, const std::string& text);

    // The status line at the right end of a menu bar: the text the program sets, or the status
    // tip of the item highlighted in an open pop-up, while one is.
    void SetStatusText(const std::string& text);
    std::string StatusText() const;

    int GetMenuItemCount() const;
    // The id of the item at position; -1 for a pop-up, 0 for a separator or no item.
    int GetMenuItemID(int position) const;
    // The pop-up at position, or null. It belongs to this menu.
    CMenu* GetSubMenu(int position) const;

    // Platform internals (platform/ only).
    MenuPrivate* Private() const { return d_.get(); }

private:
    friend class MenuPrivate;
    std::unique_ptr<MenuPrivate> d_;
};

namespace platform {
// The menu resource with that id. Registering again replaces it.
void RegisterMenuResource(int resourceId, MenuTemplate table);
std::optional<MenuTemplate> FindMenuResource(int resourceId);
// String resources (titles).
void RegisterStringResource(int resourceId, std::string text);
std::optional<std::string> FindStringResource(int resourceId);
}

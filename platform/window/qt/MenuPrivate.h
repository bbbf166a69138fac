#pragma once

// Internals of the menus on Qt. Included by platform/*.cpp only.

#include "platform/window/Menu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

class CWnd;

struct MenuNode {
    int id = 0;
    std::string text;
    unsigned state = 0;
    bool separator = false;
    std::string statusTip;
    std::unique_ptr<CMenu> sub;
    QPointer<QAction> action;
};

class MenuPrivate {
public:
    explicit MenuPrivate(CMenu* q) : q(q) {}
    ~MenuPrivate() { Clear(); }

    void Clear();
    void Build(const MenuTemplate& table, bool asBar);
    MenuNode* Find(unsigned idOrPosition, unsigned flags);
    MenuNode* FindById(int id);
    void Apply(MenuNode& node);
    void Triggered(size_t index);
    CWnd* RootOwner() const;
    MenuPrivate* Root();
    // The status line shows text for now (a highlighted item's tip), or the program's text again.
    void ShowStatus(const std::string& text);
    void RestoreStatus() { ShowStatus(statusText); }

    QMenuBar* Bar() const { return bar; }
    QMenu* Popup() const { return popup; }
    void SetOwner(CWnd* window) { owner = window; }

    CMenu* q;
    std::vector<MenuNode> items;
    QPointer<QMenuBar> bar;
    QPointer<QMenu> popup;
    MenuPrivate* parentMenu = nullptr;
    QPointer<QLabel> status; // the menu bar's status line
    std::string statusText;  // what the program last set
    CWnd* owner = nullptr;
};


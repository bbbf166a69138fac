#include "platform/window/qt/WindowTree.h"

#include "platform/window/qt/WndPrivate.h"

#include <algorithm>

CWnd* WindowTree::ChildWithId(int id) const
{
    for (CWnd* child : children_)
        if (child->GetDlgCtrlID() == id)
            return child;
    return nullptr;
}

void WindowTree::Link(CWnd* parent, Kind kind)
{
    parent_ = parent;
    kind_ = kind;
    WndPrivate* p = WndPrivate::Of(parent);
    if (p == nullptr || (kind == Kind::TopLevel && !p->Exists()))
        return;
    auto& list = kind == Kind::TopLevel ? p->Tree().owned_ : p->Tree().children_;
    list.push_back(q_);
}

void WindowTree::Unlink()
{
    if (WndPrivate* p = WndPrivate::Of(parent_)) {
        auto& list = kind_ == Kind::TopLevel ? p->Tree().owned_ : p->Tree().children_;
        list.erase(std::remove(list.begin(), list.end(), q_), list.end());
    }
}

void WindowTree::DestroyDependents()
{
    // One at a time from the live lists: a window's OnDestroy may destroy (and delete) a
    // sibling of it, which then leaves the list before its turn comes.
    for (auto* list : {&owned_, &children_}) {
        while (!list->empty()) {
            CWnd* window = list->front();
            window->DestroyWindow();
            if (!list->empty() && list->front() == window)
                list->erase(list->begin());
        }
    }
}

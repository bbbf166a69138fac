#pragma once

// The family of one window. Included by platform/*.cpp only.

#include <vector>

class CWnd;

// Who a window belongs to and who belongs to it: the parent of a child window or the owner of a
// top-level window, its children, and the top-level windows it owns. Dependents are destroyed
// before the window they depend on.
class WindowTree {
public:
    enum class Kind { Child, TopLevel };

    explicit WindowTree(CWnd* q) : q_(q) {}

    // The parent of a child, the owner of a top-level (null when unowned). Kept after the window
    // is destroyed.
    CWnd* Parent() const { return parent_; }
    const std::vector<CWnd*>& Children() const { return children_; }
    CWnd* ChildWithId(int id) const;

    // Records parent, and enters this window in its parent's list while the parent's window
    // exists (a child always has one).
    void Link(CWnd* parent, Kind kind);
    // Takes this window out of its parent's list.
    void Unlink();
    // Destroys the owned windows, then the children.
    void DestroyDependents();

private:
    CWnd* q_;
    CWnd* parent_ = nullptr;
    Kind kind_ = Kind::TopLevel;
    std::vector<CWnd*> children_;
    std::vector<CWnd*> owned_;
};

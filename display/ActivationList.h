#pragma once

#include <cstddef>
#include <deque>

class CWnd;

// How a closed window leaves the activation list.
enum class ClosedWindowPlace {
    BackOfList, // tool windows: taken off the front, appended at the back
    OffList,    // picture windows: taken off the front only
};

// The tool and picture windows, most recently activated first; not owning. Close and Print act
// on the window at the front.
class ActivationList {
public:
    bool Empty() const { return windows_.empty(); }
    int Size() const { return int(windows_.size()); }
    CWnd* Front() const { return windows_.empty() ? nullptr : windows_.front(); }
    CWnd* At(int i) const { return windows_[size_t(i)]; }
    bool Contains(const CWnd* window) const;
    // Removes the first entry of window, if any.
    void Remove(const CWnd* window);
    void PushFront(CWnd* window) { windows_.push_front(window); }
    void PushBack(CWnd* window) { windows_.push_back(window); }
    // Takes window off the front if it is there.
    void RemoveFromFront(const CWnd* window);
    void Clear() { windows_.clear(); }

    // A window became active: its entry, if any, moves to the front.
    void Activated(CWnd* window);
    // A window hid itself on a close request: it is taken off the front if it is there, and a
    // tool window goes to the back. Returns the window now at the front, to be activated; null
    // when the list is empty.
    CWnd* Closed(CWnd* window, ClosedWindowPlace place);

private:
    std::deque<CWnd*> windows_;
};

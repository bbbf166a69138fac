#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

class CWnd;

// Tool windows, most recently activated first; not owning.
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

private:
    std::deque<CWnd*> windows_;
};

// The chamber's rotation rate at start-up: one turn in 10 s.
constexpr double kStartRotationRate = 0.6283185308; // rad/s

// Program-wide values of the main frame, one of each.
extern ActivationList activationList;
extern CWnd* activeToolWindow;      // set by ActivateToolWindow
extern int32_t clipDirty;           // 1 when the rotation loop must rebuild its clip
extern double perfFrequency;        // ticks per second of the performance counter
extern double defaultRotationRate;  // rad/s
extern int32_t smallScreen;         // desktop less than 480 pixels high
extern int32_t largeScreen;         // desktop at least 600 pixels high

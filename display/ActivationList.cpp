#include "display/ActivationList.h"

#include <algorithm>

bool ActivationList::Contains(const CWnd* window) const
{
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

void ActivationList::Remove(const CWnd* window)
{
    auto it = std::find(windows_.begin(), windows_.end(), window);
    if (it != windows_.end())
        windows_.erase(it);
}

void ActivationList::RemoveFromFront(const CWnd* window)
{
    if (!windows_.empty() && windows_.front() == window)
        windows_.pop_front();
}

void ActivationList::Activated(CWnd* window)
{
    Remove(window);
    PushFront(window);
}

CWnd* ActivationList::Closed(CWnd* window, ClosedWindowPlace place)
{
    RemoveFromFront(window);
    if (place == ClosedWindowPlace::BackOfList)
        PushBack(window);
    return Front();
}

#include "display/ProgramValues.h"

#include <algorithm>

ActivationList activationList;
CWnd* activeToolWindow = nullptr;
int32_t clipDirty = 0;
double perfFrequency = 0.0;
double defaultRotationRate = kStartRotationRate;
int32_t smallScreen = 0;
int32_t largeScreen = 0;

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

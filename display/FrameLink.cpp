#include "display/FrameLink.h"

#include "display/ProgramValues.h"

FrameLink* frameLink = nullptr;

void UpdateActivationAfterClose(CWnd* window, ClosedWindowPlace place)
{
    activationList.RemoveFromFront(window);
    if (place == ClosedWindowPlace::BackOfList)
        activationList.PushBack(window);
    if (frameLink && !activationList.Empty())
        frameLink->ActivateToolWindow(activationList.Front());
}

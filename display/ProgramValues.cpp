#include "display/ProgramValues.h"

ActivationList activationList;
CWnd* activeToolWindow = nullptr;
int32_t clipDirty = 0;
double perfFrequency = 0.0;
double defaultRotationRate = kStartRotationRate;
int32_t smallScreen = 0;
int32_t largeScreen = 0;

#pragma once

#include "display/ActivationList.h"

#include <cstdint>

class CWnd;

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

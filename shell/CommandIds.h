#pragma once

// Command ids of the menu bar and the accelerator keys, and the numbers of the program's other
// resources. The ids are part of the program's outside face: keep them as they are.
namespace cmd {
constexpr int kOpenEventFile = 110;
constexpr int kImportEventFile = 184;
constexpr int kClose = 111;
constexpr int kSaveAs = 112;
constexpr int kPrint = 113;
constexpr int kExportPicture = 185;
constexpr int kExit = 114;
constexpr int kNewEvent = 115;
constexpr int kReplayEvent = 116;
constexpr int kRotate = 117;
constexpr int kReverseRotate = 118;
constexpr int kResetOrientation = 119;
constexpr int kAxisX = 120;
constexpr int kAxisY = 121;
constexpr int kAxisZ = 122;
constexpr int kSlowMotion = 123;
constexpr int kMonitorChamber = 124;
constexpr int kMonitorProjector = 125;
constexpr int kShowAxes = 126;
constexpr int kShowValues = 127;
constexpr int kResetEachEvent = 128;
constexpr int kAdjustRotationRate = 176;
constexpr int kShowChamber = 129;
constexpr int kShowControls = 130;
constexpr int kShowProjector = 131;
constexpr int kDecay1 = 132;
constexpr int kDecay2 = 133;
constexpr int kDecay3 = 134;
constexpr int kDecay4 = 135;
constexpr int kDecay5 = 136;
constexpr int kDecay6 = 137;
constexpr int kAbout = 138;
constexpr int kTrackmakerActivate = 183;
constexpr int kInjectParticle = 146;
constexpr int kSpeedV = 147;
constexpr int kSpeed2V = 148;
constexpr int kSpeed3V = 149;
constexpr int kElectron = 150;
constexpr int kPositron = 151;
constexpr int kLeftToRight = 152;
constexpr int kRightToLeft = 153;
constexpr int kAdjustScreenSpeed = 179;
constexpr int kUsefulTools = 165;
constexpr int kEnergyMomentum = 166;
constexpr int kMotionInField = 167;
constexpr int kRealLife = 168;
// The classroom's commands.
constexpr int kLessonSeed = 186;
constexpr int kColourLegend = 187;
constexpr int kHelpGuide = 188;
constexpr int kHelpKeys = 189;
constexpr int kHelpAbout = 190;
}

namespace res {
constexpr int kMainFrame = 100;   // menu, accelerator table, icon and title string
constexpr int kProgramIcon = 100;
constexpr int kAboutBitmap = 169; // the About picture, also the splash: 503 x 288, 16 colours
constexpr int kSplashWidth = 503;
constexpr int kSplashHeight = 288;
constexpr int kRateDialog = 175;     // "Chamber Rotation Rate"
constexpr int kRateSlider = 177;
constexpr int kSpeedDialog = 178;    // "Trackmaker Screen Speed"
constexpr int kSpeedSlider = 180;
// The reminder pictures, 256 colours each.
constexpr int kEnergyBitmap = 170;   // 418 x 323
constexpr int kRealLifeBitmap = 171; // 436 x 346
constexpr int kMotionBitmap = 172;   // 432 x 324
constexpr int kToolsBitmap = 174;    // 511 x 346
}

#pragma once

#include "platform/window/Dialog.h"

class CScreenChamberWindow;

// The Chamber Rotation Rate dialog: a modeless nine-step slider that sets how fast Rotate turns
// the chamber, from 0.2 to 1.8 times the default rate (one turn in 10 s at position 5). It
// belongs to the Particle Chamber window, whose rateDialog points to it while it is open; the
// dialog deletes itself when its window is destroyed.
class CalibrationDialog : public CDialog {
public:
    static constexpr int kPositions = 9;

    explicit CalibrationDialog(CScreenChamberWindow& chamber);

    // The slider position that shows rate (rad/s): the integer part of 5 x rate / default + 0.1.
    static int PositionOfRate(double rate);
    // The rate (rad/s) of a slider position: 0.2 x default x position.
    static double RateOfPosition(int position);

    void OnHScroll(unsigned code, unsigned position, CWnd* scrollBar) override;
    // Closing: the default handling, then the chamber window destroys the dialog.
    void OnCancel() override;

protected:
    void OnDestroy() override;
    void PostNcDestroy() override;

private:
    CScreenChamberWindow& chamber_;
};

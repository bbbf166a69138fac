#pragma once

#include "platform/window/Dialog.h"

class CScreenChamberWindow;
class CTrackmakerWindow;
class Session;
class TrackmakerView;

// A modeless dialog with a nine-step horizontal slider that sets a rate as 0.2 to 1.8 times a
// base rate (position 5 is the base itself). The dialog deletes itself when its window is
// destroyed; its owner window keeps the pointer to it while it is open.
class NineStepDialog : public CDialog {
public:
    static constexpr int kPositions = 9;

    // The slider position that shows rate: the integer part of 5 x rate / base + 0.1.
    static int PositionOf(double rate, double base);
    // The rate of a slider position: 0.2 x base x position.
    static double RateOf(int position, double base);

    // Creates the dialog from templateId, owned by the main frame, puts its slider at position
    // and shows it. On failure it shows "dialog failure" / "rotation" and returns false; the
    // caller then deletes the dialog.
    bool Open(int templateId, CWnd* frame, int position);

    void OnHScroll(unsigned code, unsigned position, CWnd* scrollBar) override;

protected:
    explicit NineStepDialog(int sliderId) : sliderId_(sliderId) {}
    // The slider moved to position.
    virtual void ApplyPosition(int position) = 0;
    void PostNcDestroy() override;

private:
    CSliderCtrl* Slider() const;

    int sliderId_;
};

// The Chamber Rotation Rate dialog: how fast Rotate turns the chamber (one turn in 10 s at
// position 5), the session's rotationRate as a multiple of its defaultRotationRate. It belongs
// to the Particle Chamber window, whose rateDialog points to it.
class CalibrationDialog : public NineStepDialog {
public:
    CalibrationDialog(CScreenChamberWindow& chamber, Session& session);

    // The position of the present rotation rate.
    int CurrentPosition() const;

    // Closing: the default handling, then the chamber window destroys the dialog.
    void OnCancel() override;

protected:
    void ApplyPosition(int position) override;
    void OnDestroy() override;

private:
    CScreenChamberWindow& chamber_;
    Session& session_;
};

// The Trackmaker Screen Speed dialog: how fast the Trackmaker's particle moves on the screen,
// as a multiple of the screen factor of the chosen speed (the session's screenFactorBase). It
// belongs to the Trackmaker window, whose speedDialog points to it.
class TrackspeedDialog : public NineStepDialog {
public:
    TrackspeedDialog(CTrackmakerWindow& window, TrackmakerView& view, const Session& session);

    // The position of the view's present screen factor.
    int CurrentPosition() const;

    // Closing: the default handling, then the Trackmaker window destroys the dialog.
    void OnCancel() override;

protected:
    void ApplyPosition(int position) override;
    void OnDestroy() override;

private:
    CTrackmakerWindow& window_;
    TrackmakerView& view_;
    const Session& session_;
};

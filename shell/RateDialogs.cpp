#include "shell/RateDialogs.h"

#include "display/ScreenChamberWindow.h"
#include "platform/seams/MessageBox.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/Session.h"
#include "trackmaker/TrackmakerView.h"
#include "trackmaker/TrackmakerWindow.h"

int NineStepDialog::PositionOf(double rate, double base) { return int(5.0 * rate / base + 0.1); }

double NineStepDialog::RateOf(int position, double base) { return 0.2 * base * position; }

CSliderCtrl* NineStepDialog::Slider() const { return dynamic_cast<CSliderCtrl*>(GetDlgItem(sliderId_)); }

bool NineStepDialog::Open(int templateId, CWnd* frame, int position)
{
    if (!Create(templateId, frame)) {
        platform::ShowMessageBox(frame, "dialog failure", "rotation");
        return false;
    }
    if (CSliderCtrl* slider = Slider()) {
        slider->SetRange(1, kPositions, true);
        slider->SetPos(position);
        slider->SetTicFreq(1);
    }
    ShowWindow(SW_SHOW);
    return true;
}

void NineStepDialog::OnHScroll(unsigned code, unsigned position, CWnd* scrollBar)
{
    CDialog::OnHScroll(code, position, scrollBar);
    if (CSliderCtrl* slider = Slider())
        ApplyPosition(slider->GetPos());
}

void NineStepDialog::PostNcDestroy() { delete this; }

CalibrationDialog::CalibrationDialog(CScreenChamberWindow& chamber, Session& session)
    : NineStepDialog(res::kRateSlider), chamber_(chamber), session_(session)
{
}

int CalibrationDialog::CurrentPosition() const
{
    return PositionOf(session_.rotationRate, session_.defaultRotationRate);
}

void CalibrationDialog::ApplyPosition(int position)
{
    session_.rotationRate = RateOf(position, session_.defaultRotationRate);
}

void CalibrationDialog::OnCancel()
{
    CDialog::OnCancel();
    chamber_.CloseRateDialog();
}

void CalibrationDialog::OnDestroy()
{
    // Destroyed with its owner, the frame: the chamber must not destroy it again.
    if (chamber_.rateDialog == this)
        chamber_.rateDialog = nullptr;
    CDialog::OnDestroy();
}

TrackspeedDialog::TrackspeedDialog(CTrackmakerWindow& window, TrackmakerView& view, const Session& session)
    : NineStepDialog(res::kSpeedSlider), window_(window), view_(view), session_(session)
{
}

int TrackspeedDialog::CurrentPosition() const { return PositionOf(view_.screenFactor, session_.screenFactorBase); }

// The flight uses the new factor from its next step.
void TrackspeedDialog::ApplyPosition(int position)
{
    view_.screenFactor = RateOf(position, session_.screenFactorBase);
}

void TrackspeedDialog::OnCancel()
{
    CDialog::OnCancel();
    window_.CloseSpeedDialog();
}

void TrackspeedDialog::OnDestroy()
{
    if (window_.speedDialog == this)
        window_.speedDialog = nullptr;
    CDialog::OnDestroy();
}

void CMainFrame::AdjustRotationRate()
{
    if (chamberWindow == nullptr)
        return;
    if (chamberWindow->rateDialog) {
        ShowOnTop(chamberWindow->rateDialog);
        return;
    }
    auto* dialog = new CalibrationDialog(*chamberWindow, session_);
    chamberWindow->rateDialog = dialog;
    if (!dialog->Open(res::kRateDialog, this, dialog->CurrentPosition())) {
        chamberWindow->rateDialog = nullptr;
        delete dialog;
    }
}

void CMainFrame::AdjustScreenSpeed()
{
    TrackmakerView* view = GetTrackmakerView();
    if (!view)
        return;
    if (trackmakerWindow->speedDialog) {
        ShowOnTop(trackmakerWindow->speedDialog);
        return;
    }
    auto* dialog = new TrackspeedDialog(*trackmakerWindow, *view, session_);
    trackmakerWindow->speedDialog = dialog;
    if (!dialog->Open(res::kSpeedDialog, this, dialog->CurrentPosition())) {
        trackmakerWindow->speedDialog = nullptr;
        delete dialog;
    }
}

#include "shell/RateDialogs.h"

#include "display/ProgramValues.h"
#include "display/ScreenChamberWindow.h"
#include "platform/seams/MessageBox.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
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

CalibrationDialog::CalibrationDialog(CScreenChamberWindow& chamber) : NineStepDialog(res::kRateSlider), chamber_(chamber)
{
}

int CalibrationDialog::PositionOfRate(double rate) { return PositionOf(rate, defaultRotationRate); }

double CalibrationDialog::RateOfPosition(int position) { return RateOf(position, defaultRotationRate); }

void CalibrationDialog::ApplyPosition(int position)
{
    if (mainFrame)
        mainFrame->rotationRate = RateOfPosition(position);
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

TrackspeedDialog::TrackspeedDialog(CTrackmakerWindow& window, TrackmakerView& view)
    : NineStepDialog(res::kSpeedSlider), window_(window), view_(view)
{
}

// The flight uses the new factor from its next step.
void TrackspeedDialog::ApplyPosition(int position) { view_.screenFactor = RateOf(position, screenFactorBase); }

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
    auto* dialog = new CalibrationDialog(*chamberWindow);
    chamberWindow->rateDialog = dialog;
    if (!dialog->Open(res::kRateDialog, this, CalibrationDialog::PositionOfRate(rotationRate))) {
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
    auto* dialog = new TrackspeedDialog(*trackmakerWindow, *view);
    trackmakerWindow->speedDialog = dialog;
    if (!dialog->Open(res::kSpeedDialog, this, NineStepDialog::PositionOf(view->screenFactor, screenFactorBase))) {
        trackmakerWindow->speedDialog = nullptr;
        delete dialog;
    }
}

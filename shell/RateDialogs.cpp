#include "shell/RateDialogs.h"

#include "display/ProgramValues.h"
#include "display/ScreenChamberWindow.h"
#include "platform/seams/MessageBox.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"

namespace {

// The chamber window destroys its rate dialog through this hook; the window is destroyed and
// the dialog object deletes itself after it.
void DestroyCalibrationDialog(CalibrationDialog* dialog) { dialog->DestroyWindow(); }

} // namespace

CalibrationDialog::CalibrationDialog(CScreenChamberWindow& chamber) : chamber_(chamber)
{
    CScreenChamberWindow::destroyRateDialog = DestroyCalibrationDialog;
}

int CalibrationDialog::PositionOfRate(double rate) { return int(5.0 * rate / defaultRotationRate + 0.1); }

double CalibrationDialog::RateOfPosition(int position) { return 0.2 * defaultRotationRate * position; }

void CalibrationDialog::OnHScroll(unsigned code, unsigned position, CWnd* scrollBar)
{
    CDialog::OnHScroll(code, position, scrollBar);
    if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(res::kRateSlider)); slider && mainFrame)
        mainFrame->rotationRate = RateOfPosition(slider->GetPos());
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

void CalibrationDialog::PostNcDestroy() { delete this; }

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
    if (!dialog->Create(res::kRateDialog, this)) {
        platform::ShowMessageBox(this, "dialog failure", "rotation");
        chamberWindow->rateDialog = nullptr;
        delete dialog;
        return;
    }
    if (auto* slider = dynamic_cast<CSliderCtrl*>(dialog->GetDlgItem(res::kRateSlider))) {
        slider->SetRange(1, CalibrationDialog::kPositions, true);
        slider->SetPos(CalibrationDialog::PositionOfRate(rotationRate));
        slider->SetTicFreq(1);
    }
    dialog->ShowWindow(SW_SHOW);
}

#include "shell/Printing.h"

#include "display/LengthUnits.h"
#include "display/ProjectorWindow.h"
#include "display/ScreenChamber.h"
#include "display/ScrollWindow.h"
#include "physics/ChamberData.h"
#include "platform/gfx/PrinterDC.h"
#include "platform/seams/Clock.h"
#include "platform/seams/MessageBox.h"
#include "platform/seams/PrintDialog.h"
#include "shell/MainFrame.h"

#include <cstdio>
#include <memory>

namespace printing {

namespace {

constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const char* Named(const char* const* names, int count, int index)
{
    return index >= 0 && index < count ? names[index] : "???";
}

void DrawHeader(CPrinterDC& dc, const std::string& title, const ChamberData& conditions, const std::string& note)
{
    dc.DrawText(DateLine(platform::LocalTime()), kDateRect, kTextLeft | kTextTop);
    dc.DrawText(title, kTitleRect, kTextCentre);
    const std::string values =
        ScreenChamber::ValuesText(conditions.B(), conditions.T(), Metres(conditions.L()));
    dc.DrawText(values, kConditionsRect, kTextCentre);
    if (!note.empty())
        dc.DrawText(note, kNoteRect, kTextCentre);
}

} // namespace

std::string DateLine(const std::tm& local)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", Named(kWeekdays, 7, local.tm_wday),
                  Named(kMonths, 12, local.tm_mon), local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  local.tm_year + 1900);
    return text;
}

const char* StatusMessage(int code, bool endingJob)
{
    switch (code) {
    case SP_ERROR: return "general error";
    case SP_USERABORT: return "user abort";
    case SP_OUTOFDISK: return "out of disk error";
    // The job's text has carried a stray letter from the start; users know it that way.
    case SP_OUTOFMEMORY: return endingJob ? "gout of memory error" : "out of memory error";
    default: return nullptr;
    }
}

void DrawPage(CPrinterDC& dc, CScrollWindow& window, int pictureX, const ChamberData& conditions,
              const std::string& note)
{
    std::string title = window.GetWindowText();
    if (title.size() >= size_t(kTitleBufferSize))
        title.resize(kTitleBufferSize - 1);
    dc.StartPage();
    Rect client;
    window.GetClientRect(&client);
    dc.SetMapMode(MapMode::Isotropic);
    dc.SetWindowExt(client.Width(), client.Height());
    dc.SetViewportExt(dc.GetDeviceCaps(DeviceCap::HorzRes), dc.GetDeviceCaps(DeviceCap::VertRes));
    dc.OffsetWindowOrg(0, kPageTop);
    DrawHeader(dc, title, conditions, note);
    dc.OffsetWindowOrg(-pictureX, 0);
    window.PrintPicture(dc);
}

JobOutcome PrintOnePage(CPrinterDC& dc, CScrollWindow& window, int pictureX, const ChamberData& conditions,
                        const std::string& note)
{
    if (const int status = dc.StartDoc(kDocumentName); status <= 0)
        return {JobStep::StartDoc, status};
    DrawPage(dc, window, pictureX, conditions, note);
    if (const int status = dc.EndPage(); status < 0)
        return {JobStep::EndPage, status};
    if (const int status = dc.EndDoc(); status < 0)
        return {JobStep::EndDoc, status};
    return {};
}

} // namespace printing

namespace {

// Shows a failed status's message, if its code has one.
void ReportStatus(CWnd* owner, int code, bool endingJob)
{
    if (const char* message = printing::StatusMessage(code, endingJob))
        platform::ShowMessageBox(owner, message, endingJob ? "end doc error" : "end page error", MB_OK);
}

} // namespace

CScrollWindow* CMainFrame::PicturedWindow(int& pictureX) const
{
    CWnd* active = session_.activeToolWindow;
    const bool chamber = active != nullptr && active == ChamberWnd();
    const bool projector = active != nullptr && active == projectorWindow;
    auto* window = dynamic_cast<CScrollWindow*>(active);
    if ((!chamber && !projector) || window == nullptr)
        return nullptr;
    pictureX = projector ? printing::kProjectorPictureX : 0;
    return window;
}

void CMainFrame::PrintActiveWindow()
{
    int pictureX = 0;
    CScrollWindow* window = PicturedWindow(pictureX);
    if (window == nullptr)
        return;

    CPrintDialog dialog(PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIES, this);
    dialog.request.documentName = printing::kDocumentName;
    dialog.request.fileName = EventFileStem();
    const int answer = dialog.DoModal();
    if (answer == kPrintDialogFailed) {
        platform::ShowMessageBox(this, "Print Setup Failure", "Error Message", MB_OK);
        return;
    }
    if (answer != IDOK)
        return;
    const std::unique_ptr<CPrinterDC> printer = dialog.TakePrinterDC();
    const printing::JobOutcome outcome = printing::PrintOnePage(*printer, *window, pictureX, session_.conditions, LessonNote());
    switch (outcome.failed) {
    case printing::JobStep::StartDoc: platform::ShowMessageBox(this, "error", "start page error", MB_OK); break;
    case printing::JobStep::EndPage: ReportStatus(this, outcome.status, false); break;
    case printing::JobStep::EndDoc: ReportStatus(this, outcome.status, true); break;
    case printing::JobStep::Done: break;
    }
}

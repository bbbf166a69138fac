// File > Export Picture...: the active chamber or Projector picture saved for worksheets and
// slides, as a PNG drawn again at one to four times its pixels or as a PDF page of Print.

#include "display/ScrollWindow.h"
#include "platform/gfx/ImageFile.h"
#include "platform/gfx/PrinterDC.h"
#include "platform/gfx/ScaledDC.h"
#include "platform/seams/InfoDialogs.h"
#include "platform/seams/FileDialog.h"
#include "platform/seams/MessageBox.h"
#include "shell/MainFrame.h"
#include "shell/Printing.h"

#include <algorithm>
#include <string>

namespace {

// The kinds of the save dialog, in order: a PNG picture, at a scale asked for next, or a PDF page.
constexpr const char* kExportFilter = "PNG Picture (*.png)|*.png|PDF Document (*.pdf)|*.pdf||";
constexpr int kPdfFilter = 1;
constexpr int kMaxExportScale = 4;

bool WritePng(CScrollWindow& window, int scale, const std::string& path)
{
    const Size size = window.PictureSize();
    if (size.width <= 0 || size.height <= 0)
        return false;
    CScaledDC surface(size, scale);
    window.DrawPicture(surface);
    return platform::SavePng(surface.Image(), path);
}

bool WritePdf(CScrollWindow& window, int pictureX, const ChamberData& conditions, const std::string& note,
              const std::string& path)
{
    CPrinterDC pdf(path);
    return printing::PrintOnePage(pdf, window, pictureX, conditions, note).failed == printing::JobStep::Done;
}

} // namespace

void CMainFrame::ExportPicture()
{
    int pictureX = 0;
    CScrollWindow* window = PicturedWindow(pictureX);
    if (window == nullptr)
        return;
    // A name typed without an extension gets the chosen kind's, before the dialog asks about
    // replacing a file of that name.
    CFileDialog dialog(false, "png", window == ChamberWnd() ? "chamber" : "projector",
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kExportFilter, this);
    dialog.request.title = "Export Picture";
    if (dialog.DoModal() != kFileDialogOk)
        return;
    const std::string path = dialog.GetPathName();
    bool written = false;
    if (dialog.request.filterIndex == kPdfFilter) {
        written = WritePdf(*window, pictureX, session_.conditions, LessonNote(), path);
    } else {
        // The picture's scale is a choice of its own: the screen's pixels times 1 to 4.
        const auto scale = platform::AskNumbers(
            this, "Export Picture", {{"Scale (times the screen's pixels):", session_.exportScale, 1, kMaxExportScale}});
        if (!scale)
            return;
        session_.exportScale = int(scale->front());
        written = WritePng(*window, session_.exportScale, path);
    }
    if (!written)
        platform::ShowMessageBox(this, "The picture could not be written to " + path + ".", "Export Picture", MB_OK);
}

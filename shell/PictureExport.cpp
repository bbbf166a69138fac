// File > Export Picture...: the active chamber or Projector picture saved for worksheets and
// slides, as a PNG drawn again at one to four times its pixels or as a PDF page of Print.

#include "display/ScrollWindow.h"
#include "platform/gfx/ImageFile.h"
#include "platform/gfx/PrinterDC.h"
#include "platform/gfx/ScaledDC.h"
#include "platform/seams/FileDialog.h"
#include "platform/seams/MessageBox.h"
#include "shell/MainFrame.h"
#include "shell/Printing.h"

#include <algorithm>
#include <string>

namespace {

// The filters of the save dialog, in order; scale 0 is the PDF page.
struct ExportKind {
    const char* filter;
    int scale;
};
constexpr ExportKind kExportKinds[] = {
    {"PNG Picture, 1x (*.png)|*.png|", 1},
    {"PNG Picture, 2x (*.png)|*.png|", 2},
    {"PNG Picture, 3x (*.png)|*.png|", 3},
    {"PNG Picture, 4x (*.png)|*.png|", 4},
    {"PDF Document (*.pdf)|*.pdf|", 0},
};
constexpr int kExportKindCount = int(std::size(kExportKinds));

std::string ExportFilter()
{
    std::string filter;
    for (const ExportKind& kind : kExportKinds)
        filter += kind.filter;
    return filter + "|";
}

bool WritePng(CScrollWindow& window, int scale, const std::string& path)
{
    const Size size = window.PictureSize();
    if (size.width <= 0 || size.height <= 0)
        return false;
    CScaledDC surface(size, scale);
    window.DrawPicture(surface);
    return platform::SavePng(surface.Image(), path);
}

bool WritePdf(CScrollWindow& window, int pictureX, const ChamberData& conditions, const std::string& path)
{
    CPrinterDC pdf(path);
    return printing::PrintOnePage(pdf, window, pictureX, conditions).failed == printing::JobStep::Done;
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
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, ExportFilter(), this);
    dialog.request.title = "Export Picture";
    if (dialog.DoModal() != kFileDialogOk)
        return;
    const ExportKind& kind = kExportKinds[std::clamp(dialog.request.filterIndex, 0, kExportKindCount - 1)];
    const std::string path = dialog.GetPathName();
    const bool written = kind.scale > 0 ? WritePng(*window, kind.scale, path)
                                        : WritePdf(*window, pictureX, session_.conditions, path);
    if (!written)
        platform::ShowMessageBox(this, "The picture could not be written to " + path + ".", "Export Picture", MB_OK);
}

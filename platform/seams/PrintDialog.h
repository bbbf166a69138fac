#pragma once

#include "platform/gfx/PrinterDC.h"

#include <functional>
#include <memory>
#include <string>

class CWnd;

// The print dialog, through a seam that tests replace; the real one is a QPrintDialog. On the
// offscreen platform, where nobody could answer it, the real one cancels at once.

constexpr unsigned PD_NOSELECTION = 0x00000004;       // no "print the selection only"
constexpr unsigned PD_NOPAGENUMS = 0x00000008;        // no page-range choice
constexpr unsigned PD_RETURNDC = 0x00000100;          // hand back a printer surface
constexpr unsigned PD_USEDEVMODECOPIES = 0x00040000;  // the printer driver makes the copies
constexpr unsigned PD_HIDEPRINTTOFILE = 0x00100000;   // no "print to file" box

struct PrintDialogRequest {
    unsigned flags = PD_RETURNDC;
    // Names the job in the dialog; where no printer is installed the dialog offers the PDF file
    // "<documentName>.pdf" in the current folder instead (even with PD_HIDEPRINTTOFILE).
    std::string documentName;
    // The name of that PDF file without its ".pdf" (the event's own name); documentName when
    // empty.
    std::string fileName;
    const CWnd* owner = nullptr;
};

enum class PrintDialogOutcome { Chosen, Cancelled, Failed };

struct PrintDialogAnswer {
    PrintDialogOutcome outcome = PrintDialogOutcome::Cancelled;
    std::unique_ptr<CPrinterDC> printer; // set when Chosen
};

using PrintDialogHandler = std::function<PrintDialogAnswer(const PrintDialogRequest&)>;

namespace platform {
// Installs a handler; an empty one puts the real dialog back.
void SetPrintDialogHandler(PrintDialogHandler handler);
}

constexpr int kPrintDialogFailed = -1;

class CPrintDialog {
public:
    explicit CPrintDialog(unsigned flags, CWnd* parent = nullptr);

    // Shows the dialog: IDOK (1) with a printer chosen, IDCANCEL (2) when the user cancelled,
    // kPrintDialogFailed (-1) when the dialog could not be shown or gave no printer.
    int DoModal();
    // The chosen printer's surface, handed over to the caller (null unless DoModal said IDOK).
    std::unique_ptr<CPrinterDC> TakePrinterDC() { return std::move(printer_); }

    PrintDialogRequest request;

private:
    std::unique_ptr<CPrinterDC> printer_;
};

#include "platform/seams/PrintDialog.h"

#include "platform/seams/MessageBox.h"
#include "platform/window/qt/Hub.h"
#include "platform/window/Wnd.h"
#include "platform/window/qt/WndPrivate.h"
#include "platform/window/qt/QtModalDialog.h"

#include <QDir>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>

namespace {

PrintDialogHandler& Handler()
{
    static PrintDialogHandler handler;
    return handler;
}

PrintDialogAnswer ShowRealDialog(const PrintDialogRequest& request)
{
    platform::detail::Hub::Instance();
    if (QGuiApplication::platformName() == "offscreen") {
        std::fprintf(stderr, "Print dialog cancelled: nobody can answer it on the offscreen platform\n");
        return {PrintDialogOutcome::Cancelled, nullptr};
    }
    QWidget* parent = nullptr;
    if (request.owner != nullptr && request.owner->IsWindow())
        parent = request.owner->GetTopLevelParent()->Private()->Outer();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString documentName = QString::fromStdString(request.documentName);
    printer->setDocName(documentName);
    // Without any printer the PDF file is the only thing the dialog can offer; it goes to the
    // current folder, named after the document.
    const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
    if (noPrinter)
        printer->setOutputFileName(QDir::current().absoluteFilePath(
            (request.fileName.empty() ? documentName : QString::fromStdString(request.fileName)) + ".pdf"));
    QPrintDialog dialog(printer.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, (request.flags & PD_NOSELECTION) == 0);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, (request.flags & PD_NOPAGENUMS) == 0);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, noPrinter || (request.flags & PD_HIDEPRINTTOFILE) == 0);
    if (platform::detail::RunQtModalDialog(dialog) != QDialog::Accepted)
        return {PrintDialogOutcome::Cancelled, nullptr};
    if (!printer->isValid())
        return {PrintDialogOutcome::Failed, nullptr};
    return {PrintDialogOutcome::Chosen, std::make_unique<CPrinterDC>(std::move(printer))};
}

} // namespace

namespace platform {
void SetPrintDialogHandler(PrintDialogHandler handler) { Handler() = std::move(handler); }
}

CPrintDialog::CPrintDialog(unsigned flags, CWnd* parent)
{
    request.flags = flags | PD_RETURNDC;
    request.owner = parent;
}

int CPrintDialog::DoModal()
{
    PrintDialogAnswer answer = Handler() ? Handler()(request) : ShowRealDialog(request);
    switch (answer.outcome) {
    case PrintDialogOutcome::Cancelled: return IDCANCEL;
    case PrintDialogOutcome::Failed: return kPrintDialogFailed;
    case PrintDialogOutcome::Chosen: break;
    }
    if (!answer.printer)
        return kPrintDialogFailed;
    printer_ = std::move(answer.printer);
    return IDOK;
}

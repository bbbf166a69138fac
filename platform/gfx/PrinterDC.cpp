#include "platform/gfx/PrinterDC.h"

#include "platform/gfx/DCState.h"
#include "platform/gfx/GuiApplication.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

std::unique_ptr<QPrinter> PdfPrinter(const std::string& path)
{
    platform::EnsureGuiApplication();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
    return printer;
}

QString FirstLine(std::string_view text)
{
    const std::string_view line = text.substr(0, text.find_first_of("\r\n"));
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

} // namespace

CPrinterDC::CPrinterDC(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

CPrinterDC::CPrinterDC(const std::string& pdfPath) : CPrinterDC(PdfPrinter(pdfPath)) {}

CPrinterDC::~CPrinterDC()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

int CPrinterDC::StartDoc(const std::string& documentName)
{
    if (!printer_ || (painter_ && painter_->isActive()))
        return SP_ERROR;
    printer_->setDocName(QString::fromStdString(documentName));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        return SP_ERROR;
    }
    pageEnded_ = false;
    return 1;
}

int CPrinterDC::StartPage()
{
    if (!painter_)
        return SP_ERROR;
    if (pageEnded_ && !printer_->newPage())
        return SP_ERROR;
    pageEnded_ = false;
    return 1;
}

int CPrinterDC::EndPage()
{
    if (!painter_)
        return SP_ERROR;
    switch (printer_->printerState()) {
    case QPrinter::Aborted: return SP_USERABORT;
    case QPrinter::Error: return SP_ERROR;
    default: break;
    }
    pageEnded_ = true;
    return 1;
}

int CPrinterDC::EndDoc()
{
    if (!painter_)
        return SP_ERROR;
    const bool written = painter_->end();
    painter_.reset();
    if (printer_->printerState() == QPrinter::Aborted)
        return SP_USERABORT;
    return written ? 1 : SP_ERROR;
}

MapMode CPrinterDC::SetMapMode(MapMode mode) { return std::exchange(mapMode_, mode); }

Size CPrinterDC::SetWindowExt(int width, int height) { return std::exchange(windowExtent_, Size{width, height}); }

Size CPrinterDC::SetViewportExt(int width, int height) { return std::exchange(viewportExtent_, Size{width, height}); }

Point CPrinterDC::OffsetWindowOrg(int dx, int dy)
{
    const Point previous = windowOrigin_;
    windowOrigin_ = {windowOrigin_.x + dx, windowOrigin_.y + dy};
    return previous;
}

// Isotropic: the smaller of the two ratios, each axis keeping its own sign.
double CPrinterDC::Scale(bool vertical) const
{
    if (mapMode_ == MapMode::Text || windowExtent_.width == 0 || windowExtent_.height == 0)
        return 1.0;
    const double sx = double(viewportExtent_.width) / windowExtent_.width;
    const double sy = double(viewportExtent_.height) / windowExtent_.height;
    return std::copysign(std::min(std::fabs(sx), std::fabs(sy)), vertical ? sy : sx);
}

Point CPrinterDC::LPtoDP(Point logical) const
{
    const Point viewport = GetViewportOrg();
    return {int(viewport.x + (double(logical.x) - windowOrigin_.x) * Scale(false)),
            int(viewport.y + (double(logical.y) - windowOrigin_.y) * Scale(true))};
}

QPainter* CPrinterDC::MappedPainter()
{
    if (!painter_ || !painter_->isActive())
        return nullptr;
    const Point viewport = GetViewportOrg();
    QTransform mapping;
    mapping.translate(viewport.x, viewport.y);
    mapping.scale(Scale(false), Scale(true));
    mapping.translate(-windowOrigin_.x, -windowOrigin_.y);
    painter_->setTransform(mapping);
    painter_->setClipping(false);
    return painter_.get();
}

void CPrinterDC::SetPixel(int x, int y, Colour colour) { FillSolidRect({x, y, x + 1, y + 1}, colour); }

void CPrinterDC::FillSolidRect(const Rect& rect, Colour colour)
{
    QPainter* painter = MappedPainter();
    if (painter == nullptr || rect.IsEmpty())
        return;
    painter->fillRect(QRectF(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
}

void CPrinterDC::FillRect(const Rect& rect, const CBrush* brush)
{
    if (brush != nullptr && brush->IsCreated())
        FillSolidRect(rect, brush->GetColour());
}

void CPrinterDC::StrokeSegment(Point from, Point to)
{
    const CPen* pen = state_->pen;
    QPainter* painter = MappedPainter();
    if (painter == nullptr || (pen != nullptr && pen->Style() == PenStyle::Null))
        return;
    const Colour colour = pen ? pen->GetColour() : colours::kBlack;
    const int width = pen ? std::max(pen->Width(), 1) : 1;
    painter->setPen(QPen(ToQColor(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
}

void CPrinterDC::LineTo(int x, int y)
{
    StrokeSegment(state_->position, {x, y});
    state_->position = {x, y};
}

void CPrinterDC::Polyline(const Point* points, int count)
{
    if (points == nullptr)
        return;
    for (int i = 1; i < count; ++i)
        StrokeSegment(points[i - 1], points[i]);
}

void CPrinterDC::DrawText(std::string_view text, const Rect& rect, unsigned format)
{
    QPainter* painter = MappedPainter();
    if (painter == nullptr)
        return;
    const CFont& font = CurrentFont();
    painter->setFont(*font.Font());
    painter->setPen(ToQColor(GetTextColor()));
    painter->setBackground(QBrush(ToQColor(GetBkColor())));
    painter->setBackgroundMode(state_->mode == BackgroundMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    const QRectF box(rect.left, rect.top, rect.Width(), rect.Height());
    if (!(format & kTextNoClip))
        painter->setClipRect(box);
    const int alignment = Qt::AlignTop | Qt::TextSingleLine | ((format & kTextCentre) ? Qt::AlignHCenter : Qt::AlignLeft);
    painter->drawText(box, alignment | Qt::TextDontClip, FirstLine(text));
    painter->setClipping(false);
}

bool CPrinterDC::BitBlt(int, int, int, int, const CDC*, int, int, RasterOp) { return false; }

int CPrinterDC::GetDeviceCaps(DeviceCap cap) const
{
    if (!printer_)
        return 0;
    switch (cap) {
    case DeviceCap::HorzRes: return printer_->width();
    case DeviceCap::VertRes: return printer_->height();
    case DeviceCap::LogPixelsX: return printer_->logicalDpiX();
    case DeviceCap::LogPixelsY: return printer_->logicalDpiY();
    case DeviceCap::BitsPixel: return 24;
    case DeviceCap::Planes: return 1;
    case DeviceCap::RasterCaps:
    case DeviceCap::SizePalette: return 0;
    case DeviceCap::DriverVersion: return CDC::GetDeviceCaps(cap);
    }
    return 0;
}

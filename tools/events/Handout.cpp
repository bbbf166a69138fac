#include "tools/events/Handout.h"

#include "display/ChamberPicture.h"
#include "display/PrintMarks.h"
#include "display/ProjectorShowCanvas.h"
#include "display/ProjectorView.h"
#include "display/ScreenChamber.h"
#include "physics/ChamberEvent.h"
#include "platform/gfx/PrinterDC.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The page in logical units: A4's printable area of 190 x 277 mm, about 4 units a millimetre.
constexpr int kPageWidth = 760;
constexpr int kPageHeight = 1108;
constexpr const char* kDocumentName = "Tracelume lesson";
constexpr double kMetresPerCentimetre = 0.01;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

// Where the parts of an event's page stand.
constexpr Point kTitleAt{0, 0};
constexpr Point kFileNameAt{600, 6};
constexpr Point kConditionsAt{0, 34};
constexpr Point kNameAt{0, 62};
constexpr Point kChamberAt{60, 90};
constexpr Point kProjectorCaptionAt{140, 594};
constexpr Point kProjectorAt{140, 614};
constexpr int kLegendY = 1066;
constexpr int kMarkTextGap = 6;    // from a legend mark to its colour's name
constexpr int kLegendEntryGap = 22; // between one colour's name and the next mark

// The answer sheets' lines.
constexpr int kSheetTop = 40;
constexpr int kLineHeight = 15;
constexpr int kBlockGap = 10;

struct PageFonts {
    PageFonts()
    {
        Make(title, 20, kBoldWeight);
        Make(text, 14, kNormalWeight);
        Make(small, 11, kNormalWeight);
        Make(smallBold, 11, kBoldWeight);
    }
    static void Make(CFont& font, int pixels, int weight)
    {
        font.CreateFont(-pixels, 0, 0, 0, weight, false, false, false, 1, 2, 1, 0, 0, "MS Sans Serif");
    }
    CFont title, text, small, smallBold;
};

// One line of text from at, in font.
void Line(CDC& dc, CFont& font, const std::string& text, Point at)
{
    CFont* previous = dc.SelectObject(&font);
    const Size size = dc.GetTextExtent(text);
    dc.DrawText(text, Rect::FromSize(at.x, at.y, size.width, size.height),
                kTextLeft | kTextTop | kTextSingleLine | kTextNoClip);
    dc.SelectObject(previous);
}

// Runs draw with the logical origin at `at` and the drawing clipped to size there, so that a
// picture keeps within its place on the page as it does within its window.
template <typename Draw>
void DrawPlaced(CPrinterDC& dc, Point at, Size size, Draw draw)
{
    dc.OffsetWindowOrg(-at.x, -at.y);
    const Point topLeft = dc.LPtoDP({0, 0});
    const Point bottomRight = dc.LPtoDP({size.width, size.height});
    dc.SetClipRect({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
    draw();
    dc.RemoveClip();
    dc.OffsetWindowOrg(at.x, at.y);
}

void DrawChamber(CPrinterDC& dc, const std::shared_ptr<const ChamberEvent>& event)
{
    ScreenCamera camera = ScreenCamera::ForChamber();
    ScreenChamber chamber(kChamberBoxSize, camera);
    chamber.SetEvent(event);
    DrawPlaced(dc, kChamberAt, {kChamberPictureWidth, kChamberPictureHeight}, [&] { chamber.PrintDraw(dc); });
}

// The Projector's pane as Print draws it, inside a frame that shows where the pane ends.
void DrawProjector(CPrinterDC& dc, const std::shared_ptr<const ChamberEvent>& event, const ChamberData& conditions,
                   HandoutProjection projection)
{
    ProjectorView view;
    view.SetBufferSize(ProjectorView::kBufferWidth, ProjectorView::kBufferHeight);
    view.SetUpShowCanvas(ProjectorView::kShowCanvasRect, projection.zoom, ProjectorView::kHomeX,
                         ProjectorView::kHomeY, &conditions);
    view.SetPlane(projection.plane);
    view.SetEvent(event);
    const Size pane = view.PictureSize();
    DrawPlaced(dc, kProjectorAt, pane, [&] { view.showCanvas->PrintDraw(dc); });
    const int left = kProjectorAt.x - 1, top = kProjectorAt.y - 1;
    const int right = kProjectorAt.x + pane.width, bottom = kProjectorAt.y + pane.height;
    const Point frame[] = {{left, top}, {left, bottom}, {right, bottom}, {right, top}, {left, top}};
    dc.SelectStockObject(StockObject::BlackPen);
    dc.Polyline(frame, int(std::size(frame)));
}

// Each colour's print mark, drawn as the chamber draws it, with the colour's name.
void DrawMarksLegend(CPrinterDC& dc, PageFonts& fonts)
{
    const std::string lead = "Marks of the dots in the chamber, by their colour on screen:";
    Line(dc, fonts.small, lead, {0, kLegendY});
    CFont* previous = dc.SelectObject(&fonts.small);
    int x = dc.GetTextExtent(lead).width + kLegendEntryGap;
    const int markY = kLegendY + dc.GetTextExtent(lead).height / 2;
    dc.SelectObject(previous);
    for (const PrintMark& mark : PrintMarks()) {
        DrawPrintMark(dc, {x + 2, markY}, mark.colourId);
        x += 2 + kMarkTextGap;
        Line(dc, fonts.small, mark.colourName, {x, kLegendY});
        previous = dc.SelectObject(&fonts.small);
        x += dc.GetTextExtent(mark.colourName).width + kLegendEntryGap;
        dc.SelectObject(previous);
    }
}

std::string ConditionsText(const ChamberData& conditions)
{
    return ScreenChamber::ValuesText(conditions.B(), conditions.T(), conditions.L() * kMetresPerCentimetre);
}

void DrawEventPage(CPrinterDC& dc, PageFonts& fonts, const HandoutEvent& handout, HandoutProjection projection)
{
    Line(dc, fonts.title, HandoutTitle(handout), kTitleAt);
    Line(dc, fonts.small, handout.fileName, kFileNameAt);
    Line(dc, fonts.text, "Conditions: " + ConditionsText(handout.stored.conditions), kConditionsAt);
    Line(dc, fonts.text, "Name: ______________________________________", kNameAt);
    ChamberData conditions = handout.stored.conditions;
    const std::shared_ptr<const ChamberEvent> event = MakeChamberEvent(handout.stored, &conditions);
    DrawChamber(dc, event);
    Line(dc, fonts.small, "Projector", kProjectorCaptionAt);
    DrawProjector(dc, event, conditions, projection);
    DrawMarksLegend(dc, fonts);
}

// The pages of the job: each begun with the page's mapping, the last ended with the job.
class HandoutPages {
public:
    explicit HandoutPages(CPrinterDC& dc) : dc_(dc) {}
    void Begin()
    {
        if (count_ > 0)
            ok_ = dc_.EndPage() > 0 && ok_;
        dc_.StartPage();
        dc_.SetMapMode(MapMode::Isotropic);
        dc_.SetWindowExt(kPageWidth, kPageHeight);
        dc_.SetViewportExt(dc_.GetDeviceCaps(DeviceCap::HorzRes), dc_.GetDeviceCaps(DeviceCap::VertRes));
        ++count_;
    }
    // The number of pages written, 0 when anything failed.
    int End()
    {
        if (count_ > 0)
            ok_ = dc_.EndPage() > 0 && ok_;
        ok_ = dc_.EndDoc() > 0 && ok_;
        return ok_ ? count_ : 0;
    }

private:
    CPrinterDC& dc_;
    int count_ = 0;
    bool ok_ = true;
};

// A column of the answer sheet: its title, the key's column it shows, and where it starts.
struct SheetColumn {
    const char* title;
    const char* source; // null: where the flight ended, from the end_x, end_y and end_z columns
    int x;
};
constexpr SheetColumn kSheetColumns[] = {
    {"#", "particle", 0},
    {"particle", "kind", 24},
    {"charge", "charge", 84},
    {"flight", "end", 134},
    {"p (MeV/c)", "momentum_MeV_c", 210},
    {"p\u22a5 (MeV/c)", "transverse_momentum_MeV_c", 290},
    {"T (MeV)", "kinetic_energy_MeV", 380},
    {"R (cm)", "radius_cm", 450},
    {"ended at x, y, z (cm)", nullptr, 540},
};

std::string Cell(const StoredAnswerKey& key, const std::vector<std::string>& row, const char* column)
{
    const auto found = std::find(key.columns.begin(), key.columns.end(), column);
    const size_t index = size_t(found - key.columns.begin());
    return found != key.columns.end() && index < row.size() ? row[index] : "";
}

std::string EndPoint(const StoredAnswerKey& key, const std::vector<std::string>& row)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.1f, %.1f, %.1f", std::atof(Cell(key, row, "end_x_cm").c_str()),
                  std::atof(Cell(key, row, "end_y_cm").c_str()), std::atof(Cell(key, row, "end_z_cm").c_str()));
    return text;
}

// The answer sheets, written line by line; a block of lines that does not fit goes on a new page.
class AnswerSheets {
public:
    AnswerSheets(CPrinterDC& dc, PageFonts& fonts, HandoutPages& pages) : dc_(dc), fonts_(fonts), pages_(pages) {}

    void Add(const HandoutEvent& handout)
    {
        if (!handout.key) {
            Reserve(1);
            Write(fonts_.smallBold, "Event " + std::to_string(handout.number) + " (" + handout.fileName +
                                        "): no answer key");
            y_ += kBlockGap;
            return;
        }
        const StoredAnswerKey& key = *handout.key;
        Reserve(2 + int(key.rows.size()));
        Write(fonts_.smallBold, Heading(handout));
        for (const SheetColumn& column : kSheetColumns)
            Line(dc_, fonts_.smallBold, column.title, {column.x, y_});
        y_ += kLineHeight;
        for (const std::vector<std::string>& row : key.rows) {
            for (const SheetColumn& column : kSheetColumns)
                Line(dc_, fonts_.small, column.source ? Cell(key, row, column.source) : EndPoint(key, row), {column.x, y_});
            y_ += kLineHeight;
        }
        y_ += kBlockGap;
    }

private:
    static std::string Heading(const HandoutEvent& handout)
    {
        const AnswerKeyHeading& h = handout.key->heading;
        const ChamberData conditions(h.lengthCm, h.fieldKG, h.energyMeV);
        return HandoutTitle(handout) + " (" + handout.fileName + "): decay type " + std::to_string(h.decayType) +
               "; " + ConditionsText(conditions);
    }
    void Reserve(int lines)
    {
        if (started_ && y_ + lines * kLineHeight <= kPageHeight)
            return;
        pages_.Begin();
        Line(dc_, fonts_.title, started_ ? "Answer sheet (continued)" : "Answer sheet", kTitleAt);
        started_ = true;
        y_ = kSheetTop;
    }
    void Write(CFont& font, const std::string& text)
    {
        Line(dc_, font, text, {0, y_});
        y_ += kLineHeight;
    }

    CPrinterDC& dc_;
    PageFonts& fonts_;
    HandoutPages& pages_;
    bool started_ = false;
    int y_ = 0;
};

} // namespace

std::string HandoutTitle(const HandoutEvent& event)
{
    if (!event.key)
        return "Event " + std::to_string(event.number) + " (no answer key, so no seed)";
    return "Seed " + std::to_string(event.key->heading.seed) + ", event " + std::to_string(event.number);
}

int WriteHandout(const std::string& path, const std::vector<HandoutEvent>& events, HandoutProjection projection)
{
    CPrinterDC dc(path);
    if (dc.StartDoc(kDocumentName) <= 0)
        return 0;
    PageFonts fonts;
    HandoutPages pages(dc);
    for (const HandoutEvent& handout : events) {
        pages.Begin();
        DrawEventPage(dc, fonts, handout, projection);
    }
    if (std::any_of(events.begin(), events.end(), [](const HandoutEvent& e) { return e.key.has_value(); })) {
        AnswerSheets sheets(dc, fonts, pages);
        for (const HandoutEvent& handout : events)
            sheets.Add(handout);
    }
    return pages.End();
}

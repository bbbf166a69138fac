// Print: the page's header, its mapping onto the paper, the picture's place, the status
// messages and the dialog's outcomes, checked on recording printers and on a printed PDF.
#include "TestCommandsSupport.h"

#include "display/ProjectorWindow.h"
#include "controls/ChamberControlWindow.h"
#include "display/ScrollWindow.h"
#include "platform/gfx/PrinterDC.h"
#include "platform/seams/PrintDialog.h"
#include "shell/Printing.h"
#include "tests/support/ShellOutput.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int64_t kSomeMonday = 1796677857; // 2026-12-07 21:10:57 UTC

struct DrawnText {
    std::string text;
    Rect rect;
    unsigned format;
};

// A PDF printer that records its texts and answers chosen page and job statuses.
class RecordingPrinter : public CPrinterDC {
public:
    explicit RecordingPrinter(const std::string& path) : CPrinterDC(path) {}
    void DrawText(std::string_view text, const Rect& rect, unsigned format) override
    {
        texts.push_back({std::string(text), rect, format});
        CPrinterDC::DrawText(text, rect, format);
    }
    int EndPage() override { return pageStatus < 0 ? pageStatus : CPrinterDC::EndPage(); }
    int EndDoc() override { ++endDocs; return jobStatus < 0 ? jobStatus : CPrinterDC::EndDoc(); }

    std::vector<DrawnText> texts;
    int pageStatus = 1;
    int jobStatus = 1;
    int endDocs = 0;
};

// A Projector stand-in: remembers where the page put its picture.
class FakeProjector : public CProjectorWindow {
public:
    using CProjectorWindow::CProjectorWindow;
    void PrintPicture(CDC& dc) override
    {
        auto* printer = dynamic_cast<CPrinterDC*>(&dc);
        ASSERT_NE(printer, nullptr);
        windowOrigin = printer->GetWindowOrg();
    }
    Point windowOrigin;
};

class PrintTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        if (const char* zone = getenv("TZ"))
            savedZone = zone;
        setenv("TZ", "UTC0", 1);
        tzset();
        hookClock.calendarSeconds = kSomeMonday;
        pdf = (fs::temp_directory_path() / ("tracelume-print-" + std::to_string(getpid()) + ".pdf")).string();
        fs::remove(pdf);
        platform::SetPrintDialogHandler([this](const PrintDialogRequest& request) {
            ++dialogs;
            lastRequest = request;
            if (outcome != PrintDialogOutcome::Chosen)
                return PrintDialogAnswer{outcome, nullptr};
            return PrintDialogAnswer{outcome, std::make_unique<RecordingPrinter>(pdf)};
        });
    }
    void TearDown() override
    {
        platform::SetPrintDialogHandler({});
        fs::remove(pdf);
        if (savedZone)
            setenv("TZ", savedZone->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
        CommandTest::TearDown();
    }

    void Print() { Frame().OnCommand(cmd::kPrint); }

    // The next printers hand their texts to texts when the command releases them.
    void KeepTexts(std::vector<DrawnText>& texts)
    {
        struct Keeping : RecordingPrinter {
            Keeping(const std::string& path, std::vector<DrawnText>& out) : RecordingPrinter(path), out_(out) {}
            ~Keeping() override { out_ = texts; }
            std::vector<DrawnText>& out_;
        };
        platform::SetPrintDialogHandler([this, &texts](const PrintDialogRequest&) {
            return PrintDialogAnswer{PrintDialogOutcome::Chosen, std::make_unique<Keeping>(pdf, texts)};
        });
    }

    std::optional<std::string> savedZone;
    std::string pdf;
    PrintDialogOutcome outcome = PrintDialogOutcome::Chosen;
    int dialogs = 0;
    PrintDialogRequest lastRequest;
};

TEST(PrintStatusMessage, NamesEverySpoolerFailureButTheProgramsOwnCancel)
{
    struct Case { int code; const char* page; const char* job; };
    const Case cases[] = {
        {SP_ERROR, "general error", "general error"},
        {SP_APPABORT, nullptr, nullptr},
        {SP_USERABORT, "user abort", "user abort"},
        {SP_OUTOFDISK, "out of disk error", "out of disk error"},
        {SP_OUTOFMEMORY, "out of memory error", "gout of memory error"},
        {-6, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const char* page = printing::StatusMessage(c.code, false);
        const char* job = printing::StatusMessage(c.code, true);
        EXPECT_EQ(page ? std::string(page) : "(none)", c.page ? c.page : "(none)") << c.code;
        EXPECT_EQ(job ? std::string(job) : "(none)", c.job ? c.job : "(none)") << c.code;
    }
}

// Reads a greyscale PGM (P5) page picture.
std::vector<unsigned char> PagePicture(const std::string& pdf, int& width, int& height)
{
    std::istringstream in(ShellOutput("pdftoppm -r 30 -gray -singlefile '" + pdf + "'"));
    std::string magic;
    int maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (magic != "P5")
        return {};
    std::vector<unsigned char> pixels(size_t(width) * size_t(height));
    in.read(reinterpret_cast<char*>(pixels.data()), std::streamsize(pixels.size()));
    return pixels;
}

TEST_F(PrintTest, ChamberPageHoldsTheHeaderAboveThePicture)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    platform::SetPrintDialogHandler([&](const PrintDialogRequest& request) {
        lastRequest = request;
        return PrintDialogAnswer{PrintDialogOutcome::Chosen, std::make_unique<RecordingPrinter>(pdf)};
    });
    Print();
    EXPECT_EQ(lastRequest.documentName, "Tracelume");
    EXPECT_EQ(lastRequest.flags & (PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE),
              PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE);
    EXPECT_TRUE(boxes.Shown().empty());
    ASSERT_TRUE(fs::exists(pdf));

    if (ShellOutput("command -v pdftotext pdftoppm").empty())
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed";
    const std::string text = ShellOutput("pdftotext -layout '" + pdf + "' -");
    // pdftotext keeps one space of the day's padding.
    EXPECT_NE(text.find("Mon Dec 7 21:10:57 2026"), std::string::npos) << text;
    EXPECT_NE(text.find("Particle Chamber: Untitled Type 1 Decay"), std::string::npos) << text;
    EXPECT_NE(text.find("B = 0.8 kG, T = 0.6 MeV, L = 5 m."), std::string::npos) << text;
    EXPECT_EQ(text.find('\f'), text.rfind('\f')) << "one page only";

    int width = 0, height = 0;
    const std::vector<unsigned char> page = PagePicture(pdf, width, height);
    ASSERT_FALSE(page.empty());
    int dark = 0, white = 0;
    for (unsigned char grey : page) {
        dark += grey < 128;
        white += grey > 250;
    }
    EXPECT_GT(dark, 100) << "the box lines and dots print dark";
    EXPECT_GT(white, int(page.size() * 8 / 10)) << "the paper stays white";
}

TEST_F(PrintTest, HeaderLinesStandAtTheirPlacesInTheirAlignment)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    std::vector<DrawnText> texts;
    KeepTexts(texts);
    Print();
    // The three header lines, then the seed and number of the event on show.
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[3].text, "Seed " + std::to_string(State().lesson.Seed()) + ", event 1");
    EXPECT_EQ(texts[3].rect, printing::kNoteRect);
    EXPECT_EQ(texts[0].text, "Mon Dec  7 21:10:57 2026\n");
    EXPECT_EQ(texts[0].rect, printing::kDateRect);
    EXPECT_EQ(texts[0].format & kTextCentre, 0u);
    EXPECT_EQ(texts[1].text, "Particle Chamber: Untitled Type 1 Decay");
    EXPECT_EQ(texts[1].rect, printing::kTitleRect);
    EXPECT_EQ(texts[2].text, "B = 0.8 kG, T = 0.6 MeV, L = 5 m.");
    EXPECT_EQ(texts[2].rect, printing::kConditionsRect);
    EXPECT_NE(texts[1].format & texts[2].format & kTextCentre, 0u);
}

TEST_F(PrintTest, NarrowTallChamberIsScaledToThePageHeight)
{
    StartProgram();
    Chamber().SetWindowPos(nullptr, 0, 40, 200, 520, SWP_NOZORDER | SWP_NOACTIVATE);
    Rect client;
    Chamber().GetClientRect(&client);
    ASSERT_LT(client.Width() * 2, client.Height());
    Point pageTop{-1, -1}, pageBottom, origin;
    int pageWidth = 0, pageHeight = 0;
    Frame().ActivateToolWindow(&Chamber());
    platform::SetPrintDialogHandler([&](const PrintDialogRequest&) {
        struct Measuring : RecordingPrinter {
            using RecordingPrinter::RecordingPrinter;
            std::function<void(CPrinterDC&)> atEnd;
            int EndPage() override { atEnd(*this); return RecordingPrinter::EndPage(); }
        };
        auto made = std::make_unique<Measuring>(pdf);
        made->atEnd = [&](CPrinterDC& dc) {
            pageWidth = dc.GetDeviceCaps(DeviceCap::HorzRes);
            pageHeight = dc.GetDeviceCaps(DeviceCap::VertRes);
            pageTop = dc.LPtoDP({0, printing::kPageTop});
            pageBottom = dc.LPtoDP({client.Width(), client.Height() + printing::kPageTop});
            origin = dc.LPtoDP({0, 0});
        };
        return PrintDialogAnswer{PrintDialogOutcome::Chosen, std::move(made)};
    });
    Print();
    const double scale = double(pageHeight) / client.Height();
    EXPECT_EQ(pageTop, (Point{0, 0}));
    EXPECT_NEAR(pageBottom.y, pageHeight, 1);
    EXPECT_NEAR(pageBottom.x, client.Width() * scale, 1);
    EXPECT_LT(pageBottom.x, pageWidth * 3 / 4) << "a narrow window prints a narrow picture";
    EXPECT_NEAR(origin.y, -printing::kPageTop * scale, 1);
}

TEST_F(PrintTest, ProjectorPictureStartsAtFiftyUnderItsOwnTitle)
{
    StartProgram();
    // A frame window deletes itself when destroyed.
    auto* projector = new FakeProjector(Frame());
    ASSERT_TRUE(projector->Create(Frame().toolWindowClass, "Projector: Empty", WS_OVERLAPPEDWINDOW,
                                 {0, 37, 640, 445}, &Frame()));
    CProjectorWindow* realProjector = std::exchange(Frame().projectorWindow, projector);
    Frame().SetEventTitle("Untitled Type 3 Decay");
    Frame().ActivateToolWindow(projector);
    std::vector<DrawnText> texts;
    KeepTexts(texts);
    Print();
    EXPECT_EQ(projector->windowOrigin, (Point{-printing::kProjectorPictureX, printing::kPageTop}));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "Projector: Untitled Type 3 Decay");
    Frame().projectorWindow = realProjector;
    projector->DestroyWindow();
}

TEST_F(PrintTest, FailedStatusesShowTheirMessageAndStop)
{
    struct Case { int page; int job; const char* text; const char* caption; int endDocs; };
    const Case cases[] = {
        {SP_OUTOFDISK, 1, "out of disk error", "end page error", 0},
        {SP_APPABORT, 1, nullptr, nullptr, 0},
        {1, SP_OUTOFMEMORY, "gout of memory error", "end doc error", 1},
        {1, SP_USERABORT, "user abort", "end doc error", 1},
        {1, SP_APPABORT, nullptr, nullptr, 1},
    };
    StartProgram();
    for (const Case& c : cases) {
        const size_t before = boxes.Shown().size();
        int endDocs = -1;
        platform::SetPrintDialogHandler([&](const PrintDialogRequest&) {
            struct Counting : RecordingPrinter {
                using RecordingPrinter::RecordingPrinter;
                int* out = nullptr;
                ~Counting() override { *out = endDocs; }
            };
            auto made = std::make_unique<Counting>(pdf);
            made->pageStatus = c.page;
            made->jobStatus = c.job;
            made->out = &endDocs;
            return PrintDialogAnswer{PrintDialogOutcome::Chosen, std::move(made)};
        });
        Print();
        EXPECT_EQ(endDocs, c.endDocs) << c.page << " " << c.job;
        if (c.text == nullptr) {
            EXPECT_EQ(boxes.Shown().size(), before) << c.page << " " << c.job;
            continue;
        }
        ASSERT_EQ(boxes.Shown().size(), before + 1) << c.page << " " << c.job;
        EXPECT_EQ(boxes.Shown().back().text, c.text);
        EXPECT_EQ(boxes.Shown().back().caption, c.caption);
    }
}

TEST_F(PrintTest, DialogOutcomesAFailedJobStartAndOtherWindows)
{
    StartProgram();
    outcome = PrintDialogOutcome::Cancelled;
    Print();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_FALSE(fs::exists(pdf));

    outcome = PrintDialogOutcome::Failed;
    Print();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "Print Setup Failure");
    EXPECT_EQ(boxes.Shown()[0].caption, "Error Message");

    outcome = PrintDialogOutcome::Chosen;
    pdf = "/nonexistent-folder/Tracelume.pdf"; // the job cannot start
    Print();
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].text, "error");
    EXPECT_EQ(boxes.Shown()[1].caption, "start page error");

    Frame().ActivateToolWindow(Frame().controlsWindow);
    Print();
    EXPECT_EQ(dialogs, 3) << "only the chamber and the Projector print";
}

} // namespace

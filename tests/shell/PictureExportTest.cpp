// File > Export Picture...: PNG files of the picture's size times the chosen scale, a PDF page
// of Print, and failures shown without any other change.
#include "TestCommandsSupport.h"

#include "controls/ChamberControlWindow.h"
#include "display/ProjectorWindow.h"
#include "platform/seams/FileDialog.h"
#include "platform/seams/InfoDialogs.h"
#include "tests/support/PngSize.h"
#include "tests/support/ShellOutput.h"

#include <filesystem>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ExportTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        fs::create_directories(folder);
        platform::SetFileDialogHandler([this](FileDialogRequest& request) -> std::optional<std::string> {
            ++dialogs;
            lastRequest = request;
            request.filterIndex = chosenFilter;
            return answer;
        });
        StartProgram();
        Frame().OnCommand(cmd::kNewEvent);
    }
    void TearDown() override
    {
        platform::SetFileDialogHandler({});
        platform::SetNumberFormHandler({});
        fs::remove_all(folder);
        CommandTest::TearDown();
    }
    // Exports the active window to name in the scratch folder as a PNG at a scale (1 to 4) or
    // as a PDF page (scale 0).
    void Export(const std::string& name, int scale)
    {
        answer = In(name);
        chosenFilter = scale > 0 ? 0 : 1;
        platform::SetNumberFormHandler([scale](const NumberFormRequest&) {
            return std::optional(std::vector<int64_t>{scale});
        });
        Frame().OnCommand(cmd::kExportPicture);
    }
    std::string In(const std::string& name) const { return (folder / name).string(); }

    fs::path folder = fs::temp_directory_path() / ("tracelume-export-" + std::to_string(getpid()));
    std::optional<std::string> answer;
    int chosenFilter = 0;
    int dialogs = 0;
    FileDialogRequest lastRequest;
};

TEST_F(ExportTest, PngIsThePictureTimesTheChosenScaleOfTheActiveWindow)
{
    struct Case {
        bool projector;
        int scale;
        uint32_t width, height;
    };
    for (const Case& c : {Case{false, 1, 640, 500}, Case{false, 4, 2560, 2000}, Case{true, 3, 1440, 1320}}) {
        Frame().ActivateToolWindow(c.projector ? static_cast<CWnd*>(Frame().projectorWindow) : Frame().chamberWindow);
        Export("slide", c.scale);
        EXPECT_EQ(PngSize(In("slide.png")), std::pair(c.width, c.height)) << c.scale;
    }
    // The scale is asked for on its own, not hidden among the file types.
    ASSERT_EQ(lastRequest.filters.size(), 2u);
    EXPECT_EQ(lastRequest.filters[0].name, "PNG Picture (*.png)");
    // The second and third export replace slide.png, after asking.
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].text, "slide.png already exists.\nDo you want to replace it?");
}

// The PDF is Print's page of the window; what cannot be written is reported; windows without a
// picture grey the item and export nothing.
TEST_F(ExportTest, PdfPageFailuresAndWindowsWithoutAPicture)
{
    Frame().ActivateToolWindow(Frame().projectorWindow);
    Export("page", 0);
    const std::string text = ShellOutput("pdftotext -layout '" + In("page.pdf") + "' - 2>&1");
    EXPECT_NE(text.find("Projector: Untitled Type 1 Decay"), std::string::npos) << text;
    for (const char* kind : {"png", "pdf"}) {
        Export("missing-folder/picture", kind == std::string("png") ? 3 : 0);
        ASSERT_FALSE(boxes.Shown().empty());
        EXPECT_EQ(boxes.Shown().back().caption, "Export Picture");
        EXPECT_EQ(boxes.Shown().back().text,
                  "The picture could not be written to " + In("missing-folder/picture.") + kind + ".");
    }
    EXPECT_EQ(boxes.Shown().size(), 2u);
    Frame().ActivateToolWindow(Frame().controlsWindow);
    EXPECT_TRUE(Greyed(cmd::kExportPicture));
    Frame().OnCommand(cmd::kExportPicture);
    EXPECT_EQ(dialogs, 3) << "only the chamber and the Projector have pictures";
}

} // namespace

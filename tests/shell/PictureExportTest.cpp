// File > Export Picture...: the save dialog's kinds, PNG files of the picture's size times the
// chosen scale, a PDF page of Print, and failures shown without any other change.
#include "TestCommandsSupport.h"

#include "display/ProjectorWindow.h"
#include "controls/ChamberControlWindow.h"
#include "platform/seams/FileDialog.h"
#include "tests/support/PngSize.h"
#include "tests/support/ShellOutput.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ExportTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        folder = fs::temp_directory_path() / ("tracelume-export-" + std::to_string(getpid()));
        fs::create_directories(folder);
        platform::SetFileDialogHandler([this](FileDialogRequest& request) -> std::optional<std::string> {
            ++dialogs;
            lastRequest = request;
            request.filterIndex = chosenFilter;
            return answer;
        });
    }
    void TearDown() override
    {
        platform::SetFileDialogHandler({});
        fs::remove_all(folder);
        CommandTest::TearDown();
    }

    // Exports to name in the scratch folder with the filter of that index chosen.
    void Export(const std::string& name, int filter)
    {
        answer = (folder / name).string();
        chosenFilter = filter;
        Frame().OnCommand(cmd::kExportPicture);
    }
    std::string InFolder(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
    std::optional<std::string> answer;
    int chosenFilter = 0;
    int dialogs = 0;
    FileDialogRequest lastRequest;
};

TEST_F(ExportTest, PngIsThePictureTimesTheChosenScaleForTheActiveWindow)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    struct Case {
        bool projector;
        int filter;
        uint32_t width, height;
    };
    const Case cases[] = {{false, 0, 640, 500}, {false, 3, 2560, 2000}, {true, 1, 960, 880}, {true, 2, 1440, 1320}};
    for (const Case& c : cases) {
        CWnd* window = c.projector ? static_cast<CWnd*>(Frame().projectorWindow) : Frame().chamberWindow;
        Frame().ActivateToolWindow(window);
        Export("slide", c.filter);
        EXPECT_EQ(PngSize(InFolder("slide.png")), std::pair(c.width, c.height)) << c.filter;
        fs::remove(InFolder("slide.png"));
    }
    EXPECT_EQ(lastRequest.title, "Export Picture");
    EXPECT_FALSE(lastRequest.open);
    std::vector<std::string> names;
    for (const FileFilter& filter : lastRequest.filters)
        names.push_back(filter.name + " " + filter.patterns.at(0));
    EXPECT_EQ(names, (std::vector<std::string>{"PNG Picture, 1x (*.png) *.png", "PNG Picture, 2x (*.png) *.png",
                                               "PNG Picture, 3x (*.png) *.png", "PNG Picture, 4x (*.png) *.png",
                                               "PDF Document (*.pdf) *.pdf"}));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ExportTest, PdfIsThePrintedPageOfTheWindow)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    Frame().ActivateToolWindow(Frame().projectorWindow);
    Export("page", 4);
    std::ifstream in(InFolder("page.pdf"), std::ios::binary);
    std::string magic(5, '\0');
    in.read(magic.data(), 5);
    EXPECT_EQ(magic, "%PDF-");
    EXPECT_TRUE(boxes.Shown().empty());
    if (ShellOutput("command -v pdftotext").empty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string text = ShellOutput("pdftotext -layout '" + InFolder("page.pdf") + "' -");
    EXPECT_NE(text.find("Projector: Untitled Type 1 Decay"), std::string::npos) << text;
    EXPECT_NE(text.find("B = 0.8 kG, T = 0.6 MeV, L = 5 m."), std::string::npos) << text;
}

TEST_F(ExportTest, UnwritableFilesAreReportedAndOtherWindowsExportNothing)
{
    StartProgram();
    Frame().OnCommand(cmd::kNewEvent);
    const std::string title = Frame().chamberWindow->GetWindowText();
    for (int filter : {3, 4}) {
        Export("missing-folder/picture", filter);
        ASSERT_EQ(boxes.Shown().size(), size_t(filter - 2));
        EXPECT_EQ(boxes.Shown().back().caption, "Export Picture");
        EXPECT_EQ(boxes.Shown().back().text, "The picture could not be written to " +
                                                 InFolder(filter == 4 ? "missing-folder/picture.pdf"
                                                                      : "missing-folder/picture.png") + ".");
    }
    EXPECT_EQ(Frame().chamberWindow->GetWindowText(), title);
    EXPECT_TRUE(fs::is_empty(folder));

    answer.reset();
    Frame().OnCommand(cmd::kExportPicture);
    EXPECT_EQ(boxes.Shown().size(), 2u) << "a cancelled dialog writes and says nothing";

    Frame().ActivateToolWindow(Frame().controlsWindow);
    EXPECT_TRUE(Greyed(cmd::kExportPicture));
    const int asked = dialogs;
    Frame().OnCommand(cmd::kExportPicture);
    EXPECT_EQ(dialogs, asked) << "only the chamber and the Projector have pictures";
    Frame().ActivateToolWindow(Frame().chamberWindow);
    EXPECT_FALSE(Greyed(cmd::kExportPicture));
}

} // namespace

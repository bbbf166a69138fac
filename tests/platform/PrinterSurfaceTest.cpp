// The printer surface's clip, read back from the PDF it wrote.
#include "platform/gfx/PrinterDC.h"
#include "tests/support/ShellOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

// A clip keeps the drawing inside it, as on the screen surfaces: a page filled black and crossed
// by a line through a clip over the left of its top stays white on the top right, and the clip ends with
// RemoveClip.
TEST(PrinterSurface, ClipKeepsFillsAndLinesInside)
{
    if (ShellOutput("command -v pdftoppm convert").empty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) and convert (ImageMagick) are not installed";
    const std::string pdf = (std::filesystem::temp_directory_path() / "tracelume-printer-clip.pdf").string();
    {
        CPrinterDC dc(pdf);
        ASSERT_GT(dc.StartDoc("clip"), 0);
        const int width = dc.GetDeviceCaps(DeviceCap::HorzRes), height = dc.GetDeviceCaps(DeviceCap::VertRes);
        dc.SetClipRect({0, 0, width * 2 / 5, height / 2});
        dc.FillSolidRect({0, 0, width, height / 2}, colours::kBlack);
        dc.MoveTo(0, height * 3 / 8);
        dc.LineTo(width, height * 3 / 8);
        dc.RemoveClip();
        dc.FillSolidRect({0, height / 2, width, height}, colours::kBlack);
        ASSERT_GT(dc.EndPage(), 0);
        ASSERT_GT(dc.EndDoc(), 0);
    }
    // The mean grey of the page's quarters, row by row: 0 black, 1 white.
    std::istringstream means(ShellOutput("pdftoppm -r 20 -gray -singlefile '" + pdf +
                                         "' | convert - -crop 50%x50% -format '%[fx:mean] ' info:"));
    double topLeft = -1, topRight = -1, bottomLeft = -1, bottomRight = -1;
    means >> topLeft >> topRight >> bottomLeft >> bottomRight;
    EXPECT_LT(topLeft, 0.5);
    EXPECT_GT(topRight, 0.99) << "nothing is drawn outside the clip";
    EXPECT_LT(bottomLeft, 0.5);
    EXPECT_LT(bottomRight, 0.5) << "without the clip the page is drawn on again";
    std::remove(pdf.c_str());
}

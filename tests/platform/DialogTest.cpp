#include "WindowTestSupport.h"

#include "platform/gfx/Screen.h"
#include "platform/window/Dialog.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/qt/WndPrivate.h"

#include <gtest/gtest.h>

#include <functional>

using namespace windowtest;
using platform::simulate::PostKey;
using platform::simulate::PostCloseButton;

namespace {

constexpr int kTemplate = 9175;
constexpr int kSliderId = 177;

// A rate dialog's layout: a track bar above two labels, 130 x 48 units.
void RegisterRateTemplate()
{
    DialogTemplate rate;
    rate.title = "Rate";
    rate.units = Rect::FromSize(20, 10, 130, 48);
    rate.items = {{DialogItemKind::TrackBar, "", kSliderId, Rect::FromSize(15, 8, 100, 20), TBS_AUTOTICKS},
                  {DialogItemKind::Static, "Smoothest", 1, Rect::FromSize(10, 30, 38, 8), 0},
                  {DialogItemKind::Static, "Fastest", 2, Rect::FromSize(95, 30, 30, 8), 0}};
    RegisterDialogTemplate(kTemplate, rate);
}

// A dialog that does something of the test's once it is initialised.
class ScriptedDialog : public CDialog {
public:
    std::function<void(CDialog&)> onInit;
    bool OnInitDialog() override
    {
        if (onInit)
            onInit(*this);
        return true;
    }
};

bool Enabled(CWnd& window) { return WndPrivate::Of(&window)->Outer()->isEnabled(); }

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterRateTemplate();
        ASSERT_TRUE(owner.CreateTopLevel("owner", Rect::FromSize(100, 50, 400, 300)));
    }
    RecordingWnd owner;
};

} // namespace

// Rounding to the nearest pixel: 15 units at a base width of 6 are 22.5 pixels, and 20 units at
// a base height of 13 are 32.5; both halves go up.
TEST(DialogUnits, TurnIntoPixelsRoundedToTheNearest)
{
    const Size base{6, 13};
    EXPECT_EQ(DialogUnitsToPixels(Rect::FromSize(0, 0, 130, 48), base), (Rect{0, 0, 195, 78}));
    EXPECT_EQ(DialogUnitsToPixels(Rect::FromSize(15, 8, 100, 20), base), (Rect{23, 13, 173, 46}));
    EXPECT_EQ(DialogUnitsToPixels(Rect::FromSize(10, 30, 38, 8), base), (Rect{15, 49, 72, 62}));
}

TEST_F(Dialogs, ModelessDialogTakesItsSizeAndPlacesFromItsFont)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kTemplate, &owner));
    CFont font;
    font.CreateFont(-((platform::CurrentScreen().logPixelsY * 8 + 36) / 72), 0, 0, 0, 400, false, false, false, 0, 0, 0, 0,
                    0, "MS Sans Serif");
    const Size base = DialogBaseUnits(font);
    ASSERT_GT(base.width, 0);
    ASSERT_GT(base.height, 0);

    Rect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, DialogUnitsToPixels(Rect::FromSize(0, 0, 130, 48), base));
    Point topLeft{};
    dialog.ClientToScreen(&topLeft);
    Point ownerTopLeft{};
    owner.ClientToScreen(&ownerTopLeft);
    EXPECT_EQ(topLeft, (Point{ownerTopLeft.x + (20 * base.width + 2) / 4, ownerTopLeft.y + (10 * base.height + 4) / 8}));

    auto* slider = dynamic_cast<CSliderCtrl*>(dialog.GetDlgItem(kSliderId));
    ASSERT_NE(slider, nullptr);
    Rect sliderRect;
    slider->GetWindowRect(&sliderRect);
    dialog.ScreenToClient(&sliderRect);
    EXPECT_EQ(sliderRect, DialogUnitsToPixels(Rect::FromSize(15, 8, 100, 20), base));
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_TRUE(Enabled(owner)) << "a modeless dialog leaves its owner usable";

    // A window manager's frame arriving later leaves the client area as the template made it.
    const Rect made = client;
    platform::simulate::WindowManagerFrameAppears(&dialog, 4, 22, 4, 4);
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, made);
}

TEST_F(Dialogs, EscapeAndTheCloseButtonCancelAModelessDialog)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kTemplate, &owner));
    platform::simulate::SendKey(&dialog, VK_ESCAPE, false);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.IsWindow()) << "a modeless dialog is only hidden; its owner destroys it";

    dialog.ShowWindow(SW_SHOW);
    platform::simulate::SendCloseButton(&dialog);
    EXPECT_FALSE(dialog.IsWindowVisible());
}

// Each way out of a modal dialog, with the answer DoModal gives and the owner usable again.
TEST_F(Dialogs, ModalDialogRunsUntilEndedAndAnswersHow)
{
    struct Case {
        const char* name;
        std::function<void(CDialog&)> end;
        int answer;
    };
    const Case cases[] = {
        {"Return", [](CDialog& d) { PostKey(&d, VK_RETURN, false); }, IDOK},
        {"Escape", [](CDialog& d) { PostKey(&d, VK_ESCAPE, false); }, IDCANCEL},
        {"close button", [](CDialog& d) { PostCloseButton(&d); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        ScriptedDialog dialog;
        bool ownerDisabled = false;
        dialog.onInit = [&](CDialog& d) {
            ownerDisabled = !Enabled(owner);
            c.end(d);
        };
        EXPECT_EQ(dialog.DoModal(kTemplate, &owner), c.answer) << c.name;
        EXPECT_TRUE(ownerDisabled) << c.name;
        EXPECT_TRUE(Enabled(owner)) << c.name;
        EXPECT_FALSE(dialog.IsWindow()) << c.name;
    }
}

TEST_F(Dialogs, QuitDuringAModalDialogCancelsItAndReachesTheLoopOutside)
{
    ScriptedDialog dialog;
    dialog.onInit = [](CDialog&) { PostQuitMessage(7); };
    EXPECT_EQ(dialog.DoModal(kTemplate, &owner), IDCANCEL);

    int quitCode = -1;
    platform::PumpWaitingMessages([&](const Msg& message) {
        if (message.kind != MessageKind::Quit)
            return PumpAction::Dispatch;
        quitCode = message.exitCode;
        return PumpAction::Consume;
    });
    EXPECT_EQ(quitCode, 7);
}

TEST_F(Dialogs, UnknownTemplateMakesNoWindow)
{
    CDialog modeless;
    EXPECT_FALSE(modeless.Create(1, &owner));
    EXPECT_FALSE(modeless.IsWindow());
    CDialog modal;
    EXPECT_EQ(modal.DoModal(1, &owner), -1);
    EXPECT_TRUE(Enabled(owner));
}

#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/Resources.h"

#include <cassert>

namespace {

// A title bar and a system menu; no sizing border, no minimise or maximise button.
constexpr unsigned kPictureStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

struct Reminder {
    int command;
    int bitmapId;
    const char* title;
    std::unique_ptr<CShowWindow> CMainFrame::*field;
};

}

void CMainFrame::ShowReminder(int id)
{
    assert(id >= cmd::kUsefulTools && id <= cmd::kRealLife && "ShowReminder takes the id of a Reminders item");
    static const Reminder kReminders[] = {
        {cmd::kUsefulTools, res::kToolsBitmap, "Useful tools", &CMainFrame::toolsWindow},
        {cmd::kEnergyMomentum, res::kEnergyBitmap, "Courtesy of Quillon", &CMainFrame::energyWindow},
        {cmd::kMotionInField, res::kMotionBitmap, "Motion in a Magnetic Field", &CMainFrame::motionWindow},
        {cmd::kRealLife, res::kRealLifeBitmap, "We have to admit...", &CMainFrame::realLifeWindow},
    };
    for (const Reminder& reminder : kReminders) {
        if (reminder.command == id)
            ShowPicture(this->*reminder.field, reminder.bitmapId, reminder.title, false);
    }
}

void CMainFrame::ShowAbout()
{
    ShowPicture(aboutWindow, res::kAboutBitmap, " ", true);
}

void CMainFrame::ShowPicture(std::unique_ptr<CShowWindow>& field, int bitmapId, const char* title, bool centred)
{
    if (session_.trackmakerActive)
        SetTrackmakerMode(0);
    if (field) {
        ShowOnTop(field.get());
        ActivateToolWindow(field.get());
        return;
    }
    field = std::make_unique<CShowWindow>(*this, bitmapId);
    if (!field->CreateEx(0, pictureClass, title, kPictureStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, this)) {
        field.reset();
        return;
    }
    res::ApplyProgramIcon(*field);
    field->SizeToBitmap();
    if (centred)
        field->CenterWindow();
    field->ShowWindow(SW_SHOW);
    field->UpdateWindow();
}

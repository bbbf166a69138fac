#include "WindowTestSupport.h"

#include "platform/window/Controls.h"

#include <gtest/gtest.h>

#include <memory>

using namespace windowtest;

namespace {

using Notice = RecordingWnd::ControlNotice;

class Controls : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(parent.CreateTopLevel("controls", Rect::FromSize(0, 0, 400, 300))); }

    template <typename Control>
    Control& Make(const std::string& text, unsigned style, int id, Rect rect = {10, 10, 110, 30})
    {
        auto control = std::make_unique<Control>();
        EXPECT_TRUE(control->Create(text, style | WS_VISIBLE, rect, &parent, id));
        Control& made = *control;
        made_.push_back(std::move(control));
        return made;
    }

    RecordingWnd parent;

private:
    std::vector<std::unique_ptr<CWnd>> made_;
};

TEST_F(Controls, UserActionsReachTheParentWithCodeAndControl)
{
    CButton& push = Make<CButton>("Clear", BS_PUSHBUTTON, 141);
    CComboBox& list = Make<CComboBox>("", CBS_DROPDOWNLIST | WS_BORDER, 143);
    list.AddString("1000-10000");
    list.AddString("100-1000");
    push.Click();
    list.Choose(1);
    list.Choose(1);
    EXPECT_EQ(parent.notices, (std::vector<Notice>{{141, BN_CLICKED, &push}, {143, CBN_SELCHANGE, &list},
                                                   {143, CBN_SELCHANGE, &list}}));
    EXPECT_EQ(push.GetDlgCtrlID(), 141);
}

TEST_F(Controls, ListSelectionSetByTheProgramTellsNobody)
{
    CComboBox& list = Make<CComboBox>("", CBS_DROPDOWNLIST, 143);
    EXPECT_EQ(list.GetCurSel(), CB_ERR);
    for (const char* entry : {"a", "b", "c"})
        list.AddString(entry);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetCurSel(), CB_ERR);
    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.GetLBText(2), "c");
    EXPECT_EQ(list.SetCurSel(3), CB_ERR);
    EXPECT_EQ(list.GetCurSel(), CB_ERR);
    list.Choose(7);
    EXPECT_TRUE(parent.notices.empty());
}

// A group runs from a button with WS_GROUP to the next one; a click checks one of its buttons
// and unchecks the others of the same group only.
TEST_F(Controls, RadioButtonsCheckOneOfTheirGroup)
{
    CButton& xy = Make<CButton>("X-Y", BS_AUTORADIOBUTTON | WS_GROUP, 1);
    CButton& yz = Make<CButton>("Y-Z", BS_AUTORADIOBUTTON, 2);
    CButton& xz = Make<CButton>("X-Z", BS_AUTORADIOBUTTON, 3);
    CButton& other = Make<CButton>("other", BS_AUTORADIOBUTTON | WS_GROUP, 4);
    other.SetCheck(BST_CHECKED);
    xy.SetCheck(BST_CHECKED);
    yz.Click();
    EXPECT_EQ(xy.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(yz.GetCheck(), BST_CHECKED);
    EXPECT_EQ(xz.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(other.GetCheck(), BST_CHECKED);
    xz.Click();
    EXPECT_EQ(yz.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(other.GetCheck(), BST_CHECKED);
    EXPECT_EQ(parent.notices.back(), (Notice{3, BN_CLICKED, &xz}));
}

TEST_F(Controls, TrackBarStaysInItsRangeAndTellsEachMove)
{
    CSliderCtrl& bar = Make<CSliderCtrl>("", TBS_HORZ | TBS_AUTOTICKS, 176, {10, 10, 210, 40});
    bar.SetRange(1, 9);
    bar.SetPageSize(2);
    bar.SetPos(20);
    EXPECT_EQ(bar.GetPos(), 9);
    bar.SetPos(5);
    EXPECT_TRUE(parent.scrolls.empty());
    bar.UserMove(CSliderCtrl::Move::LineDown);
    bar.UserMove(CSliderCtrl::Move::PageUp);
    bar.UserMove(CSliderCtrl::Move::Drag, 100);
    EXPECT_EQ(parent.scrolls,
              (std::vector<Notice>{{int(TB_LINEDOWN), 6, &bar}, {int(TB_ENDTRACK), 6, &bar},
                                   {int(TB_PAGEUP), 4, &bar}, {int(TB_ENDTRACK), 4, &bar},
                                   {int(TB_THUMBTRACK), 9, &bar}, {int(TB_THUMBPOSITION), 9, &bar},
                                   {int(TB_ENDTRACK), 9, &bar}}));
    EXPECT_EQ(bar.GetRangeMin(), 1);
    EXPECT_EQ(bar.GetRangeMax(), 9);
}

TEST_F(Controls, StaticTextFollowsItsWindowText)
{
    CStatic& label = Make<CStatic>("Zoom", SS_CENTER, 0xFFFF);
    label.SetText("Tools");
    EXPECT_EQ(label.GetWindowText(), "Tools");
    Rect client;
    label.GetClientRect(&client);
    EXPECT_EQ(client, (Rect{0, 0, 100, 20}));
}

} // namespace

// What the pages share: the current list, the log prefixes, and the machine without a wrapper.
#include "page_fixture.h"

#include "../../../tool/pages/axis/current_list.h"
#include "../../../tool/pages/common/page_log.h"
#include "../../../tool/ui/log_window.h"

namespace {

using testing::Return;

TEST(CurrentList, OffersFiftySeventyAndHundredForTheThreeAxesOnly) {
  const std::vector<std::string> expected{"50%", "70%", "100%"};
  EXPECT_EQ(CurrentEntriesFor("X"), expected);
  EXPECT_EQ(CurrentEntriesFor("Y"), expected);
  EXPECT_EQ(CurrentEntriesFor("Z"), expected);
  EXPECT_TRUE(CurrentEntriesFor("A").empty());
  EXPECT_TRUE(CurrentEntriesFor("x").empty());
}

TEST(CurrentList, TheCurrentIsTheLeadingNumber) {
  EXPECT_EQ(LeadingPercent("50%"), 50);
  EXPECT_EQ(LeadingPercent("100%"), 100);
  EXPECT_EQ(LeadingPercent(" 70 %"), 70);
  EXPECT_EQ(LeadingPercent("%"), 0);
  EXPECT_EQ(LeadingPercent("99999999999%"), 999);
}

class CPanel : public CLogWindow {
 public:
  void ShowText(const std::string& text) override { shown = text; }
  std::string shown;
};

class PageLogTest : public PageFixture {
 protected:
  CPanel panel;
};

TEST_F(PageLogTest, TheDeviceNameIsAskedForIndexOne) {
  EXPECT_CALL(fake, GetDeviceNameAt(1)).WillOnce(Return("queue 1"));
  CPageLog pageLog(&panel, LogPrefix::kDeviceName, machine);
  pageLog.AddLog("Aiging");
}

TEST_F(PageLogTest, TheSubPageUsesThePanelsOwnName) {
  EXPECT_CALL(fake, GetDeviceNameAt(testing::_)).Times(0);
  panel.SetLogName("Varnel HVX-40");
  CPageLog pageLog(&panel, LogPrefix::kLogWindowName, machine);
  pageLog.AddLog("Set user compensation");
  EXPECT_EQ(panel.shown, "Set user compensation\r\n");
}

TEST_F(PageLogTest, WithoutAWrapperEveryOperationFailsAsAnUnboundOneDoes) {
  CPageMachine none{[] { return static_cast<CHVXController*>(nullptr); }};
  MachineStatus status{7, 7};
  AxisVector v{};
  int x = 1, y = 1, z = 1;
  EXPECT_FALSE(none.ReadStatus(status));
  EXPECT_EQ(status.stateWord, 7u);
  EXPECT_FALSE(none.GetCurrentPosition(v));
  EXPECT_FALSE(none.MoveTo(v, 100));
  EXPECT_FALSE(none.MoveAxis(kAxisX, 0, 100, 50));
  EXPECT_EQ(none.GetInputState(), 0);
  EXPECT_FALSE(none.GetUserCompensation(x, y, z));
  EXPECT_FALSE(none.OutputFile("a", "output"));
  EXPECT_EQ(none.DeviceName(), "");
  EXPECT_TRUE(none.MayStartJob());
}

}  // namespace

#include "page_fixture.h"

#include "../../../tool/pages/axis/current_list.h"
#include "../../../tool/pages/common/page_log.h"
#include "../../../tool/ui/log_window.h"

namespace {

TEST(CurrentList, OffersFiftySeventyAndHundredForTheThreeAxesAndReadsTheLeadingNumber) {
  const std::vector<std::string> expected{"50%", "70%", "100%"};
  for (const char* axis : {"X", "Y", "Z"}) EXPECT_EQ(CurrentEntriesFor(axis), expected);
  EXPECT_TRUE(CurrentEntriesFor("A").empty());
  EXPECT_TRUE(CurrentEntriesFor("x").empty());
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

using PageLogTest = PageFixture;

TEST_F(PageLogTest, TheDeviceNameIsAskedForIndexOneAndTheSubPageUsesThePanelsName) {
  CPanel axisPanel, panel;
  EXPECT_CALL(fake, GetDeviceNameAt(1)).WillOnce(testing::Return("queue 1"));
  CPageLog(&axisPanel, LogPrefix::kDeviceName, machine).AddLog("Aiging");
  testing::Mock::VerifyAndClearExpectations(&fake);
  EXPECT_CALL(fake, GetDeviceNameAt(testing::_)).Times(0);
  panel.SetLogName("Varnel HVX-40");
  CPageLog(&panel, LogPrefix::kLogWindowName, machine).AddLog("Set user compensation");
  EXPECT_EQ(panel.shown, "Set user compensation\r\n");
}

TEST(PageMachine, WithoutAWrapperEveryOperationFailsAsAnUnboundOneDoes) {
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

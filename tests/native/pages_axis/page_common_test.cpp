#include "page_fixture.h"

#include "../../../service/log/log_window.h"
#include "../../../service/procedures/axis/current_list.h"
#include "../../../service/procedures/common/elapsed_text.h"
#include "../../../service/procedures/common/page_log.h"
#include "support/memory_log_book.h"

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

// A page's entries once landed in "_log00.txt" (the library's name for the device, empty with
// the emulator) while the main window wrote "Varnel HVX-40_log00.txt".
TEST_F(PageLogTest, EveryPageFilesItsEntriesUnderThePanelsNameAsTheMainWindowDoes) {
  CPanel panel;
  ScratchLogBook book;
  EXPECT_CALL(fake, GetDeviceNameAt(testing::_)).Times(0);
  panel.SetLogName("Varnel HVX-40");
  CPageLog(&panel).AddLog("Aiging");
  CPageLog(nullptr).AddLog("LoadChecked X");
  EXPECT_EQ(panel.shown, "Aiging\r\n");
  EXPECT_EQ(book.FileText("Varnel HVX-40"), "Aiging\r\nLoadChecked X\r\n");
  EXPECT_EQ(book.FileText(""), "") << "no second record";
}

TEST(ElapsedText, MinutesAndSecondsThenHoursAndTheCyclesOfARepeatingTest) {
  EXPECT_EQ(ElapsedText(0), "Elapsed time: 0:00");
  EXPECT_EQ(ElapsedText(65999), "Elapsed time: 1:05");
  EXPECT_EQ(ElapsedText(3599000), "Elapsed time: 59:59");
  EXPECT_EQ(ElapsedText(3600000 * 2 + 3 * 60000 + 7000), "Elapsed time: 2:03:07");
  EXPECT_EQ(ElapsedText(0xFFFFFFFFu), "Elapsed time: 1193:02:47");
  EXPECT_EQ(ProgressLine(12000, -1), "Elapsed time: 0:12");
  EXPECT_EQ(ProgressLine(12000, 3), "Elapsed time: 0:12   Cycles: 3");
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
  EXPECT_EQ(none.GetInputState(), -1) << "no wrapper read nothing";
  EXPECT_FALSE(none.GetUserCompensation(x, y, z));
  EXPECT_FALSE(none.OutputFile("a", "output"));
  EXPECT_EQ(none.DeviceName(), "");
  EXPECT_TRUE(none.MayStartJob());
}

}  // namespace

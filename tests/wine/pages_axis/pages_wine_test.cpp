// The pages against the emulator: what reaches the machine, what the engineer is told, and how
// each dialog looks (screenshots in build/<tree>/screenshots).
#include <atomic>

#include "page_robot.h"
#include "pages_host.h"
#include "../../../tool/resources/resource.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;

const char kLoadQuestionStart[] = "Remove the following parts.\n1) tool installed in spindle";
const char kAgeingQuestionStart[] = "Remve the following parts.";
// MoveTo at speed 3000 to X 203200, Y 0, Z -60500: the far corner of the ageing run.
const char kFarCornerMove[] = "W 0263 b80b0000c019030000000000ac13ffff";

void ChooseEntry(CDialog& page, int list, int index) {
  SendMessageA(page.Item(list), CB_SETCURSEL, index, 0);
}

std::vector<std::string> ListEntries(CDialog& page, int list) {
  std::vector<std::string> entries;
  const int count = static_cast<int>(SendMessageA(page.Item(list), CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[32] = "";
    SendMessageA(page.Item(list), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

class AxisPageTest : public PagesHostTest {
 protected:
  // Chooses the axis, drops the current list down (which fills it again) and chooses a current.
  void ChooseLoadCheck(int axisIndex, int currentIndex) {
    ChooseEntry(*axis, IDC_AXIS_AXIS_LIST, axisIndex);
    SendMessageA(axis->Item(IDC_AXIS_CURRENT_LIST), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(axis->Item(IDC_AXIS_CURRENT_LIST), CB_SHOWDROPDOWN, FALSE, 0);
    ChooseEntry(*axis, IDC_AXIS_CURRENT_LIST, currentIndex);
  }
};

TEST_F(AxisPageTest, TheCurrentListIsFilledAgainWhenItDropsDown) {
  EXPECT_EQ(ListEntries(*axis, IDC_AXIS_CURRENT_LIST),
            (std::vector<std::string>{"50%", "80%", "100%"}));
  ChooseLoadCheck(0, 2);
  EXPECT_EQ(ListEntries(*axis, IDC_AXIS_CURRENT_LIST),
            (std::vector<std::string>{"50%", "70%", "100%"}));
  Screenshot(host, "axis_and_sub_pages");
}

TEST_F(AxisPageTest, ALoadCheckAt100PercentReachesTheSensorAndSucceeds) {
  ChooseLoadCheck(0, 2);
  std::atomic<bool> pictured{false};
  std::string elapsed;
  CPageRobot robot([&](DWORD ui) {
    // Pictured once the axis drive has begun: the box has long been painted by then.
    HWND box = FindBox(ui, "Now Processsing");
    if (box == nullptr || pictured || JournalLines("W 0350").empty()) return;
    elapsed = WindowTextOf(GetDlgItem(box, IDC_PROCESS_ELAPSED));
    Screenshot(box, "process_box");
    pictured = true;
  });
  Click(*axis, IDC_AXIS_LOAD_START);
  EXPECT_THAT(robot.BoxTexts(), ElementsAre(HasSubstr(kLoadQuestionStart), "Success to load."));
  // Current 100 %, speed 1000, first to the far end of X, then onto its sensor.
  EXPECT_EQ(JournalLines("W 0350"), (std::vector<std::string>{"W 0350 6400e803c0190300",
                                                              "W 0350 6400e8033cf6ffff"}));
  EXPECT_EQ(Dumped("x"), "0");
  EXPECT_EQ(Dumped("y"), "152400");
  EXPECT_THAT(panel.shown, HasSubstr("LoadChecked X\r\n"));
  // Newest first: the verdict stands above the line it follows.
  EXPECT_LT(panel.shown.find("Load check X passed: the axis reached its limit sensor\r\n"),
            panel.shown.find("LoadChecked X\r\n"));
  EXPECT_TRUE(pictured);
  EXPECT_THAT(elapsed, testing::MatchesRegex("Elapsed time: 0:\\d\\d"));
}

TEST_F(AxisPageTest, ALoadCheckOfAStallingAxisFails) {
  ASSERT_TRUE(emulator.Send("load x 80"));
  ChooseLoadCheck(0, 0);
  CPageRobot robot;
  Click(*axis, IDC_AXIS_LOAD_START);
  EXPECT_THAT(robot.BoxTexts(),
              ElementsAre(HasSubstr(kLoadQuestionStart),
                          "Failed to load.\r\nPush the operation button to restore."));
}

TEST_F(AxisPageTest, AgeingRunsUntilCancelledThenStopsTheSpindleAndParks) {
  CheckDlgButton(axis->Handle(), IDC_AXIS_WITH_SPINDLE, BST_CHECKED);
  std::atomic<bool> cancelled{false};
  std::string spindleWhileRunning;
  std::string progressLine;
  CPageRobot robot([&](DWORD ui) {
    HWND box = FindBox(ui, "Now Processsing");
    if (box == nullptr || cancelled) return;
    if (JournalLines(kFarCornerMove).size() < 2) return;
    spindleWhileRunning = Dumped("spindle_set_rpm");
    progressLine = WindowTextOf(GetDlgItem(box, IDC_PROCESS_ELAPSED));
    Screenshot(box, "process_box_ageing");
    cancelled = true;
    ClickButton(box, IDCANCEL);
  });
  Click(*axis, IDC_AXIS_AGING_START);
  EXPECT_TRUE(cancelled);
  EXPECT_THAT(robot.BoxTexts(), ElementsAre(HasSubstr(kAgeingQuestionStart), "Cancelled the job"));
  EXPECT_EQ(spindleWhileRunning, "7000");
  EXPECT_EQ(Dumped("spindle_set_rpm"), "0");
  EXPECT_EQ(Dumped("x"), "0");
  EXPECT_EQ(Dumped("y"), "152400");
  EXPECT_EQ(Dumped("z"), "0");
  EXPECT_THAT(panel.shown, HasSubstr("Aiging\r\n"));
  EXPECT_THAT(progressLine, testing::MatchesRegex("Elapsed time: 0:\\d\\d   Cycles: 1"));
  // On a busy machine the cancel may arrive after the next cycle began.
  EXPECT_THAT(panel.shown, testing::ContainsRegex("Ageing ended after \\d+ cycles?: cancelled\r\n"));
}

class SubPageTest : public PagesHostTest {};

TEST_F(SubPageTest, TheSensorCheckCompletesWithTheCoverOpenedAndClosed) {
  enum Stage { kStart, kOpenCover, kCloseCover, kFinish, kRestarted, kDone };
  std::atomic<int> stage{kStart};
  std::string report, restartedReport, elapsed;
  bool restartedTicks = true;
  CPageRobot robot([&](DWORD ui) {
    HWND box = FindBox(ui, "Senser Check");
    if (box == nullptr) return;
    const std::string text = WindowTextOf(GetDlgItem(box, IDC_SENSOR_REPORT));
    switch (stage) {
      case kStart: ClickButton(box, IDOK); stage = kOpenCover; break;
      case kOpenCover:
        if (text.find("Open and close the cover") == std::string::npos) break;
        emulator.Send("cover open");
        stage = kCloseCover;
        break;
      case kCloseCover:
        if (WindowTextOf(GetDlgItem(box, IDC_SENSOR_COVER)) != "OPEN") break;
        emulator.Send("cover close");
        stage = kFinish;
        break;
      case kFinish:
        if (text.find("Finished Sensor Check") == std::string::npos) break;
        report = text;
        elapsed = WindowTextOf(GetDlgItem(box, IDC_SENSOR_ELAPSED));
        Screenshot(box, "sensor_check_box");
        ClickButton(box, IDOK);  // a second run starts clean
        stage = kRestarted;
        break;
      case kRestarted:
        restartedReport = text;
        restartedTicks = IsWindowVisible(GetDlgItem(box, IDC_SENSOR_X_CHECKED)) ||
                         IsDlgButtonChecked(box, IDC_SENSOR_COVER_CHECKED);
        Screenshot(box, "sensor_check_box_restarted");
        ClickButton(box, IDCANCEL);
        stage = kDone;
        break;
    }
  });
  Click(*sub, IDC_SUB_SENSOR_START);
  ASSERT_EQ(stage, kDone);
  EXPECT_THAT(report, HasSubstr("X limit sensor was checked\r\n"));
  EXPECT_THAT(report, HasSubstr("Y limit sensor was checked\r\n"));
  EXPECT_THAT(report, HasSubstr("Z limit sensor was checked\r\n"));
  EXPECT_THAT(report, HasSubstr("Cover sensor was checked\r\n\r\n\r\nFinished Sensor Check\r\n"));
  EXPECT_THAT(panel.shown, HasSubstr("Checked Sensor\r\n"));
  EXPECT_THAT(panel.shown, HasSubstr("Sensor Check Starts\r\n"));
  EXPECT_THAT(elapsed, testing::MatchesRegex("Elapsed time: \\d+:\\d\\d"));
  EXPECT_EQ(restartedReport.find("checked"), std::string::npos) << restartedReport;
  EXPECT_FALSE(restartedTicks) << "the ticks of the first run stayed";
  // The second run was left unfinished, and the record says so.
  EXPECT_THAT(panel.shown, HasSubstr("Sensor check ended unfinished: not checked: "));
}

TEST_F(SubPageTest, ACalibrationSendsTheXProgramAndSetStoresTheMeasuredLength) {
  enum Stage { kOutput, kEnter, kDone };
  std::atomic<int> stage{kOutput};
  CPageRobot robot([&](DWORD ui) {
    HWND box = FindBox(ui, "Calibration");
    if (box == nullptr) return;
    if (stage == kOutput) {
      Screenshot(box, "calibration_box");
      ClickButton(box, IDC_CALIB_OUTPUT_X);
      stage = kEnter;
    } else if (stage == kEnter && !JournalLines("F ").empty()) {
      SendMessageA(GetDlgItem(box, IDC_CALIB_X_LENGTH), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>("99.8"));
      ClickButton(box, IDC_CALIB_SET);
      stage = kDone;
    }
  });
  Click(*sub, IDC_SUB_CALIB_START);
  ASSERT_EQ(stage, kDone);
  EXPECT_THAT(robot.BoxTexts(), ElementsAre("a tool and workpiece are readyfor cutting?"));
  const std::vector<std::string> files = JournalLines("F ");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_THAT(files[0], HasSubstr("cutdata.prn "));
  const std::string hex = files[0].substr(files[0].rfind(' ') + 1);
  EXPECT_EQ(hex.size(), 2u * 294);
  EXPECT_EQ(hex.substr(0, 14), "216d63303b0d0a");  // "!mc0;\r\n"
  EXPECT_EQ(Dumped("user_compensation"), "-2000,0,0");
  EXPECT_THAT(panel.shown, HasSubstr("Set user value\r\n"));
  // The page shows the compensation the box stored, not the one from before.
  EXPECT_EQ(WindowTextOf(sub->Item(IDC_SUB_X_PERCENT)), "99.8");
}

TEST_F(SubPageTest, ManualSetWritesTheEnteredPercentages) {
  SendMessageA(sub->Item(IDC_SUB_MANUAL), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindowEnabled(sub->Item(IDC_SUB_CALIB_START)));
  EXPECT_EQ(WindowTextOf(sub->Item(IDC_SUB_X_PERCENT)), "100");
  SetWindowTextA(sub->Item(IDC_SUB_X_PERCENT), "100.1");
  SetWindowTextA(sub->Item(IDC_SUB_Y_PERCENT), "99.9");
  Click(*sub, IDC_SUB_SET);
  EXPECT_EQ(Dumped("user_compensation"), "1000,-1000,0") << "the typed decimals, not a ppm less";
  Screenshot(sub->Handle(), "sub_page_manual");
  // An entry outside the range is refused and not sent.
  SetWindowTextA(sub->Item(IDC_SUB_X_PERCENT), "99.4");
  CPageRobot robot;
  Click(*sub, IDC_SUB_SET);
  EXPECT_THAT(robot.BoxTexts(), ElementsAre("Please enter a number between 99.5 and 100.5."));
  EXPECT_EQ(Dumped("user_compensation"), "1000,-1000,0");
}

// The calibration box must not zero, and then restore as zero, values it never read.
TEST_F(SubPageTest, ACalibrationBoxThatCannotReadTheCompensationLeavesItAlone) {
  SendMessageA(sub->Item(IDC_SUB_MANUAL), BM_CLICK, 0, 0);
  SetWindowTextA(sub->Item(IDC_SUB_X_PERCENT), "100.2");
  Click(*sub, IDC_SUB_SET);
  ASSERT_EQ(Dumped("user_compensation"), "2000,0,0");
  SendMessageA(sub->Item(IDC_SUB_AUTO), BM_CLICK, 0, 0);
  ASSERT_TRUE(emulator.Send("fault shortreply on"));
  std::atomic<bool> boxShown{false};
  CPageRobot robot([&](DWORD ui) {
    if (FindBox(ui, "Calibration") != nullptr) boxShown = true;
  });
  Click(*sub, IDC_SUB_CALIB_START);
  EXPECT_THAT(robot.BoxTexts(), ElementsAre("Failed to get user value"));
  EXPECT_FALSE(boxShown) << "the calibration box opened without the machine's values";
  EXPECT_EQ(Dumped("user_compensation"), "2000,0,0");
}

// A refused Set closes the box with the values of opening back in force, not at zero.
TEST_F(SubPageTest, ACalibrationSetTheMachineRefusesRestoresTheValuesOfOpening) {
  SendMessageA(sub->Item(IDC_SUB_MANUAL), BM_CLICK, 0, 0);
  SetWindowTextA(sub->Item(IDC_SUB_Y_PERCENT), "99.7");
  Click(*sub, IDC_SUB_SET);
  ASSERT_EQ(Dumped("user_compensation"), "0,-3000,0");
  SendMessageA(sub->Item(IDC_SUB_AUTO), BM_CLICK, 0, 0);
  std::atomic<bool> setPressed{false};
  CPageRobot robot([&](DWORD ui) {
    HWND box = FindBox(ui, "Calibration");
    if (box == nullptr || setPressed) return;
    Screenshot(box, "calibration_box_opened");
    emulator.Send("fault error on");  // the next command, the Set, is refused
    SendMessageA(GetDlgItem(box, IDC_CALIB_X_LENGTH), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("99.8"));
    ClickButton(box, IDC_CALIB_SET);
    setPressed = true;
  });
  Click(*sub, IDC_SUB_CALIB_START);
  ASSERT_TRUE(setPressed);
  EXPECT_THAT(robot.BoxTexts(), ElementsAre("Failed to set user value"));
  EXPECT_EQ(Dumped("user_compensation"), "0,-3000,0");
  EXPECT_THAT(panel.shown, HasSubstr("Failed to set user value\r\n"));
}

}  // namespace

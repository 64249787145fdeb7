// System Report: the text shown, its trailer by machine state, the messages, and saving.
#include "../../../service/procedures/info/report_file.h"
#include "../../../service/procedures/info/system_report.h"
#include "info_fixture.h"

using testing::_;
using testing::Return;

namespace {

const ReportTime kDecemberSeventh{2026, 12, 7, 6, 5};

// GetSystemReport delivering text with its terminating zero.
auto DeliverReport(std::string text) {
  return [text](char* buffer, int size) {
    std::string withZero = text + '\0';
    if (static_cast<int>(withZero.size()) > size) return -1;
    std::copy(withZero.begin(), withZero.end(), buffer);
    return static_cast<int>(withZero.size());
  };
}

class SystemReportTest : public InfoPageFixture {
 protected:
  std::string Fetch(uint32_t stateWord) {
    ON_CALL(fake, GetStatus(_, _)).WillByDefault(hvxtest::ReturnStatus(stateWord));
    report.Get();
    return windows.shownReports.empty() ? "(no viewer)" : windows.shownReports.back();
  }

  CSystemReport report{Source(), windows, windows, windows, [] { return kDecemberSeventh; }};
};

// One view is one "Opened report": the record once counted every view twice.
TEST_F(SystemReportTest, ShowsTheReportWithTheDateLineLoggedOncePerView) {
  EXPECT_CALL(fake, GetSystemReport(_, 1000000)).WillOnce(DeliverReport("Serial: X\r\n"));
  EXPECT_EQ(Fetch(0x2), "Serial: X\r\n\n2026-12-7 6:5");
  EXPECT_EQ(journal, (Journal{"log: Opened report", "viewer"}));
}

TEST_F(SystemReportTest, MarksTheReportOnlyWhileTheMachineInitialises) {
  ON_CALL(fake, GetSystemReport(_, _)).WillByDefault(DeliverReport("R"));
  for (uint32_t state : {0u, 1u, 8u, 9u, 0x20000u | 1u}) {
    EXPECT_EQ(Fetch(state), "R\n -- THIS REPORT IS IN INITIALIZING -- \n2026-12-7 6:5")
        << "state word " << state;
  }
  for (uint32_t state : {2u, 3u, 4u, 10u, 11u, 0x81000000u | 2u}) {
    EXPECT_EQ(Fetch(state), "R\n2026-12-7 6:5") << "state word " << state;
  }
  ON_CALL(fake, GetStatus(_, _)).WillByDefault(hvxtest::ReturnStatusNotRead());
  report.Get();
  EXPECT_EQ(windows.shownReports.back(), "R");  // an unreadable status adds nothing
}

TEST_F(SystemReportTest, RefusedReportIsLoggedToldAndNotShown) {
  EXPECT_CALL(fake, GetSystemReport(_, _)).WillOnce(Return(-1));
  EXPECT_CALL(fake, GetStatus(_, _)).Times(0);
  report.Get();
  EXPECT_EQ(journal,
            (Journal{"log: Failed to get system report", "tell: Failed to get system report"}));
}

TEST_F(SystemReportTest, TextEndsAtTheFirstZeroByteOrTheDeliveredCount) {
  const char delivered[] = {'a', 'b', '\0', 'c', 'd'};
  EXPECT_EQ(CSystemReport::DeliveredText(delivered, 5, 5), "ab");
  EXPECT_EQ(CSystemReport::DeliveredText("abcdef", 3, 7), "abc");
  EXPECT_EQ(CSystemReport::DeliveredText("abcdef", 9, 4), "abcd");
  EXPECT_EQ(CSystemReport::DeliveredText("abc", 0, 4), "");
}

class ReportSaveTest : public InfoPageFixture {};

TEST_F(ReportSaveTest, WritesTheTextWithTheTextFilterAndTheWildcardDefaultExtension) {
  windows.chosenPath = "C:\\r\\report.txt";
  EXPECT_TRUE(SaveReportText(windows, files, windows, "line 1\r\nline 2"));
  EXPECT_EQ(windows.lastFilter, "Text file (*.txt)|*.txt|all |*.*||");
  EXPECT_EQ(windows.lastDefaultExtension, "*");
  const std::string written(files.files["C:\\r\\report.txt"].begin(),
                            files.files["C:\\r\\report.txt"].end());
  EXPECT_EQ(written, "line 1\r\nline 2");

  EXPECT_EQ(EntriesStartingWith(journal, "log"),
            (Journal{"log: Saved report", "log: File written: C:\\r\\report.txt"}));

  windows.chosenPath = "r.txt";  // only up to the first zero byte
  SaveReportText(windows, files, windows, std::string("abc\0def", 7));
  EXPECT_EQ(files.files["r.txt"], (std::vector<uint8_t>{'a', 'b', 'c'}));
}

TEST_F(ReportSaveTest, DropsTheWildcardExtensionTheBoxAdded) {
  windows.chosenPath = "C:\\r\\report.*";
  EXPECT_TRUE(SaveReportText(windows, files, windows, "x"));
  EXPECT_EQ(files.files.count("C:\\r\\report"), 1u);
  EXPECT_EQ(files.files.count("C:\\r\\report.*"), 0u);

  EXPECT_EQ(WithoutWildcardExtension("a.*"), "a");
  EXPECT_EQ(WithoutWildcardExtension(".*"), ".*");
  EXPECT_EQ(WithoutWildcardExtension("a.*.txt"), "a.*.txt");
  EXPECT_EQ(WithoutWildcardExtension("a.txt"), "a.txt");
}

TEST_F(ReportSaveTest, CancelWritesNothingAndAFileErrorIsShown) {
  EXPECT_FALSE(SaveReportText(windows, files, windows, "x"));
  EXPECT_TRUE(files.files.empty());

  windows.chosenPath = "Z:\\locked.txt";
  files.failing.push_back("Z:\\locked.txt");
  EXPECT_FALSE(SaveReportText(windows, files, windows, "x"));
  EXPECT_EQ(Journal(journal.end() - 3, journal.end()),
            (Journal{"log: Failed to save report", "log: File not written: Z:\\locked.txt",
                     "file error: Z:\\locked.txt"}));
}

TEST(ReportViewerText, BreaksTheAppendedLinesWithoutDoublingExistingBreaks) {
  EXPECT_EQ(WithWindowsLineBreaks("a\r\nb\n -- M -- \n2026-1-2 3:4"),
            "a\r\nb\r\n -- M -- \r\n2026-1-2 3:4");
  EXPECT_EQ(WithWindowsLineBreaks("\n"), "\r\n");
}

}  // namespace

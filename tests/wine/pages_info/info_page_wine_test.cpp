// The Info page on the emulator: the report shown and saved, parameters saved and put back byte
// for byte, Clear User's commands in their order, and the serial number's length rule.
#include <algorithm>

#include "../../../tool/resources/resource.h"
#include "page_host.h"
#include "window_script.h"

using testing::HasSubstr;
using testing::MatchesRegex;

namespace {

class InfoPageWine : public PageHostTest {
 protected:
  void SetUp() override {
    PageHostTest::SetUp();
    if (HasFatalFailure()) return;
    info->Show(true);
  }

  // A fresh path in the temporary folder, so that no overwrite question comes up.
  static std::string FreshPath(const std::string& name) {
    const std::string path = TemporaryFolder() + name;
    DeleteFileA(path.c_str());
    return path;
  }

  void SaveParameters(const std::string& path) {
    CWindowScript script({ChooseFile(path)});
    Click(*info, IDC_INFO_PARAM_GET);
    ASSERT_EQ(script.Finish(), "");
  }

  // The command code of each control write since the mark, in order.
  std::vector<std::string> WrittenCodes() const {
    std::vector<std::string> codes;
    for (const std::string& line : Journalled("W ")) codes.push_back(line.substr(2, 4));
    return codes;
  }
};

TEST_F(InfoPageWine, TheReportIsShownWithItsDateLineAndSavedAsShown) {
  PumpFor(400);
  Picture(host, "info_page");
  const std::string savePath = FreshPath("hvx_report.txt");
  HWND viewer = nullptr;
  std::string shown;
  ScriptStep close{"the viewer again, after saving",
                   [&](HWND hwnd) {
                     return hwnd == viewer &&
                            GetFileAttributesA(savePath.c_str()) != INVALID_FILE_ATTRIBUTES;
                   },
                   [](HWND hwnd) { PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); },
                   true};
  CWindowScript script({OnWindow("Report",
                                 [&](HWND hwnd) {
                                   viewer = hwnd;
                                   shown = WindowText(GetDlgItem(hwnd, IDC_REPORT_TEXT));
                                   Picture(hwnd, "report_dlg");
                                   PostMessageA(hwnd, WM_COMMAND,
                                                MAKEWPARAM(IDC_REPORT_SAVE, BN_CLICKED), 0);
                                 }),
                        ChooseFile(savePath), close});
  Click(*info, IDC_INFO_REPORT_GET);
  ASSERT_EQ(script.Finish(), "");

  EXPECT_THAT(shown, testing::StartsWith("Varnel HVX-40 System Report\r\n"));
  const std::string dateLine = shown.substr(shown.rfind("\r\n") + 2);
  EXPECT_THAT(dateLine, MatchesRegex("\\d+-\\d+-\\d+ \\d+:\\d+"));
  EXPECT_EQ(shown.find("INITIALIZING"), std::string::npos);
  std::string shownAsSaved = shown;
  // The viewer breaks the appended date line with CR LF; the file keeps the bare LF.
  const size_t dateBreak = shownAsSaved.rfind("\r\n");
  shownAsSaved.erase(dateBreak, 1);
  EXPECT_EQ(ReadFile(savePath), shownAsSaved);
  const std::string log = LogText();
  // Newest first: one "Opened report" per view, then the save with the file it wrote.
  EXPECT_EQ(log, "File written: " + savePath + "\r\nSaved report\r\nOpened report\r\n");
  EXPECT_EQ(Journalled("R 02c0").size() + Journalled("W 02c0").size(), 1u);
}

TEST_F(InfoPageWine, ParametersSavedAndPutBackRoundTripByteForByte) {
  const std::string first = FreshPath("hvx_params_first.prm");
  SaveParameters(first);
  const std::string saved = ReadFile(first);
  ASSERT_EQ(saved.size(), 2048u);
  EXPECT_THAT(LogText(), HasSubstr("Saved Parameter"));

  std::string changed = saved;
  std::reverse(changed.begin(), changed.end());
  const std::string image = FreshPath("hvx_params_changed.prm");
  ASSERT_TRUE(WriteFile(image, changed));
  journal.Mark();
  std::string told;
  {
    CWindowScript script({ChooseFile(image), AnswerMessageBox(IDOK, &told)});
    Click(*info, IDC_INFO_PARAM_PUT);
    ASSERT_EQ(script.Finish(), "");
  }
  EXPECT_EQ(told, "Put the parameter.\nthe machine restarts, then pramater will be replaced.");
  std::string bulk;
  for (const std::string& line : Journalled("BO ")) bulk += line.substr(3);
  EXPECT_EQ(bulk, Hex(changed));

  const std::string second = FreshPath("hvx_params_second.prm");
  SaveParameters(second);
  EXPECT_EQ(ReadFile(second), changed);
  EXPECT_EQ(LogText(), "File written: " + second + "\r\nSaved Parameter\r\nFile read: " + image +
                           "\r\nPut Parameter\r\nFile written: " + first +
                           "\r\nSaved Parameter\r\n");
}

TEST_F(InfoPageWine, ClearUserSendsEveryStepInOrder) {
  std::string question;
  {
    CWindowScript script({AnswerMessageBox(IDYES, &question)});
    Click(*info, IDC_INFO_CLEAR_USER);
    ASSERT_EQ(script.Finish(), "");
  }
  EXPECT_EQ(question, "Do you really want to clear user parameters?");
  EXPECT_EQ(WrittenCodes(),
            (std::vector<std::string>{"0203", "3107", "3335", "3336", "3337", "3338", "3339",
                                      "333a", "333b", "3101", "3201", "347c", "347d", "347e",
                                      "347f", "3480", "3481", "3482", "3483", "0281", "0ffd"}));
  EXPECT_EQ(Journalled("W 0ffd"), (std::vector<std::string>{"W 0ffd 0101"}));
  EXPECT_EQ(emulator.Dump()["short_code"], "A");
  EXPECT_EQ(LogText(),
            "Cleared user parameters\r\nRestart the machine. Then those parameters are rest.\r\n");
}

TEST_F(InfoPageWine, ASerialOfSixCharactersIsRefusedAndOneOfSevenWritten) {
  std::string told;
  SetDlgItemTextA(info->Handle(), IDC_INFO_SERIAL, "HVX123");
  {
    CWindowScript script({AnswerMessageBox(IDOK, &told)});
    Click(*info, IDC_INFO_SERIAL_WRITE);
    ASSERT_EQ(script.Finish(), "");
  }
  EXPECT_EQ(told, "Serial Number should be 7 letters");
  EXPECT_TRUE(Journalled("W 0201").empty());
  EXPECT_EQ(LogText(), "");

  SetDlgItemTextA(info->Handle(), IDC_INFO_SERIAL, "HVX1234");
  Click(*info, IDC_INFO_SERIAL_WRITE);
  EXPECT_EQ(Journalled("W 0201").size(), 1u);
  EXPECT_EQ(emulator.Dump()["serial"], "HVX1234");
  EXPECT_EQ(LogText(), "Serial number written: HVX1234\r\nWrite the serial\r\n");
}

}  // namespace

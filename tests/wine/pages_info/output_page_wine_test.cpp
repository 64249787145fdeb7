// The Output page on the emulator: a cutting file reaches the machine byte for byte; a firmware
// file is installed; a refused image ends in failure, leaves no library behind, and the device
// manager connects again afterwards; an image is never sent to a machine that does not wait for
// it, nor the machine touched for a file that is gone.
#include <atomic>
#include <thread>

#include "../../../service/wrapper/controller_holder.h"
#include "../../../tool/pages/output/up_firm_dlg.h"
#include "../../../tool/resources/resource.h"
#include "../../../tool/ui/device_manager.h"
#include "page_host.h"
#include "window_script.h"

using testing::HasSubstr;

namespace {

class OutputPageWine : public PageHostTest {
 protected:
  void SetUp() override {
    PageHostTest::SetUp();
    if (HasFatalFailure()) return;
    output->Show(true);
  }

  void Choose(int browseButton, const std::string& path) {
    CWindowScript script({ChooseFile(path)});
    Click(*output, browseButton);
    ASSERT_EQ(script.Finish(), "");
  }

  // Runs the installation; the text of the box that ends it.
  std::string Upgrade(bool* hostDisabledMeanwhile) {
    std::string ending;
    CWindowScript script({OnWindow("Now Installing...",
                                   [&](HWND box) {
                                     *hostDisabledMeanwhile = !IsWindowEnabled(host);
                                     Picture(box, "upfirm_dlg");
                                   }),
                          AnswerMessageBox(IDOK, &ending)});
    Click(*output, IDC_OUTPUT_UPGRADE);
    EXPECT_EQ(script.Finish(), "");
    return ending;
  }

  std::string LibraryFile() const { return TemporaryFolder() + "HVX40CTR.DLL"; }
};

TEST_F(OutputPageWine, SendDeliversTheChosenFileUnchanged) {
  std::string told;
  {
    CWindowScript script({AnswerMessageBox(IDOK, &told)});
    Click(*output, IDC_OUTPUT_SEND);
    ASSERT_EQ(script.Finish(), "");
  }
  EXPECT_EQ(told, "Select the file address.");
  EXPECT_TRUE(Journalled("F ").empty());

  std::string data = "G21\r\nG0 X1 Y2\r\n";
  for (int byte = 0; byte < 256; ++byte) data += static_cast<char>(byte);
  const std::string path = TemporaryFolder() + "hvx_cut_part.prn";
  ASSERT_TRUE(WriteFile(path, data));
  Choose(IDC_OUTPUT_BROWSE_DATA, path);
  EXPECT_EQ(output->ItemText(IDC_OUTPUT_DATA_PATH), path);
  PumpFor(400);
  Picture(host, "output_page");

  Click(*output, IDC_OUTPUT_SEND);
  const std::vector<std::string> files = Journalled("F ");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0], "F " + path + " " + Hex(data));
  EXPECT_THAT(LogText(), HasSubstr("Output File"));
  EXPECT_THAT(LogText(), HasSubstr("File sent: " + path));
  EXPECT_EQ(emulator.Dump()["jobs"], "1");
}

// Send once sent the file last chosen with "...", whatever the field showed.
TEST_F(OutputPageWine, SendSendsThePathTheFieldShowsTypedOrChosen) {
  const std::string chosen = TemporaryFolder() + "hvx_cut_chosen.prn";
  const std::string typed = TemporaryFolder() + "hvx_cut_typed.prn";
  ASSERT_TRUE(WriteFile(chosen, "chosen"));
  ASSERT_TRUE(WriteFile(typed, "typed"));
  SetWindowTextA(output->Item(IDC_OUTPUT_FIRMWARE_PATH), "C:\\typed.rfw");
  Choose(IDC_OUTPUT_BROWSE_DATA, chosen);  // choosing keeps the other field as typed
  EXPECT_EQ(output->ItemText(IDC_OUTPUT_FIRMWARE_PATH), "C:\\typed.rfw");
  SetWindowTextA(output->Item(IDC_OUTPUT_DATA_PATH), typed.c_str());
  Click(*output, IDC_OUTPUT_SEND);
  const std::vector<std::string> files = Journalled("F ");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0], "F " + typed + " " + Hex("typed"));

  // Cleared by hand, the field holds no file any more: nothing is sent.
  std::string told;
  SetWindowTextA(output->Item(IDC_OUTPUT_DATA_PATH), "");
  {
    CWindowScript script({AnswerMessageBox(IDOK, &told)});
    Click(*output, IDC_OUTPUT_SEND);
    ASSERT_EQ(script.Finish(), "");
  }
  EXPECT_EQ(told, "Select the file address.");
  EXPECT_EQ(Journalled("F ").size(), 1u);
}

TEST_F(OutputPageWine, InstallsAFirmwareFileAndReportsSuccess) {
  const std::string image = std::string("HVX40 FIRMWARE 0103\0\x01\x02\xff", 23);
  const std::string path = TemporaryFolder() + "hvx_firmware.rfw";
  ASSERT_TRUE(WriteFile(path, image));
  Choose(IDC_OUTPUT_BROWSE_FIRMWARE, path);
  EXPECT_EQ(output->ItemText(IDC_OUTPUT_FIRMWARE_PATH), path);

  bool hostDisabled = false;
  EXPECT_EQ(Upgrade(&hostDisabled), "Success to update.\nPlease restart HVX-40.");
  EXPECT_TRUE(hostDisabled);
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_FALSE(Journalled("W 0277").empty());
  const std::vector<std::string> files = Journalled("F ");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0], "F " + path + " " + Hex(image));
  const std::string log = LogText();
  EXPECT_LT(log.find("Updated Firmware"), log.find("Output File"));  // newest first
  ASSERT_NE(CurrentController(), nullptr);
  uint32_t state = 0, handshake = 0;
  EXPECT_EQ(CurrentController()->GetStatus(&state, &handshake), 1);
}

TEST_F(OutputPageWine, ARefusedImageFailsAndTheDeviceManagerConnectsAgain) {
  const std::string path = TemporaryFolder() + "hvx_bad.rfw";
  ASSERT_TRUE(WriteFile(path, "BADDELETE image"));  // fails in phase 10 while deleting
  Choose(IDC_OUTPUT_BROWSE_FIRMWARE, path);

  bool hostDisabled = false;
  EXPECT_EQ(Upgrade(&hostDisabled), "Failed to update.\nPlease restart HVX-40.");
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_EQ(CurrentController(), nullptr);
  EXPECT_EQ(GetFileAttributesA(LibraryFile().c_str()), INVALID_FILE_ATTRIBUTES)
      << "the failed installation's library is still in the temporary folder";
  EXPECT_EQ(LogText().find("Updated Firmware"), std::string::npos);

  CDeviceManager::UseSimulator(true);
  CDeviceManager manager(true);
  manager.DoModal(host);
  CDeviceManager::UseSimulator(false);
  EXPECT_TRUE(manager.connected());
  ASSERT_NE(CurrentController(), nullptr);
  uint32_t state = 0, handshake = 0;
  ASSERT_EQ(CurrentController()->GetStatus(&state, &handshake), 1);
  EXPECT_EQ(state & 0xF, 2u) << std::hex << state;
  EXPECT_EQ(state >> 28, 0u) << "the machine is still in update mode";
}

// The machine takes the request for update mode but has left it again once the library is
// loaded anew (the emulator restarts meanwhile): the wait for update mode is bounded, nothing is
// sent, and the engineer is told.
TEST_F(OutputPageWine, AMachineNotBackInUpdateModeAfterTheReloadIsSentNothing) {
  const std::string path = TemporaryFolder() + "hvx_not_waiting.rfw";
  ASSERT_TRUE(WriteFile(path, "HVX40 FIRMWARE 0103"));
  Choose(IDC_OUTPUT_BROWSE_FIRMWARE, path);

  // The request for update mode is not waited for by the library: the restart comes once the
  // emulator has taken it, during the reload's pause.
  std::atomic<bool> restarted{false};
  std::thread power([&] {
    for (int waited = 0; waited < 20000 && Journalled("W 0277").empty(); waited += 20) Sleep(20);
    restarted = emulator.Send("restart");
  });
  std::string ending;
  CWindowScript script({AnswerMessageBox(IDOK, &ending)});
  Click(*output, IDC_OUTPUT_UPGRADE);
  power.join();
  ASSERT_EQ(script.Finish(), "");
  ASSERT_TRUE(restarted);
  EXPECT_EQ(ending, "Failed to enter updatemode\r\nRestart HVX-40 and try it again.");
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_EQ(FindWindowA(nullptr, "Now Installing..."), nullptr) << "the box was left open";
  EXPECT_FALSE(Journalled("W 0277").empty());
  EXPECT_TRUE(Journalled("F ").empty()) << "the image was sent to a machine not in update mode";
  EXPECT_EQ(emulator.Dump()["jobs"], "0");
  EXPECT_EQ(LogText().find("Output File"), std::string::npos);
  ASSERT_NE(CurrentController(), nullptr) << "the reloaded library stays in use";
}

// A file removed after it was chosen is found out before the machine is put into update mode.
TEST_F(OutputPageWine, AFirmwareFileRemovedSinceItWasChosenLeavesTheMachineAlone) {
  const std::string path = TemporaryFolder() + "hvx_vanished.rfw";
  ASSERT_TRUE(WriteFile(path, "HVX40 FIRMWARE 0103"));
  Choose(IDC_OUTPUT_BROWSE_FIRMWARE, path);
  ASSERT_TRUE(DeleteFileA(path.c_str()));
  CHVXController* before = CurrentController();

  std::string told;
  {
    CWindowScript script({AnswerMessageBox(IDOK, &told)});
    Click(*output, IDC_OUTPUT_UPGRADE);
    ASSERT_EQ(script.Finish(), "");
  }
  EXPECT_EQ(told, path + " was not found.");
  EXPECT_TRUE(Journalled("W 0277").empty()) << "the machine went into update mode";
  EXPECT_EQ(CurrentController(), before) << "the library was reloaded";
}

TEST_F(OutputPageWine, TheInstallationBoxDisablesOnlyAnEnabledOwnerAndGivesItBack) {
  {
    CUpFirmDlg box;
    ASSERT_TRUE(box.Create(*output));
    EXPECT_FALSE(IsWindowEnabled(host));
    EXPECT_EQ(box.ItemText(IDC_UPFIRM_TEXT),
              "Installing firmware...\r\nDo not switch off the power or\r\n"
              "disconnect the cable until finishing installation.");
    EXPECT_FALSE(box.IsItemEnabled(IDCANCEL));
    MSG escape{box.Handle(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(box.PreTranslateMessage(escape));
    // The warning came up all selected; it is shown unselected, without a caret, however the
    // focus comes back to it.
    HWND warning = box.Item(IDC_UPFIRM_TEXT);
    for (int round = 0; round < 2; ++round) {
      PumpFor(200);
      DWORD start = 1, end = 2;
      SendMessageA(warning, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(start, end) << "round " << round;
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      GetGUIThreadInfo(GetCurrentThreadId(), &info);
      EXPECT_FALSE(info.hwndCaret == warning && (info.flags & GUI_CARETBLINKING))
          << "round " << round;
      Picture(box.Handle(), round == 0 ? "upfirm_warning" : "upfirm_warning_refocused");
      SetFocus(host);
      SendMessageA(box.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(warning), TRUE);
    }
  }
  EXPECT_TRUE(IsWindowEnabled(host)) << "the box's destructor left the main window disabled";

  EnableWindow(host, FALSE);
  {
    CUpFirmDlg box;
    ASSERT_TRUE(box.Create(*output));
    EXPECT_FALSE(box.OwnerDisabled());
    box.DestroyWindow();
  }
  EXPECT_FALSE(IsWindowEnabled(host)) << "the box enabled a window it had not disabled";
  EnableWindow(host, TRUE);
}

}  // namespace

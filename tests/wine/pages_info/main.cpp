// The pages' progress bar and the device manager's list need their window classes registered,
// as the tool does at start-up.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, 0xFF};
  InitCommonControlsEx(&classes);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

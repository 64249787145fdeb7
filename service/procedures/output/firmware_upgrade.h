// "Upgrade": installs a firmware file. The machine is put into update mode, the library is
// loaded afresh, the file is sent like a cutting file once the machine waits for it, and the
// machine's update progress is followed until it reports the end of the update, an error, stops
// moving on, or runs out of time. The handler runs to its end; every wait goes through the clock
// it is given, which in the tool dispatches the window messages meanwhile (pumping_clock.h),
// while the installation box keeps the main window disabled. Everything around it comes through
// seams, so that a program without windows can run the same installation.
#pragma once

#include <string>

#include "../../../library/controller/clock.h"
#include "../../seams/install_box.h"
#include "../../seams/page_files.h"
#include "../../seams/page_seams.h"
#include "../../seams/window_seams.h"
#include "../common/page_machine.h"
#include "data_file_sender.h"
#include "library_reload.h"

// Every machine access asks for the wrapper current at that moment, since the reload replaces it.
struct UpgradeSeams {
  ControllerSource source;
  CPageMachine& machine;
  IPageBoxes& boxes;
  ILogSink& log;
  CClock& clock;
  ILibraryReload& reload;
  IInstallBox& box;
  // The firmware file is opened before the machine is touched, and its error shown there.
  IPageFiles& files;
  IFileBoxes& fileBoxes;
};

// How an installation ended, for callers that report it further (the engineer has been told).
enum class UpgradeOutcome {
  kUpdated,            // the machine confirmed the installation
  kNoFile,             // no file chosen, or it cannot be opened: machine untouched
  kStatusUnread,       // the status could not be read before starting: machine untouched
  kUpdateModeRefused,  // the machine did not enter update mode: nothing sent
  kFailed,             // the send or the installation failed, or was never confirmed
};

class CFirmwareUpgrade {
 public:
  // After a failed installation the machine needs this long before it is told so.
  static constexpr uint32_t kFailurePauseMs = 3000;
  // After the reload the machine's interface comes back in update mode; it is asked this often,
  // and for at most this long, whether it waits for the image.
  static constexpr uint32_t kUpdateModePollMs = 500;
  static constexpr uint32_t kUpdateModeLimitMs = 10000;

  explicit CFirmwareUpgrade(const UpgradeSeams& seams)
      : s_(seams), sender_(seams.machine, seams.boxes, seams.log) {}

  UpgradeOutcome Run(const std::string& firmwarePath);

 private:
  // False (the engineer told) when the firmware file cannot be opened.
  bool FileOpens(const std::string& path);
  // Puts the machine into update mode unless it already waits for an image there; false (the
  // engineer told, refusal set) when the machine is untouched and the installation must not
  // start.
  bool PrepareMachine(UpgradeOutcome& refusal);
  // From the reload to the ending, once the machine was asked into update mode.
  UpgradeOutcome Install(const std::string& firmwarePath);
  bool EnterUpdateMode();
  // True once the machine reports update mode with phase 1 through the reloaded library; a
  // status that cannot be read is asked again, since the interface may still be restarting.
  bool WaitForUpdateMode();
  void OpenBox();
  UpgradeOutcome Succeed();
  // Logs why, tells the engineer and leaves the tool without a wrapper.
  UpgradeOutcome Fail(const char* reason);

  UpgradeSeams s_;
  CDataFileSender sender_;
};

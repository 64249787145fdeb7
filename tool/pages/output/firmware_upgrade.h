// "Upgrade": installs a firmware file. The machine is put into update mode, the library is
// loaded afresh, the file is sent like a cutting file, and the machine's update progress is
// followed until it reports the end of the update or an error. The handler runs to its end
// without returning to the message loop; the installation box keeps the main window disabled.
#pragma once

#include <string>

#include "../../../library/controller/clock.h"
#include "../../ui/main/window_seams.h"
#include "../common/page_machine.h"
#include "../common/page_seams.h"
#include "data_file_sender.h"
#include "install_box.h"
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
};

class CFirmwareUpgrade {
 public:
  // After a failed installation the machine needs this long before it is told so.
  static constexpr uint32_t kFailurePauseMs = 3000;

  explicit CFirmwareUpgrade(const UpgradeSeams& seams)
      : s_(seams), sender_(seams.machine, seams.boxes, seams.log) {}

  // True only when the machine confirmed the installation ("Success to update.").
  bool Run(const std::string& firmwarePath);

 private:
  // Puts the machine into update mode unless it already waits for an image there; false (the
  // engineer told) when the machine is untouched and the installation must not start.
  bool PrepareMachine();
  bool EnterUpdateMode();
  void OpenBox();
  void Succeed();
  // Logs why, tells the engineer and leaves the tool without a wrapper.
  void Fail(const char* reason);

  UpgradeSeams s_;
  CDataFileSender sender_;
};

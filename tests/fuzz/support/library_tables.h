// The library's controller and its six API tables, built as the library builds them, over a
// machine that answers from the fuzzer's input (USB and simulator alike), a clock that moves on
// at every look, and files read from the input.
#pragma once

#include <memory>

#include "controller/fake_clock.h"
#include "file_access.h"
#include "fuzz_input.h"
#include "hvx40_control_table.h"
#include "hvx40_production_table.h"
#include "hvx40_service_table.h"
#include "input_simulator_ipc.h"
#include "input_usb_system.h"
#include "machine_controller.h"
#include "remote_connect_table.h"
#include "remote_control_table.h"
#include "remote_service_table.h"

// Files the library sends: each opens or fails as the input says, and reads the input's bytes.
class CInputFileAccess : public CFileAccess {
 public:
  explicit CInputFileAccess(CFuzzInput& input) : in_(input) {}
  std::unique_ptr<CFileSource> OpenForSending(const std::string& path, int& error) override;
  void ShowFileError(const std::string&) override {}

 private:
  CFuzzInput& in_;
};

class CLibraryTables {
 public:
  explicit CLibraryTables(CFuzzInput& input);
  ~CLibraryTables();

  // The table of that API, chosen by the type of the null pointer.
  CRemoteConnectAPI& Api(CRemoteConnectAPI*) { return connect; }
  CRemoteControlAPI& Api(CRemoteControlAPI*) { return control; }
  CRemoteServiceAPI& Api(CRemoteServiceAPI*) { return service; }
  CHVX40ControlAPI& Api(CHVX40ControlAPI*) { return hvx; }
  CHVX40ProductionAPI& Api(CHVX40ProductionAPI*) { return production; }
  CHVX40ServiceAPI& Api(CHVX40ServiceAPI*) { return hvxService; }

  CFuzzInput& in;
  CInputUsbSystem usb{in};
  CInputSimulatorIpc simulator{in};
  CFakeClock clock;
  CInputFileAccess files{in};
  CMachineController controller;
  CRemoteConnectTable connect{&controller};
  CRemoteControlTable control{&controller};
  CRemoteServiceTable service{&controller};
  CHVX40ControlTable hvx{&controller};
  CHVX40ProductionTable production{&controller};
  CHVX40ServiceTable hvxService{&controller};
};

// Calls operations of any of the six tables, each chosen and given its arguments by the input,
// until the input runs out or the most calls one input may make were made.
void CallTableOperations(CLibraryTables& tables);

// The six API tables over one command channel to a scripted machine, in either byte order.
#pragma once

#include <gtest/gtest.h>

#include "fake_machine.h"
#include "hvx40_control_table.h"
#include "hvx40_production_table.h"
#include "hvx40_service_table.h"
#include "remote_connect_table.h"
#include "remote_control_table.h"
#include "remote_service_table.h"

struct Tables {
  explicit Tables(CCommandProtocol* controller)
      : connect(controller), control(controller), service(controller), hvx(controller),
        production(controller), hvxService(controller) {}
  CRemoteConnectTable connect;
  CRemoteControlTable control;
  CRemoteServiceTable service;
  CHVX40ControlTable hvx;
  CHVX40ProductionTable production;
  CHVX40ServiceTable hvxService;
};

class TableTest : public ::testing::Test {
 protected:
  void UseBigEndianMachine(bool bigEndian) {
    machine.bigEndian = bigEndian;
    protocol.UseMachineOrder(bigEndian);
  }

  CFakeMachine machine;
  CFakeClock clock;
  CTestProtocol protocol{machine, clock};
  Tables tables{&protocol};
};

// A vector whose every byte differs from its neighbours', so a swapped field shows.
inline AxisVector SampleVector() { return AxisVector{{203200, 152400, -60500, 0x01020304, -1, 7}}; }
inline Fields SampleVectorWords() { return Words({203200, 152400, -60500, 0x01020304, -1, 7}); }

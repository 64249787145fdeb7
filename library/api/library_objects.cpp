// The library's objects and its six exports. The controller and the tables live exactly as
// long as the library: built when it loads, destroyed when it unloads.
#include "library_objects.h"

#include "../controller/machine_controller.h"
#include "hvx40_facts.h"
#include "hvx40_control_table.h"
#include "hvx40_production_table.h"
#include "hvx40_service_table.h"
#include "remote_connect_table.h"
#include "remote_control_table.h"
#include "remote_service_table.h"

namespace {

CMachineController g_controller(kModelName);

// The tables only store the controller's address, which is fixed before any code runs, so
// they are complete as constants before the controller's own constructor runs: none can be
// found half-built, whatever order the library's objects are initialised in.
CRemoteConnectTable g_connectTable(&g_controller);
CRemoteControlTable g_controlTable(&g_controller);
CRemoteServiceTable g_serviceTable(&g_controller);
CHVX40ControlTable g_hvx40ControlTable(&g_controller);
CHVX40ProductionTable g_hvx40ProductionTable(&g_controller);
CHVX40ServiceTable g_hvx40ServiceTable(&g_controller);

// What the tool relies on: each API object is its table pointer and the controller's address.
static_assert(sizeof(CHVX40ControlTable) == 2 * sizeof(void*), "an API object is two words");

}  // namespace

CMachineController& LibraryController() { return g_controller; }

extern "C" {
CRemoteConnectAPI* GetRemoteConnectAPI() { return &g_connectTable; }
CRemoteControlAPI* GetRemoteControlAPI() { return &g_controlTable; }
CRemoteServiceAPI* GetRemoteServiceAPI() { return &g_serviceTable; }
CHVX40ControlAPI* GetHVX40ControlAPI() { return &g_hvx40ControlTable; }
CHVX40ProductionAPI* GetHVX40ProductionAPI() { return &g_hvx40ProductionTable; }
CHVX40ServiceAPI* GetHVX40ServiceAPI() { return &g_hvx40ServiceTable; }
}

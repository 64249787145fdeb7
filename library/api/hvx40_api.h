// The calling contract between HVX40ServiceAPI.dll and the tool that loads it.
//
// Each exported getter returns one API object whose first word is the table of virtual
// operations below. The tool calls them by position, so the order of the operations, their
// argument order and widths are fixed: add nothing, move nothing. Each table's operations are
// listed once, in slot order, in its list (*_ops.def, columns in table_rows.h); the library's
// tables, the tool's wrapper and the test fakes are made from the same lists.
//
// Result conventions:
//   bool            one-byte truth value.
//   int (1/0)       1 on success, 0 on failure.
//   value-or-(-1)   the 32-bit value read from the machine, or -1 when the read failed.
//   StringOut       null buffer: size needed (length + 1); buffer smaller than that: -1 and
//                   nothing copied; otherwise the text and its terminator are copied and the
//                   size needed is returned; -1 when the text could not be obtained.
//   block-out       as StringOut, for binary data whose length is returned.
#pragma once

#include <cstdint>

#include "hvx40_types.h"
#include "table_rows.h"

// "V100"
// The connection table: choosing a device by its printer-queue name, opening it and watching
// whether it still answers.
class CRemoteConnectAPI {
 public:
#define HVX_OP HVX_PURE_VIRTUAL
#include "remote_connect_ops.def"
};

// "V100"
// The general table: status, identity texts, inputs and a few plain values.
class CRemoteControlAPI {
 public:
#define HVX_OP HVX_PURE_VIRTUAL
#include "remote_control_ops.def"
};

// "V102"
// The identity and service table: serial number, service values, firmware hand-over, the
// system report, the 16-bit table and the parameter areas.
class CRemoteServiceAPI {
 public:
#define HVX_OP HVX_PURE_VIRTUAL
#include "remote_service_ops.def"
};

// "V100"
// The machine's own control table: positions and moves, spindle, compensation, coordinate sets,
// records, files sent as jobs, and the switch to the simulator.
class CHVX40ControlAPI {
 public:
#define HVX_OP HVX_PURE_VIRTUAL
#include "hvx40_control_ops.def"
};

// "V100"
// The production table: the factory compensation and the 16-bit table write.
class CHVX40ProductionAPI {
 public:
#define HVX_OP HVX_PURE_VIRTUAL
#include "hvx40_production_ops.def"
};

// "V100"
// The destructive service table: wiping the machine's parameters.
class CHVX40ServiceAPI {
 public:
#define HVX_OP HVX_PURE_VIRTUAL
#include "hvx40_service_ops.def"
};

// The six exports, under their plain C names.
extern "C" {
typedef CRemoteConnectAPI* (*GetRemoteConnectAPIFn)();
typedef CRemoteControlAPI* (*GetRemoteControlAPIFn)();
typedef CRemoteServiceAPI* (*GetRemoteServiceAPIFn)();
typedef CHVX40ControlAPI* (*GetHVX40ControlAPIFn)();
typedef CHVX40ProductionAPI* (*GetHVX40ProductionAPIFn)();
typedef CHVX40ServiceAPI* (*GetHVX40ServiceAPIFn)();
}

#include "api_slots.h"

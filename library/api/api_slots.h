// Every API table's slot numbers, from its list: api_slot::control::MoveTo is MoveTo's slot in
// the machine's control table. Each row's slot column is checked against its place here.
#pragma once

#include "table_rows.h"

namespace api_slot {
namespace connect {
#define HVX_OPS_LIST "remote_connect_ops.def"
#include "table_slots.inc"
}  // namespace connect
namespace remote_control {
#define HVX_OPS_LIST "remote_control_ops.def"
#include "table_slots.inc"
}  // namespace remote_control
namespace remote_service {
#define HVX_OPS_LIST "remote_service_ops.def"
#include "table_slots.inc"
}  // namespace remote_service
namespace control {
#define HVX_OPS_LIST "hvx40_control_ops.def"
#include "table_slots.inc"
}  // namespace control
namespace production {
#define HVX_OPS_LIST "hvx40_production_ops.def"
#include "table_slots.inc"
}  // namespace production
namespace service {
#define HVX_OPS_LIST "hvx40_service_ops.def"
#include "table_slots.inc"
}  // namespace service
}  // namespace api_slot

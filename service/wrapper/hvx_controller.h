// The tool's one way to the machine: 122 operations in a fixed slot order, listed once in
// hvx_controller_ops.def, almost all of which forward one call to a slot of the library's API
// tables. A wrapper whose library is not bound answers every operation with 0, false or null and
// does nothing.
#pragma once

#include <cstdint>

#include "../../library/api/hvx40_types.h"
#include "../../library/api/table_rows.h"

class CHVXController {
 public:
#define HVX_WRAP(slot, result, name, params, args, table, operation) \
  virtual result name params = 0;
#include "hvx_controller_ops.def"
  virtual ~CHVXController() {}
};

// The wrapper's slot numbers: each row's slot column against its place in the list.
namespace wrapper_slot {
enum Slot {
#define HVX_WRAP HVX_SLOT_ENUMERATOR
#include "hvx_controller_ops.def"
  kSlotCount
};
#define HVX_WRAP HVX_SLOT_CHECK
#include "hvx_controller_ops.def"
}  // namespace wrapper_slot

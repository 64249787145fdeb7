#include "hvx40_service_table.h"

#include "../controller/machine_commands.h"
#include "hvx40_facts.h"

const char* CHVX40ServiceTable::GetVersion() { return kApiVersion; }
bool CHVX40ServiceTable::ClearAllParameters() {
  return machine::ClearAllParameters(*controller_);
}

#include "hvx40_production_table.h"

#include "../controller/machine_commands.h"
#include "api_results.h"
#include "hvx40_facts.h"

const char* CHVX40ProductionTable::GetVersion() { return kApiVersion; }
bool CHVX40ProductionTable::Command_0231_FF() { return machine::Command_0231_FF(*controller_); }
bool CHVX40ProductionTable::Command_0231_00() { return machine::Command_0231_00(*controller_); }
bool CHVX40ProductionTable::GetCompensation2(int* x, int* y, int* z) {
  return machine::GetCompensation2(*controller_, x, y, z);
}
int CHVX40ProductionTable::SetCompensation2(int x, int y, int z) {
  return api::OneZero(machine::SetCompensation2(*controller_, x, y, z));
}
bool CHVX40ProductionTable::WriteWords_02C2(const uint16_t* data, int count) {
  return machine::WriteWords_02C2(*controller_, data, count);
}

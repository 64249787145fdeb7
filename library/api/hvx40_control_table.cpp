#include "hvx40_control_table.h"

#include "hvx40_facts.h"
#include "output_file.h"
#include "table_forwarding.h"

const char* CHVX40ControlTable::GetVersion() { return kApiVersion; }

bool CHVX40ControlTable::OutputFile(const char* const* path, const char* jobName) {
  return ::OutputFile(*controller_, path, jobName);
}
// Raw data goes straight to the bulk pipe, without the lock: the machine takes it as part of
// a job already under way.
bool CHVX40ControlTable::SendData(const void* data, int length) {
  return data != nullptr && length >= 0 &&
         controller_->transport()->BulkWrite(data, static_cast<uint32_t>(length));
}
bool CHVX40ControlTable::ConnectSimulator(int windowHandle) {
  return controller_->ConnectSimulator(windowHandle);
}
// A missing name is no device: nothing is switched.
bool CHVX40ControlTable::ConnectSimulatorNamed(const char* deviceName, int windowHandle) {
  if (deviceName == nullptr) return false;
  return controller_->ConnectSimulatorNamed(deviceName, windowHandle);
}

// The list's other rows, by their shapes.
#define HVX_TABLE CHVX40ControlTable
#define HVX_OP HVX_TABLE_BODY
#include "hvx40_control_ops.def"
#undef HVX_TABLE

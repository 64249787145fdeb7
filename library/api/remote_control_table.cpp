#include "remote_control_table.h"

#include "hvx40_facts.h"
#include "table_forwarding.h"

namespace {

bool ReadDeviceId(CCommandProtocol& controller, std::string& out) {
  return controller.GetDeviceId(out);
}

}  // namespace

const char* CRemoteControlTable::GetVersion() { return kApiVersion; }

int CRemoteControlTable::ReadDeviceBlock(void* buffer, int size) {
  return buffer != nullptr && size >= 0 ? controller_->ReadDeviceBlock(buffer, size) : -1;
}

int CRemoteControlTable::GetDeviceId(char* buffer, int size) {
  return api::TextOut(*controller_, ReadDeviceId, buffer, size);
}
int CRemoteControlTable::Unsupported(int, int) { return -1; }

// The list's other rows, by their shapes.
#define HVX_TABLE CRemoteControlTable
#define HVX_OP HVX_TABLE_BODY
#include "remote_control_ops.def"
#undef HVX_TABLE

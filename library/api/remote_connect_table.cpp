#include "remote_connect_table.h"

#include <string>

#include "hvx40_facts.h"
#include "table_forwarding.h"

namespace {

// A copy: connecting selects the name again, and the transport owns the text.
std::string SelectedName(CCommandProtocol& controller) {
  const char* name = controller.GetDeviceName();
  return name != nullptr ? name : "";
}

}  // namespace

const char* CRemoteConnectTable::GetVersion() { return kApiVersion; }

bool CRemoteConnectTable::Connect(const char* deviceName) {
  return deviceName != nullptr && controller_->Connect(deviceName);
}

bool CRemoteConnectTable::Reconnect() { return controller_->Connect(SelectedName(*controller_)); }

bool CRemoteConnectTable::CheckConnection() { return controller_->transport()->CheckConnection(); }

int CRemoteConnectTable::EnumerateDevices() { return controller_->EnumerateDevices(); }

const char* CRemoteConnectTable::GetDeviceNameAt(int index) {
  return controller_->GetDeviceNameAt(index);
}

int CRemoteConnectTable::GetDeviceName(char* buffer, int size) {
  return api::StringOut(true, SelectedName(*controller_), buffer, size);
}

bool CRemoteConnectTable::Disconnect() {
  controller_->Disconnect();
  return true;
}

// The list's other rows, by their shapes.
#define HVX_TABLE CRemoteConnectTable
#define HVX_OP HVX_TABLE_BODY
#include "remote_connect_ops.def"
#undef HVX_TABLE

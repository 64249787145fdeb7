#include "device_manager_model.h"

#include "../../service/wrapper/controller_holder.h"
#include "../../service/wrapper/hvx_all_ctr.h"

const char* const kDeviceReady = "ready";
const char* const kDeviceOffline = "offline";
const char* const kDeviceConnected = "Connected";
const char* const kNotSelectedText = "Device is not selected.";
const char* const kNotConnectedText = "Device is not connected.";

CDeviceManagerModel::CDeviceManagerModel(CDeviceAccess& access, CDeviceListView& list,
                                         CUserNotice& notice, bool autoConnect)
    : access_(access), list_(list), notice_(notice), autoConnect_(autoConnect) {}

// Without a wrapper nothing can be listed or probed: the dialog stays empty, and only Close
// (or OK, which then explains that nothing is connected) leads out.
bool CDeviceManagerModel::Initialise() {
  if (RenewController() == nullptr) return false;
  connected_ = false;
  count_ = 0;
  list_.Create();
  count_ = Enumerate();
  list_.DeleteAllRows();
  Fill();
  ProbeAllRows();
  if (count_ == 1 && autoConnect_) {
    Connect();
    if (connected_) return true;
  }
  return false;
}

void CDeviceManagerModel::Refresh() {
  if (CurrentController() == nullptr) return;
  count_ = Enumerate();
  list_.DeleteAllRows();
  Fill();
  ProbeAllRows();
  if (connected_) Reconnect();
}

void CDeviceManagerModel::Reconnect() {
  connected_ = false;
  CHVXController* controller = CurrentController();
  if (controller == nullptr) return;
  for (int row = 0; row < list_.RowCount(); ++row) {
    if (list_.RowName(row) != connectedName_) continue;
    if (access_.Open(*controller, connectedName_)) {
      list_.SetCell(row, kColumnStatus, kDeviceConnected);
      connected_ = true;
    }
    return;
  }
}

bool CDeviceManagerModel::Probe(const std::string& name) {
  CHVXController* controller = CurrentController();
  if (controller == nullptr) return false;
  bool opened = access_.Open(*controller, name);
  controller->Disconnect();
  return opened;
}

int CDeviceManagerModel::Enumerate() {
  names_.clear();
  statuses_.clear();
  std::vector<std::string> found;
  if (!access_.ListMachines(found)) return -1;
  for (const std::string& name : found) {
    names_.push_back(name);
    statuses_.push_back(Probe(name) ? kDeviceReady : kDeviceOffline);
  }
  return static_cast<int>(names_.size());
}

void CDeviceManagerModel::Fill() {
  int row = -1;
  for (size_t i = 0; i < names_.size(); ++i) {
    row = list_.InsertSorted(names_[i]);
    if (row < 0) break;
    if (!list_.SetCell(row, kColumnStatus, statuses_[i])) break;
    if (!list_.SetCell(row, kColumnModel, kModelName)) break;
  }
  if (!names_.empty() && row >= 0) list_.SetSelectionMark(0);
}

void CDeviceManagerModel::ProbeAllRows() {
  int rows = list_.RowCount();
  for (int row = 0; row < rows; ++row) {
    list_.SetCell(row, kColumnStatus, Probe(list_.RowName(row)) ? kDeviceReady : kDeviceOffline);
  }
}

// Every Connect starts by ending the connection, so connected says whether this one succeeded:
// the caller logs "Connected" only for a machine the library really holds.
void CDeviceManagerModel::Connect() {
  int mark = list_.SelectionMark();
  if (mark < 0) {
    notice_.Message(kNotSelectedText);
    return;
  }
  CHVXController* controller = CurrentController();
  if (controller == nullptr) return;
  controller->Disconnect();
  connected_ = false;
  connectedName_.clear();
  ProbeAllRows();
  const std::string marked = list_.RowName(mark);
  for (const std::string& name : names_) {
    if (name != marked) continue;
    if (access_.Open(*controller, name)) {
      list_.SetCell(mark, kColumnStatus, kDeviceConnected);
      connected_ = true;
      connectedName_ = name;
    }
    return;
  }
}

bool CDeviceManagerModel::ConfirmOk() {
  if (connected_) return true;
  notice_.Message(kNotConnectedText);
  return false;
}

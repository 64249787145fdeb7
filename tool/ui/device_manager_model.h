// What the device manager does, apart from its window: it renews the controller wrapper, lists
// the machines, probes each, and connects the chosen one. The dialog feeds it the clicks and
// gives it the list control through CDeviceListView.
#pragma once

#include <string>
#include <vector>

#include "../../service/devices/device_access.h"
#include "../../service/wrapper/hvx_controller.h"
#include "../../service/wrapper/tool_platform.h"

extern const char* const kDeviceReady;      // "ready"
extern const char* const kDeviceOffline;    // "offline"
extern const char* const kDeviceConnected;  // "Connected"
extern const char* const kNotSelectedText;  // "Device is not selected."
extern const char* const kNotConnectedText; // "Device is not connected."

enum DeviceColumn { kColumnName = 0, kColumnStatus = 1, kColumnModel = 2 };

// The list control: rows sorted ascending by their first column.
class CDeviceListView {
 public:
  virtual ~CDeviceListView() {}
  virtual void Create() = 0;                                  // the control and its columns
  virtual void DeleteAllRows() = 0;
  virtual int InsertSorted(const std::string& name) = 0;      // the row it got, or -1
  virtual bool SetCell(int row, int column, const std::string& text) = 0;
  virtual int RowCount() = 0;
  virtual std::string RowName(int row) = 0;
  virtual int SelectionMark() = 0;                            // -1 when none
  virtual void SetSelectionMark(int row) = 0;
};

class CDeviceManagerModel {
 public:
  CDeviceManagerModel(CDeviceAccess& access, CDeviceListView& list, CUserNotice& notice,
                      bool autoConnect);

  // True when the dialog is to end with OK at once (a single machine was auto-connected).
  bool Initialise();
  void Refresh();
  void Connect();
  // True when the dialog may end with OK; otherwise the engineer is told why not.
  bool ConfirmOk();

  bool connected() const { return connected_; }
  int count() const { return count_; }
  const std::vector<std::string>& names() const { return names_; }
  const std::vector<std::string>& statuses() const { return statuses_; }

 private:
  int Enumerate();
  void Fill();
  void ProbeAllRows();
  bool Probe(const std::string& name);
  // Opens the queue that was connected before the probes ended its connection; connected tells
  // the caller whether that worked.
  void Reconnect();

  CDeviceAccess& access_;
  CDeviceListView& list_;
  CUserNotice& notice_;
  bool autoConnect_;
  // True only while the library holds the connection to connectedName_.
  bool connected_ = false;
  std::string connectedName_;
  int count_ = 0;
  std::vector<std::string> names_;
  std::vector<std::string> statuses_;
};

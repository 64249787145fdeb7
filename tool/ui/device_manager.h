// The device manager: the modal dialog in which the engineer picks the machine to work with.
// Each opening replaces the controller wrapper; the caller reads connected afterwards.
#pragma once

#include "../../service/devices/device_access.h"
#include "device_manager_model.h"
#include "dialog/controls.h"
#include "dialog/dialog.h"
#include "dialog/message_box.h"

// The list control that the dialog creates over the template's placeholder.
class CDeviceListRows : public CDeviceListView {
 public:
  explicit CDeviceListRows(CDialog& owner) : owner_(owner) {}
  void Create() override;
  void DeleteAllRows() override { list_.Clear(); }
  int InsertSorted(const std::string& name) override;
  bool SetCell(int row, int column, const std::string& text) override;
  int RowCount() override { return list_.Count(); }
  std::string RowName(int row) override { return list_.ItemText(row, kColumnName); }
  int SelectionMark() override { return list_.SelectionMark(); }
  void SetSelectionMark(int row) override { list_.SetSelectionMark(row); }

 private:
  RECT ListRect() const;

  CDialog& owner_;
  CListView list_;
};

class CDeviceManager : public CDialog {
 public:
  explicit CDeviceManager(bool autoConnect);
  bool connected() const { return model_.connected(); }

  // Started with /simulator, the tool lists and connects the emulator instead of USB machines.
  static void UseSimulator(bool simulator);
  static bool UsesSimulator();

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  static CDeviceAccess& Access(HWND window);

  CDeviceListRows rows_;
  CMessageBoxNotice notice_;
  CDeviceManagerModel model_;
};

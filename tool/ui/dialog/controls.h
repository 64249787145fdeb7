// Thin wrappers of the common controls that the tool's dialogs drive. Each holds the control's
// window only; attach it once the dialog exists (Attach(Item(id))).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

class CControl {
 public:
  explicit CControl(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  HWND Handle() const { return hwnd_; }
  std::string Text() const;
  void SetText(const std::string& text);
  void Enable(bool enable);

 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 private:
  HWND hwnd_;
};

class CComboBox : public CControl {
 public:
  using CControl::CControl;
  int AddString(const std::string& text);  // index of the new entry, or -1
  void Clear();
  int Count() const;
  int Selection() const;                   // -1 when no entry is chosen
  void Select(int index);
  std::string ItemText(int index) const;   // empty for an index out of range
};

class CListView : public CControl {
 public:
  using CControl::CControl;
  bool InsertColumn(int index, const std::string& title, int width);
  // Inserts a row; a sorted list puts it where it belongs. Returns the row it got, or -1.
  int InsertItem(int row, const std::string& text);
  bool SetItemText(int row, int column, const std::string& text);
  std::string ItemText(int row, int column) const;
  bool Clear();
  int Count() const;
  int SelectionMark() const;
  void SetSelectionMark(int row);
  void SetExtendedStyle(DWORD style);
};

class CProgressBar : public CControl {
 public:
  using CControl::CControl;
  void SetRange(int low, int high);
  void SetPosition(int position);
  int Position() const;
};

class CTabControl : public CControl {
 public:
  using CControl::CControl;
  bool InsertTab(int index, const std::string& text);
  int Selection() const;
  void Select(int index);
};

#include "controls.h"

#include <vector>

std::string CControl::Text() const {
  std::vector<char> buffer(GetWindowTextLengthA(hwnd_) + 1);
  GetWindowTextA(hwnd_, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

void CControl::SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

void CControl::Enable(bool enable) { EnableWindow(hwnd_, enable ? TRUE : FALSE); }

LRESULT CControl::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(hwnd_, message, wParam, lParam);
}

int CComboBox::AddString(const std::string& text) {
  const LRESULT index = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return index < 0 ? -1 : static_cast<int>(index);
}

void CComboBox::Clear() { Send(CB_RESETCONTENT); }

int CComboBox::Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }

int CComboBox::Selection() const {
  const LRESULT index = Send(CB_GETCURSEL);
  return index < 0 ? -1 : static_cast<int>(index);
}

void CComboBox::Select(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }

std::string CComboBox::ItemText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return std::string();
  std::vector<char> buffer(length + 1);
  if (Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data())) < 0)
    return std::string();
  return buffer.data();
}

bool CListView::InsertColumn(int index, const std::string& title, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<char*>(title.c_str());
  column.iSubItem = index;
  return Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)) >= 0;
}

int CListView::InsertItem(int row, const std::string& text) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListView::SetItemText(int row, int column, const std::string& text) {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  return Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string CListView::ItemText(int row, int column) const {
  // The list tells how many characters it copied, not how long the text is: grow until it fits.
  for (int size = 64;; size *= 4) {
    std::vector<char> buffer(size);
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = size;
    const LRESULT copied =
        Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (copied < size - 1) return std::string(buffer.data());
  }
}

bool CListView::Clear() { return Send(LVM_DELETEALLITEMS) != 0; }

int CListView::Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

int CListView::SelectionMark() const { return static_cast<int>(Send(LVM_GETSELECTIONMARK)); }

void CListView::SetSelectionMark(int row) { Send(LVM_SETSELECTIONMARK, 0, row); }

void CListView::SetExtendedStyle(DWORD style) { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }

void CProgressBar::SetRange(int low, int high) { Send(PBM_SETRANGE32, low, high); }

void CProgressBar::SetPosition(int position) { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }

int CProgressBar::Position() const { return static_cast<int>(Send(PBM_GETPOS)); }

bool CTabControl::InsertTab(int index, const std::string& text) {
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text.c_str());
  return Send(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) >= 0;
}

int CTabControl::Selection() const { return static_cast<int>(Send(TCM_GETCURSEL)); }

void CTabControl::Select(int index) { Send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }

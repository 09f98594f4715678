#include "shell/ListChars.h"

#include <commctrl.h>

namespace {
const char kColumnHeader[] = "Charactor Symbol";
}

void ListChars::Attach(HWND list, int dpi, int columnWidth, COLORREF back, COLORREF text) {
  list_ = list;
  font_.Attach(list, dpi);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = columnWidth;
  column.pszText = const_cast<char*>(kColumnHeader);
  ListView_InsertColumn(list_, 0, &column);
  ListView_SetBkColor(list_, back);
  ListView_SetTextBkColor(list_, back);
  ListView_SetTextColor(list_, text);
}

void ListChars::SetReportView() {
  LONG_PTR style = ::GetWindowLongPtrA(list_, GWL_STYLE);
  if ((style & LVS_TYPEMASK) != LVS_REPORT)
    ::SetWindowLongPtrA(list_, GWL_STYLE, (style & ~LVS_TYPEMASK) | LVS_REPORT);
}

void ListChars::SetDisplayOptions() {
  const DWORD options = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
  ListView_SetExtendedListViewStyleEx(list_, options, options);
}

void ListChars::SetHideSelection(bool hide) {
  LONG_PTR style = ::GetWindowLongPtrA(list_, GWL_STYLE);
  LONG_PTR wanted = hide ? (style & ~LVS_SHOWSELALWAYS) : (style | LVS_SHOWSELALWAYS);
  if (wanted != style) ::SetWindowLongPtrA(list_, GWL_STYLE, wanted);
}

void ListChars::SetManualLabelEdit() {
  LONG_PTR style = ::GetWindowLongPtrA(list_, GWL_STYLE);
  if (style & LVS_EDITLABELS) ::SetWindowLongPtrA(list_, GWL_STYLE, style & ~LVS_EDITLABELS);
}

void ListChars::BeginUpdate(int expectedRows) {
  ::SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  ListView_SetItemCount(list_, expectedRows);
}

void ListChars::Clear() {
  ListView_DeleteAllItems(list_);
  count_ = 0;
}

void ListChars::Add(const std::string& text) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = count_;
  item.pszText = const_cast<char*>(text.c_str());
  if (::SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) >= 0) ++count_;
}

void ListChars::EndUpdate() { ::SendMessageA(list_, WM_SETREDRAW, TRUE, 0); }

void ListChars::Refresh() {
  ::InvalidateRect(list_, nullptr, TRUE);
  ::UpdateWindow(list_);
}

int ListChars::Count() const { return ListView_GetItemCount(list_); }

int ListChars::SelectedIndex() const {
  return static_cast<int>(ListView_GetNextItem(list_, -1, LVNI_SELECTED));
}

std::string ListChars::SelectedText() const {
  int index = SelectedIndex();
  if (index < 0) return {};
  char buffer[16] = {};
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  ::SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
  return buffer;
}

#include "browse/ListChars.h"

void ListChars::Attach(HWND list, win::ControlFont& font, const char* header) {
  list_ = list;
  font_ = &font;
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<char*>(header);
  ListView_InsertColumn(list_, 0, &column);
  ListView_SetUnicodeFormat(list_, TRUE);
}

void ListChars::SetColours(COLORREF back, COLORREF text) {
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
  // Setting them again would repaint the whole list for nothing.
  if ((ListView_GetExtendedListViewStyle(list_) & options) != options)
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
  shown_ = rows_;
  rows_.reserve(static_cast<size_t>(expectedRows));
  updating_ = true;
}

void ListChars::Clear() {
  rows_.clear();
  if (!updating_) ListView_DeleteAllItems(list_);  // and with the rows the selection
}

void ListChars::Add(const mSymbols::Symbol& symbol) {
  rows_.push_back(symbol);
  if (!updating_) ListView_SetItemCountEx(list_, static_cast<int>(rows_.size()), LVSICF_NOSCROLL);
}

// The control learns only what changed. Rows that come out as the control already shows
// them are not drawn again: the list is left as a clear and the same adds would leave it,
// with no row selected or focused and scrolled back to the first row. (Telling it the same
// row count again would cost a frame of scroll-bar work under Wine.) Any other rows replace
// the old ones outright.
void ListChars::EndUpdate() {
  updating_ = false;
  const int count = static_cast<int>(rows_.size());
  if (rows_ == shown_ && ListView_GetItemCount(list_) == count) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (count > 0 && ListView_GetTopIndex(list_) > 0) ListView_EnsureVisible(list_, 0, FALSE);
    if (int across = ::GetScrollPos(list_, SB_HORZ)) ListView_Scroll(list_, -across, 0);
  } else {
    ListView_DeleteAllItems(list_);
    ListView_SetItemCountEx(list_, count, LVSICF_NOSCROLL);
  }
  ListView_SetSelectionMark(list_, -1);  // where a range selection would start: nowhere
  shown_.clear();
}

// Whatever the last change left to draw is drawn now.
void ListChars::Refresh() { ::UpdateWindow(list_); }

void ListChars::OnGetDisplayInfo(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  const size_t row = static_cast<size_t>(item.iItem);
  const wchar_t* text =
      item.iItem >= 0 && row < rows_.size() && item.iSubItem == 0 ? rows_[row].characters : L"";
  ::lstrcpynW(item.pszText, text, item.cchTextMax);
}

int ListChars::OnFindItem(const NMLVFINDITEMW& find) const {
  if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz || rows_.empty())
    return -1;
  const std::wstring_view wanted = find.lvfi.psz;
  const bool partial = (find.lvfi.flags & LVFI_PARTIAL) != 0;
  const int count = static_cast<int>(rows_.size());
  const int start = find.iStart >= 0 && find.iStart < count ? find.iStart : 0;
  const int span = (find.lvfi.flags & LVFI_WRAP) ? count : count - start;
  for (int step = 0; step < span; ++step) {
    const std::wstring_view row = rows_[static_cast<size_t>((start + step) % count)].text();
    const std::wstring_view head = partial ? row.substr(0, wanted.size()) : row;
    if (::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, head.data(),
                         static_cast<int>(head.size()), wanted.data(),
                         static_cast<int>(wanted.size())) == CSTR_EQUAL)
      return (start + step) % count;
  }
  return -1;
}

int ListChars::SelectedIndex() const {
  return static_cast<int>(ListView_GetNextItem(list_, -1, LVNI_SELECTED));
}

const mSymbols::Symbol* ListChars::Selected() const {
  const int index = SelectedIndex();
  return index >= 0 && static_cast<size_t>(index) < rows_.size()
             ? &rows_[static_cast<size_t>(index)]
             : nullptr;
}

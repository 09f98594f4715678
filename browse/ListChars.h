// The Symbol List: a report-view list view of the common controls behind exactly the
// operations the main window needs of it. The rows are kept here and the control asks for
// the texts it draws (a list view with LVS_OWNERDATA): a rebuild of the 255 rows then costs
// the control no more than its new row count, while selection, clicks, keys and texts
// behave as in any list view.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "browse/Symbols.h"
#include "win/Font.h"

class ListChars {
 public:
  // Design state: the one column header, no items; the window that holds the list owns its
  // font and sets the column's width. The control asks for its texts in Unicode, so that
  // each row shows its character whatever the process's code page.
  void Attach(HWND list, win::ControlFont& font, const char* header);
  void SetColours(COLORREF back, COLORREF text);

  void SetReportView();
  void SetDisplayOptions();  // full-row selection and grid lines
  void SetHideSelection(bool hide);
  void SetManualLabelEdit();  // a click never opens a row for editing
  win::ControlFont& Font() { return *font_; }

  // Clear and Add; between BeginUpdate and EndUpdate they change only the rows kept here,
  // and EndUpdate hands the control the difference. Refresh draws it at once.
  void BeginUpdate(int expectedRows);
  void Clear();
  void Add(const mSymbols::Symbol& symbol);  // appended at the end
  void EndUpdate();
  void Refresh();

  // The control's questions: the text of a row, and the row a typed prefix leads to.
  void OnGetDisplayInfo(NMLVDISPINFOW& info) const;
  int OnFindItem(const NMLVFINDITEMW& find) const;

  int SelectedIndex() const;                 // -1 when no row is selected
  const mSymbols::Symbol* Selected() const;  // nullptr when no row is selected

 private:
  HWND list_ = nullptr;               // owned by the main window
  win::ControlFont* font_ = nullptr;  // not owned
  std::vector<mSymbols::Symbol> rows_;
  std::vector<mSymbols::Symbol> shown_;  // during an update: the rows the control still shows
  bool updating_ = false;
};

// What the user sees of the main window at one moment, read whole for a test to compare with
// what it saw before; and what the tests know of the Symbol List's rows and of its rebuilds.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <ostream>

#include "tests/harness/Windows.h"

namespace harness {

struct Snapshot {
  struct Control {
    Box box{};
    bool visible = false, enabled = false;
    std::string text, face, flags;  // its font's face and flags (as HasFont's)
    LONG height = 0, weight = 0;    // and height and weight
    LRESULT check = 0;              // BM_GETCHECK: a check box's tick; 0 for any other kind
    bool operator==(const Control&) const = default;
  };
  std::map<int, Control> controls;     // by identifier: the window at 0, the panel, each control
  std::vector<HWND> windows;           // the visible top-level windows of the process
  int font = -1, size = -1, row = -1;  // the entries chosen in the font and size boxes and list
  std::vector<std::wstring> rows;      // the Symbol List's
  bool operator==(const Snapshot&) const = default;
  const Control& operator[](int id) const { return controls.at(id); }
};
Snapshot SnapshotOf(const Program& program);
std::ostream& operator<<(std::ostream& out, const Snapshot& s);  // a control a line

// Every row of the list is the character of its code, 1 to 255, in the list's own font: "Ariel"
// at 10 points, bold and nothing else, of the ANSI character set (only faces chosen in the font
// list take their own).
testing::AssertionResult HasTheSymbolRows(HWND list);
// What the list is told when it is rebuilt, in order: the selection cleared, the list scrolled
// to the top where it was not there, the rows replaced where they differ from those it shows,
// and the selection mark cleared last.
extern const std::vector<Expected> kOneRebuild;
struct RebuildLog : MessageLog {
  explicit RebuildLog(HWND list)
      : MessageLog(list, {LVM_SETITEMSTATE, LVM_ENSUREVISIBLE, LVM_SCROLL, LVM_DELETEALLITEMS,
                          LVM_SETITEMCOUNT, LVM_SETSELECTIONMARK}) {}
  int count() const { return Count(LVM_SETSELECTIONMARK); }  // once at the end of every rebuild
};

}  // namespace harness

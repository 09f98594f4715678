// What the user sees of the main window at one moment, read whole for a test to compare with
// what it saw before.
#pragma once

#include <windows.h>

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

}  // namespace harness

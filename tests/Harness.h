// What the tests of the real windows need, by concern: the program, input and readings
// (harness/Program.h); windows, dialog boxes and message logs (harness/Windows.h); the
// registry, environment, folders, marker program and the system information tool it plays
// (harness/Registry.h); the registered browser (harness/Browser.h); what the user sees of the
// main window (harness/Snapshot.h); the design's colours (harness/Colours.h); clean-up at the
// end of a scope (harness/OnExit.h); and a window's control by its identifier.
#pragma once

#include "tests/harness/Browser.h"
#include "tests/harness/Colours.h"
#include "tests/harness/OnExit.h"
#include "tests/harness/Program.h"
#include "tests/harness/Registry.h"
#include "tests/harness/Snapshot.h"
#include "tests/harness/Tables.h"
#include "tests/harness/Windows.h"

namespace harness {
inline HWND Item(HWND window, int id) { return ::GetDlgItem(window, id); }
}  // namespace harness

// The program's start: the main window is loaded hidden, then shown modeless.
#pragma once

#include <windows.h>

#include "shell/fMain.h"

namespace mStartup {

// Loads fMain (controls in their design state, then Form_Load), shows it and returns; false,
// with nothing shown and nothing left, where the common controls or the window can't be had
// or the load fails.
bool Main(fMainOptions options = {});

// The main window of this run, or nullptr before Main.
fMain* MainForm();

// Destroys the main window and everything it owns.
void Unload();

// One message of the loop: through the dialog manager of its top-level window, so that Tab,
// the arrow keys, Enter, Esc and access keys work as in a dialog, else dispatched.
void ProcessMessage(MSG& msg);

// The message loop; returns the exit code when the last window has closed.
int Run();

}  // namespace mStartup

// A plain container window: it hands everything its controls report (commands,
// notifications, colour requests, owner drawing, dialog navigation) on to its parent, so that
// the parent's window keeps all the event procedures, and it paints its background with the
// brush its parent gives it for it, as a static control asks, so that it follows a change of
// colours. It is never closed by a child's request: it goes only with its parent.
#pragma once

#include <windows.h>

namespace win {

// The panel's window class, registered once. A panel is made with WS_EX_CONTROLPARENT, so
// that dialog navigation enters it.
extern const char kPanelClass[];
void RegisterPanelClass();

}  // namespace win

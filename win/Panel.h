// A plain container window: paints its background with a given brush and hands everything
// its controls report (commands, notifications, colour requests, owner drawing, dialog
// navigation) on to its parent, so that the parent's window keeps all the event procedures.
// It is never closed by a child's request: it goes only with its parent.
#pragma once

#include <windows.h>

namespace win {

// Creates a panel with WS_EX_CONTROLPARENT, so that dialog navigation enters it. `background`
// gives the brush each time the panel is painted, so that it follows a change of colours;
// the brush is not owned.
HWND CreatePanel(HWND parent, int id, int left, int top, int width, int height, DWORD style,
                 HBRUSH (*background)());

}  // namespace win

// The program's colours, each named once, and one brush of each for all the windows that
// paint with it.
#pragma once

#include <windows.h>

namespace palette {

constexpr COLORREF kWindowGrey = RGB(128, 128, 128);  // around the panels
constexpr COLORREF kSteelBlue = RGB(128, 160, 192);   // panels, captions, check boxes
constexpr COLORREF kFieldGrey = RGB(224, 224, 224);   // fields, lists and display labels
constexpr COLORREF kWhite = RGB(255, 255, 255);       // the help text, the About separator

// A solid brush of one of the colours above, made on first use and kept for the run: the
// brushes outlive every window that paints with them.
HBRUSH Brush(COLORREF colour);

}  // namespace palette

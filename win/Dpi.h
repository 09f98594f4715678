// Display densities. A window of a program that is aware of each monitor's density has the
// density of the monitor it is on, and Windows tells it in WM_DPICHANGED when that changes.
// The functions for a given density came with Windows 10 (1607) and are looked up, not
// imported: on older Windows every window has the system's density, as the program then
// declares itself aware of that one alone.
#pragma once

#include <windows.h>

namespace win {

// The window's density: Windows' own answer where it has one, else the system's.
int WindowDpi(HWND window);

// Twips (1/1440 inch) to pixels at the given density; 15 twips are one pixel at 96 dpi.
int TwipsToPixels(int twips, int dpi);

// Pixel counts fixed at 96 dpi, scaled to the given density.
int ScalePixels(int pixels96, int dpi);

// The window's rectangle around a client area, with its frame at the given density
// (fixed-border windows).
RECT FrameAround(RECT client, DWORD style, DWORD exStyle, int dpi);

// A system metric (SM_CXSMICON, say) at the given density.
int SystemMetric(int index, int dpi);

}  // namespace win

// Controls described as data and created from that description, the design geometry in
// twips converted to pixels at the screen's density.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "win/Font.h"

namespace win {

// Dots per inch of the screen, read once.
int ScreenDpi();

// Twips (1/1440 inch) to pixels at the given density; 15 twips are one pixel at 96 dpi.
int TwipsToPixels(int twips, int dpi);

// Pixel counts fixed at 96 dpi, scaled to the given density.
int ScalePixels(int pixels96, int dpi);

// The nearest whole pixel of a layout result computed in single precision.
int RoundPixel(float value);

// Where a box of size `box` stands centred in an area of size `area`: each half computed and
// subtracted in single precision, then rounded; negative where the box is the larger.
POINT CentreIn(SIZE area, SIZE box);

// A window's rectangle in its parent's client area, and its size.
RECT RectInParent(HWND child);
SIZE SizeOf(const RECT& r);

// Paints a window's whole client area with a brush (its background, on WM_ERASEBKGND).
void FillClient(HWND window, HDC dc, HBRUSH brush);

// Shows an owned window and brings it in front of its owner.
void ShowInFront(HWND window);

struct ControlDesc {
  int id;
  const char* className;
  const char* caption;
  const char* name;  // what assistive technology reads; nullptr: the caption, as it then reads
  DWORD style;       // WS_CHILD | WS_VISIBLE are always added
  DWORD exStyle;
  int left, top, width, height;  // twips
  const FontSpec* font;          // nullptr: the window's default font
  bool autoSize;                 // labels that size themselves to their caption
};

// Creates one control; fonts are applied by the caller, which owns them.
HWND CreateControl(HWND parent, const ControlDesc& desc, int dpi);

// The size of a caption drawn in the given font on one line, with '&' as access-key prefix.
SIZE MeasureCaption(HWND control, const std::string& caption, HFONT font);

// The window's text as ANSI bytes.
std::string GetText(HWND window);
// Characters `from` to `to` of a window's text, counted as controls count their positions
// (UTF-16 units), NUL-terminated.
std::vector<wchar_t> GetTextRange(HWND window, DWORD from, DWORD to);
// A text in the process's ANSI code page.
std::string ToAnsi(std::wstring_view text);

// Registers a window class of this program with its icon and the arrow cursor.
bool RegisterWindowClass(const char* name, WNDPROC procedure, int iconId);

// The outer size of a window whose client area has the given size (fixed-border windows).
SIZE WindowSizeForClient(DWORD style, DWORD exStyle, int clientWidth, int clientHeight);

}  // namespace win

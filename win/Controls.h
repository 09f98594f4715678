// Small helpers for windows and controls: geometry, painting, showing, and their texts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace win {

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

// The size of a caption drawn in the given font on one line, with '&' as access-key prefix.
SIZE MeasureCaption(HWND control, const std::string& caption, HFONT font);

// The window's text as ANSI bytes.
std::string GetText(HWND window);
// Characters `from` to `to` of a window's text, counted as controls count their positions
// (UTF-16 units), NUL-terminated.
std::vector<wchar_t> GetTextRange(HWND window, DWORD from, DWORD to);
// A text in the process's ANSI code page, or in another.
std::string ToAnsi(std::wstring_view text, UINT codePage = CP_ACP);

}  // namespace win

// The design's colours as absolute values, written once for every test and never taken from
// the program's palette, so that a wrong colour there fails here.
#pragma once

#include <windows.h>

namespace harness::colours {

inline constexpr COLORREF kWindowGrey = RGB(128, 128, 128);  // round the panels
inline constexpr COLORREF kSteelBlue = RGB(128, 160, 192);   // panels, captions, check boxes
inline constexpr COLORREF kFieldGrey = RGB(224, 224, 224);   // fields, lists, display labels
inline constexpr COLORREF kWhite = RGB(255, 255, 255);       // the help text
inline constexpr COLORREF kBlack = RGB(0, 0, 0);             // the About dialog's texts

}  // namespace harness::colours

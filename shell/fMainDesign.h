// The main window as designed: the window, its panel, and each control of the panel with
// what its events need.
#pragma once

#include <windows.h>

#include "shell/fMain.h"
#include "win/Controls.h"
#include "win/Font.h"

struct fMain::Design {
  enum class Back { None, Steel, Field };  // the control's background

  win::ControlDesc control;
  Back back;
  UINT notification = 0;  // the control's notice (a command's or a notification's code)...
  Event event = nullptr;  // ...that raises its event procedure; none without one
  FontBrowser::Hook::Procedure hook = nullptr;  // browsing sees the control's messages first
  // Browsing reads the control's notifications first: what they amount to, and its answers.
  UINT (FontBrowser::*notices)(const NMHDR&, LRESULT&) = nullptr;
  int picture = 0;      // owner-drawn buttons: the picture above the caption
  bool masked = false;  // its silver is not drawn: the face shows through
};

namespace fMainDesign {

extern const DWORD kMainStyle;
extern const SIZE kClientTwips;           // the window's client area
extern const RECT kPanelTwips;            // picInterface: left, top, width, height
extern const win::FontSpec kDefaultFont;  // the window's, for controls without their own
extern const char* const kSizes[15];      // the size box's list
extern const char kDefaultSize[];         // chosen at start-up
extern const float kPreviewPoints;        // the preview's size from start-up on
extern const char kColumnHeader[];        // the Symbol List's one column
extern const int kColumnTwips;

// The row of About, Help and web buttons under the Symbol View, in pixels at 96 dpi.
extern const int kRowGap;  // under the view, and between the buttons
extern const SIZE kHelpButton;
extern const int kAboutCorrection, kVisitCorrection;

}  // namespace fMainDesign

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
  UINT notification = 0;             // the code of the control's notice that raises...
  void (fMain::*event)() = nullptr;  // ...its event procedure; none without one
  Hook::Procedure hook = nullptr;    // the window sees the control's messages first
  int picture = 0;                   // owner-drawn buttons: the picture above the caption
  bool masked = false;               // its silver is not drawn: the face shows through
};

namespace fMainDesign {

extern const DWORD kMainStyle;
extern const SIZE kClientTwips;           // the window's client area
extern const RECT kPanelTwips;            // picInterface: left, top, width, height
extern const int kColumnTwips;            // the Symbol List's one column
extern const win::FontSpec kDefaultFont;  // the window's, for controls without their own
extern const char* const kSizes[15];      // the size box's list

}  // namespace fMainDesign

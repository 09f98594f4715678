// A window's design: the window's own values and a table of its controls in tab order, each
// row naming only the fields it needs. Places are in twips and laid out at any density.
#pragma once

#include <windows.h>

#include <span>

#include "win/Dpi.h"
#include "win/Font.h"
#include "win/Scheme.h"

namespace win {

class Form;
class Subclass;

// A rectangle of the design in twips (1/1440 inch): 15 make a pixel at 96 dpi.
struct Twips {
  int left = 0, top = 0, width = 0, height = 0;

  // Left, top, right and bottom in pixels at a density.
  RECT At(int dpi) const {
    const int x = TwipsToPixels(left, dpi), y = TwipsToPixels(top, dpi);
    return RECT{x, y, x + TwipsToPixels(width, dpi), y + TwipsToPixels(height, dpi)};
  }
};

// One control of a window's design.
struct ControlDesign {
  int id = 0;
  const char* className = "";
  const char* caption = "";
  // What assistive technology reads, where the caption standing just before the control in
  // the window order would not be it; nullptr: what the platform finds.
  const char* name = nullptr;
  DWORD style = 0;  // WS_CHILD | WS_VISIBLE are always added
  DWORD exStyle = 0;
  Twips place = {};
  const FontSpec* font = nullptr;  // nullptr: the window's default font
  bool autoSize = false;           // sized to its text, or to its icon inside its frame
  bool live = false;               // a label that assistive technology reads out when it changes
  Colours colours = {};            // none: the control's own
  // A bitmap drawn above an owner-drawn button's caption, with or without its silver; or an
  // icon that a static control shows. Both are made for the window's density.
  int picture = 0;
  bool icon = false, masked = false;
  // The control's notice (a command's or a notification's code) raises its event procedure.
  UINT notice = 0;
  void (*event)(Form&) = nullptr;
  // Sees the control's messages first.
  LRESULT (*hook)(Form&, const Subclass&, HWND, UINT, WPARAM, LPARAM) = nullptr;
  // Reads the control's notifications first: what they amount to, and its answers.
  UINT (*notices)(Form&, const NMHDR&, LRESULT&) = nullptr;

  bool Is(const char* windowClass) const { return ::lstrcmpiA(className, windowClass) == 0; }
};

// A window's design.
struct FormDesign {
  const char* className = "";
  const char* title = "";
  DWORD style = 0;
  DWORD exStyle = 0;
  SIZE client{};  // twips
  int icon = 0;   // the window's icon, a resource of the program
  const Paint* backdrop = nullptr;
  const FontSpec* font = nullptr;        // of the controls that name none
  const ControlDesign* panel = nullptr;  // a panel that holds the controls, or none
  std::span<const ControlDesign> controls = {};
  int defaultButton = 0;  // the push button that Enter presses unless another has the focus
  long role = 0;          // what assistive technology hears the window as; 0: the platform's
};

}  // namespace win

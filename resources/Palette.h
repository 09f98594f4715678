// The program's colours, each named once by what it paints. With high contrast off each is
// the design's; while it is on, each gives way to the system colour of its kind, so that the
// user's theme is what shows.
#pragma once

#include <windows.h>

namespace palette {

enum class Paint {
  Backdrop,    // around the panels: window grey, or the system's window colour
  Panel,       // panels, captions, check boxes: steel blue, or button face
  PanelText,   // the text on them: the system's window text, or button text
  Field,       // fields, lists and display labels: field grey, or window
  FieldText,   // the text in them: the system's window text
  HelpText,    // the help window's text on its panel: white, or button text
  AboutText,   // the About dialog's title, description and disclaimer: black, or button text
  RuleShadow,  // the About separator's grey line, or grey text
  RuleLight,   // its white line, or highlight
};

COLORREF Colour(Paint paint);
// A solid brush of the colour, kept for the run or the system's own: it outlives every
// window that paints with it.
HBRUSH Brush(Paint paint);
// For a control's colour request: its text and background colours set on the DC, and the
// brush of its background.
HBRUSH ColourControl(HDC dc, Paint back, Paint text);

// Whether high contrast is on, asked of `query` (the system by default) once now and again
// whenever the system's settings or colours change.
bool SystemHighContrast();
void Follow(bool (*query)());
// A window told that the system's settings or colours changed: the setting is asked again and
// the window painted again, whole.
void Repaint(HWND window);

}  // namespace palette

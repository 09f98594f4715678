// The program's colours, each named once by what it paints: the design's colour, and the
// system colour of its kind that shows while high contrast is on (see win/Scheme.h).
#pragma once

#include <windows.h>

#include "win/Scheme.h"

namespace palette {

using win::Paint;

// Around the panels: window grey, or the system's window colour.
inline constexpr Paint kBackdrop{RGB(128, 128, 128), -1, COLOR_WINDOW};
// Panels, captions, check boxes: steel blue, or button face.
inline constexpr Paint kPanel{RGB(128, 160, 192), -1, COLOR_BTNFACE};
// The text on them: the system's window text, or button text.
inline constexpr Paint kPanelText{0, COLOR_WINDOWTEXT, COLOR_BTNTEXT};
// Fields, lists and display labels: field grey, or window.
inline constexpr Paint kField{RGB(224, 224, 224), -1, COLOR_WINDOW};
// The text in them: the system's window text.
inline constexpr Paint kFieldText{0, COLOR_WINDOWTEXT, COLOR_WINDOWTEXT};
// The help window's text on its panel: white, or button text.
inline constexpr Paint kHelpText{RGB(255, 255, 255), -1, COLOR_BTNTEXT};
// The About dialog's face: the system's, as a dialog's.
inline constexpr Paint kDialogFace{0, COLOR_BTNFACE, COLOR_BTNFACE};
// Its title, description and disclaimer: black, or button text.
inline constexpr Paint kAboutText{RGB(0, 0, 0), -1, COLOR_BTNTEXT};
// Its separator's grey line, or grey text; and its white line, or highlight.
inline constexpr Paint kRuleShadow{RGB(128, 128, 128), -1, COLOR_GRAYTEXT};
inline constexpr Paint kRuleLight{RGB(255, 255, 255), -1, COLOR_HIGHLIGHT};

// The colours of a control.
inline constexpr win::Colours kOnPanel{&kPanel, &kPanelText};
inline constexpr win::Colours kInField{&kField, &kFieldText};
inline constexpr win::Colours kHelpPanel{&kPanel, &kHelpText};
inline constexpr win::Colours kAboutLabel{&kDialogFace, &kAboutText};

}  // namespace palette

// The main window as designed: the window and its panel with every control (the form), and
// the design's other values.
#pragma once

#include <windows.h>

#include "win/Form.h"

namespace fMainDesign {

extern const win::FormDesign kForm;
extern const char* const kSizes[15];  // the size box's list
extern const char kDefaultSize[];     // chosen at start-up
extern const float kPreviewPoints;    // the preview's size from start-up on
extern const char kColumnHeader[];    // the Symbol List's one column
extern const int kColumnTwips;

// The row of About, Help and web buttons under the Symbol View, in pixels at 96 dpi.
extern const int kRowGap;  // under the view, and between the buttons
extern const SIZE kHelpButton;
extern const int kAboutCorrection, kVisitCorrection;

}  // namespace fMainDesign

// The colours of the program's windows: each paint is the design's colour, and while high
// contrast is on the system colour of its kind, so that the user's theme is what shows. The
// windows ask whether high contrast is on when they start and whenever the system tells them
// that its colours or settings changed.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "win/Handles.h"

namespace win {

// One colour of the program's design, named once by what it paints.
struct Paint {
  COLORREF design;   // the design's own colour...
  int designSystem;  // ...or the system colour that the design names (COLOR_*), else -1
  int contrast;      // the system colour while high contrast is on
};

// A control's colours: its background and its text.
struct Colours {
  const Paint* back = nullptr;
  const Paint* text = nullptr;
};

class Scheme {
 public:
  explicit Scheme(bool (*highContrast)()) : query_(highContrast) { Refresh(); }
  Scheme(const Scheme&) = delete;
  Scheme& operator=(const Scheme&) = delete;

  // Asks again whether high contrast is on.
  void Refresh() { highContrast_ = query_(); }

  COLORREF Colour(const Paint& paint) const;
  // A solid brush of the colour: the system's own, or one kept for the scheme's life.
  HBRUSH Brush(const Paint& paint);
  // For a control's colour request: its text and background colours set on the DC, and the
  // brush of its background.
  HBRUSH ColourControl(HDC dc, const Colours& colours);

  // Whether the system's high contrast is on.
  static bool SystemHighContrast();

 private:
  int SystemColourOf(const Paint& paint) const {
    return highContrast_ ? paint.contrast : paint.designSystem;
  }

  bool (*query_)();
  bool highContrast_ = false;
  std::vector<std::pair<const Paint*, UniqueBrush>> brushes_;  // of the design's colours
};

}  // namespace win

#include "resources/Palette.h"

#include "win/Handles.h"

namespace palette {

HBRUSH Brush(COLORREF colour) {
  struct Entry {
    COLORREF colour;
    win::UniqueBrush brush;
  };
  static Entry brushes[] = {{kWindowGrey, {}}, {kSteelBlue, {}}, {kFieldGrey, {}}, {kWhite, {}}};
  for (Entry& e : brushes) {
    if (e.colour != colour) continue;
    if (!e.brush) e.brush.reset(::CreateSolidBrush(colour));
    return e.brush.get();
  }
  return nullptr;  // not a colour of the palette
}

}  // namespace palette

// Owner-drawn push buttons that show a picture centred above their caption.
#pragma once

#include <windows.h>

#include "win/Handles.h"

namespace win {

// A bitmap resource made ready to draw at a display density: scaled by dpi/96 with area
// averaging, and, with a mask colour, pixels of exactly that colour left undrawn (the
// scaled edge is blended, never fringed with the mask colour).
class Picture {
 public:
  Picture() = default;
  Picture(HINSTANCE instance, int resourceId, int dpi, const COLORREF* mask);

  int width() const { return width_; }
  int height() const { return height_; }
  explicit operator bool() const { return static_cast<bool>(bitmap_); }
  void Draw(HDC dc, int x, int y) const;

 private:
  UniqueBitmap bitmap_;  // 32 bits per pixel, alpha premultiplied
  int width_ = 0, height_ = 0;
};

void DrawPictureButton(const DRAWITEMSTRUCT& item, const Picture& picture);

// Push buttons, owner-drawn ones included: the buttons that Enter presses when focused.
bool IsPushButton(HWND window);

}  // namespace win

// Owner-drawn push buttons that show a picture centred above their caption.
#pragma once

#include <windows.h>

#include "win/Handles.h"

namespace win {

// A bitmap resource as a one-picture image list; with a mask colour, pixels of exactly that
// colour are left undrawn.
UniqueImageList LoadPicture(HINSTANCE instance, int resourceId, COLORREF mask, bool masked);

void DrawPictureButton(const DRAWITEMSTRUCT& item, HIMAGELIST picture);

// Push buttons, owner-drawn ones included: the buttons that Enter presses when focused.
bool IsPushButton(HWND window);

}  // namespace win

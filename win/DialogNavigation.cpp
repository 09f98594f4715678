#include "win/DialogNavigation.h"

#include "win/PictureButton.h"

namespace win {

bool DialogNavigation::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_ACTIVATE:
      // The focus leaves with the window and comes back to the same control.
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(window_, focus)) lastFocus_ = focus;
      }
      return false;
    case WM_SETFOCUS: {
      HWND target = lastFocus_ && ::IsWindow(lastFocus_)
                        ? lastFocus_
                        : ::GetNextDlgTabItem(window_, nullptr, FALSE);
      // A window with no control that takes the focus keeps it.
      if (!target || !(::GetWindowLongPtrA(target, GWL_STYLE) & WS_TABSTOP)) return false;
      ::SetFocus(target);
      return true;
    }
    case WM_NEXTDLGCTL:
      NextControl(wp, lp);
      return true;
    case WM_COMMAND:
      if (LOWORD(wp) != IDOK || HIWORD(wp) != BN_CLICKED) return false;
      PressFocusedButton(reinterpret_cast<HWND>(lp));
      return true;
  }
  return false;
}

// The given control, or the next or previous tab stop.
void DialogNavigation::NextControl(WPARAM wp, LPARAM lp) {
  HWND target =
      lp ? reinterpret_cast<HWND>(wp) : ::GetNextDlgTabItem(window_, ::GetFocus(), wp != 0);
  if (!target) return;
  ::SetFocus(target);
  if (::SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    ::SendMessageA(target, EM_SETSEL, 0, -1);
}

void DialogNavigation::PressFocusedButton(HWND control) {
  HWND focus = control ? control : ::GetFocus();
  if (focus && ::IsChild(controls_, focus) && IsPushButton(focus))
    ::SendMessageA(focus, BM_CLICK, 0, 0);
}

}  // namespace win

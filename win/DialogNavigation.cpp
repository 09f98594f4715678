#include "win/DialogNavigation.h"

#include "win/PictureButton.h"

namespace win {
namespace {

bool TakesFocus(HWND control) { return ::IsWindowVisible(control) && ::IsWindowEnabled(control); }

LONG_PTR ButtonType(HWND control) { return ::GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK; }

// The push buttons that may carry the default outline: a change of style would make an
// owner-drawn one plain.
bool CarriesOutline(HWND control) {
  return IsPushButton(control) && ButtonType(control) != BS_OWNERDRAW;
}

}  // namespace

bool DialogNavigation::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_ACTIVATE:
      // The focus leaves with the window and comes back to the same control.
      if (LOWORD(wp) == WA_INACTIVE) SaveFocus();
      return false;
    case WM_SHOWWINDOW:
      if (!wp) SaveFocus();  // hidden, minimised with its owner among others
      return false;
    case WM_SETFOCUS:
      // Minimising moves the focus from a control to the window itself: that control is the
      // one to come back to once the window is restored.
      if (const HWND from = reinterpret_cast<HWND>(wp); from && ::IsChild(window_, from))
        lastFocus_ = from;
      if (!::IsIconic(window_)) RestoreFocus();
      return true;
    case WM_NEXTDLGCTL:
      NextControl(wp, lp);
      return true;
    case DM_GETDEFID:
      if (!defaultButton_) return false;
      result = MAKELRESULT(defaultButton_, DC_HASDEFID);
      return true;
    case WM_COMMAND:
      if (LOWORD(wp) != IDOK || HIWORD(wp) != BN_CLICKED) return false;
      PressFocusedButton(reinterpret_cast<HWND>(lp));
      return true;
  }
  return false;
}

void DialogNavigation::SaveFocus() {
  HWND focus = ::GetFocus();
  if (focus && ::IsChild(window_, focus)) lastFocus_ = focus;
}

// The control that had the focus, whether or not a tab stop (the size box's text field is
// none); else the first tab stop. A window with no control that takes the focus keeps it.
void DialogNavigation::RestoreFocus() {
  const HWND target = lastFocus_ && ::IsChild(window_, lastFocus_) && TakesFocus(lastFocus_)
                          ? lastFocus_
                          : ::GetNextDlgTabItem(window_, nullptr, FALSE);
  if (target && (target == lastFocus_ || (::GetWindowLongPtrA(target, GWL_STYLE) & WS_TABSTOP)))
    ::SetFocus(target);
}

void DialogNavigation::Restored() {
  if (::GetFocus() == window_) RestoreFocus();
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

void DialogNavigation::FocusMoved(HWND focus) {
  if (!defaultButton_ || !focus || !::IsChild(window_, focus)) return;
  outlined_ = CarriesOutline(focus) ? focus : ::GetDlgItem(controls_, defaultButton_);
  for (HWND c = ::GetWindow(controls_, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
    if (CarriesOutline(c) && ButtonType(c) != (c == outlined_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON))
      ::SendMessageA(c, BM_SETSTYLE, Outlined(c, BS_PUSHBUTTON), TRUE);
}

WPARAM DialogNavigation::Outlined(HWND button, WPARAM style) const {
  if (!outlined_ || !CarriesOutline(button)) return style;
  return (style & ~static_cast<WPARAM>(BS_TYPEMASK)) |
         (button == outlined_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

}  // namespace win

// What the dialog manager expects of a dialog, done for a plain window whose controls may sit
// in a panel: the focus comes back to the control that had it when the window is activated
// again, WM_NEXTDLGCTL moves it, and Enter (IDOK from IsDialogMessage) presses the push
// button that has the focus. A window may name a default button: DM_GETDEFID answers it, and
// the default outline is on the focused push button, else on that one, as the dialog
// manager shows the button that Enter presses. IsDialogMessage, which sees no dialog, moves
// the outline after Tab as it sees fit: the outline stays where the focus says whatever
// style a push button is given.
#pragma once

#include <windows.h>

namespace win {

class DialogNavigation {
 public:
  // `window` is the top-level window; `controls` the panel that holds its push buttons;
  // `defaultButton` the identifier of the button Enter presses, 0 for none.
  void Attach(HWND window, HWND controls, int defaultButton) {
    window_ = window, controls_ = controls, defaultButton_ = defaultButton;
  }

  // Takes the window's messages that are the dialog manager's part: true when it handled
  // the message, with its answer in `result`. WM_ACTIVATE and WM_SHOWWINDOW are only watched.
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // The window is restored from minimised: the focus, which stayed on the window itself,
  // goes back to its control.
  void Restored();
  // The focus moved to `focus` (a window of any program, or none): where the window has a
  // default button, the outline moves with it.
  void FocusMoved(HWND focus);
  // The style a push button of the window is given (BM_SETSTYLE), with the outline where the
  // focus puts it.
  WPARAM Outlined(HWND button, WPARAM style) const;

 private:
  void SaveFocus();
  void RestoreFocus();
  void NextControl(WPARAM wp, LPARAM lp);
  void PressFocusedButton(HWND control);

  HWND window_ = nullptr, controls_ = nullptr;  // not owned
  int defaultButton_ = 0;
  HWND lastFocus_ = nullptr;
  HWND outlined_ = nullptr;  // the push button that Enter presses, once the focus has moved
};

}  // namespace win

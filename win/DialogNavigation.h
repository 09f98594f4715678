// What the dialog manager expects of a dialog, done for a plain window whose controls sit
// in a panel: the focus comes back to the control that had it when the window is activated
// again, WM_NEXTDLGCTL moves it, and Enter (IDOK from IsDialogMessage) presses the push
// button that has the focus, as in any dialog, without a default button.
#pragma once

#include <windows.h>

namespace win {

class DialogNavigation {
 public:
  // `window` is the top-level window; `controls` the panel that holds its push buttons.
  void Attach(HWND window, HWND controls) { window_ = window, controls_ = controls; }

  // Takes the window's messages that are the dialog manager's part: true when it handled
  // the message, with its answer in `result`. WM_ACTIVATE is only watched.
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  void NextControl(WPARAM wp, LPARAM lp);
  void PressFocusedButton(HWND control);

  HWND window_ = nullptr, controls_ = nullptr;  // not owned
  HWND lastFocus_ = nullptr;
};

}  // namespace win

// What assistive technology reads of the program's controls: a control's own name where the
// platform would find none (a combo box or list whose caption stands elsewhere in the window
// order), and a label that announces its changes.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The answer to WM_GETOBJECT for a control's client object: the platform's own object with
// the name `name`, or with none the control's own text less its access-key marks; 0 where
// there is none to give, and the control then answers itself.
LRESULT AccessibleWithName(HWND control, WPARAM wp, LPARAM lp, const char* name);

// A label that assistive technology reads out when its text changes, as a polite live region
// (it waits for the user to pause), without the focus having to move there.
class LiveRegion {
 public:
  LiveRegion() = default;
  LiveRegion(const LiveRegion&) = delete;
  LiveRegion& operator=(const LiveRegion&) = delete;

  void Attach(HWND label) { label_ = label; }
  // Sets the label's text; when that changed it, assistive technology is told.
  void SetText(const std::string& text);
  // Called while the label still exists, before it goes.
  void Detach();

 private:
  HWND label_ = nullptr;  // not owned
  bool annotated_ = false;
};

}  // namespace win

// A control's messages seen first by its owner: the control's window procedure is replaced,
// and the owner hands on to the control's own procedure whatever it does not take (see
// win/Form.h for the hooks that design rows name). The hook is found through the control's
// user data. (The common controls' SetWindowSubclass keeps its chain in a window property,
// which Wine fetches from its server twice for every message; the few hundred names added
// to the font list at start-up felt that.)
#pragma once

#include <windows.h>

namespace win {

class Subclass {
 public:
  Subclass() = default;
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;

  // The control's own procedure.
  LRESULT CallNext(HWND control, UINT msg, WPARAM wp, LPARAM lp) const;

 protected:
  ~Subclass() = default;
  // The hook must outlive the control; it lets go of it when the control is destroyed.
  bool Attach(HWND control);
  virtual LRESULT OnMessage(HWND control, UINT msg, WPARAM wp, LPARAM lp) = 0;

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);

  WNDPROC next_ = nullptr;
};

}  // namespace win

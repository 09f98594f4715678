// A control's messages seen first by its owner: the control's window procedure is replaced,
// and the owner hands on to the control's own procedure whatever it does not take. The hook
// is found through the control's user data. (The common controls' SetWindowSubclass keeps
// its chain in a window property, which Wine fetches from its server twice for every
// message; the few hundred names added to the font list at start-up felt that.)
#pragma once

#include <windows.h>

namespace win {

class Subclass {
 public:
  using Procedure = LRESULT (*)(const Subclass& hook, HWND, UINT, WPARAM, LPARAM);

  Subclass() = default;
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;

  // The hook must outlive the control; it lets go of it when the control is destroyed.
  bool Attach(HWND control, int id, Procedure procedure, void* owner);
  // The control's own procedure.
  LRESULT CallNext(HWND control, UINT msg, WPARAM wp, LPARAM lp) const;

  int id() const { return id_; }
  void* owner() const { return owner_; }

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);

  WNDPROC next_ = nullptr;
  Procedure procedure_ = nullptr;
  void* owner_ = nullptr;
  int id_ = 0;
};

}  // namespace win

#include "win/Subclass.h"

namespace win {

// The controls stay Unicode windows, as they were created: the hook is a Unicode procedure.
bool Subclass::Attach(HWND control) {
  if (!control || next_) return false;
  ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  next_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass::Proc)));
  return next_ != nullptr;
}

LRESULT Subclass::CallNext(HWND control, UINT msg, WPARAM wp, LPARAM lp) const {
  return ::CallWindowProcW(next_, control, msg, wp, lp);
}

LRESULT CALLBACK Subclass::Proc(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  auto* hook = reinterpret_cast<Subclass*>(::GetWindowLongPtrW(control, GWLP_USERDATA));
  if (!hook) return ::DefWindowProcW(control, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    // The last message: the control forgets the hook and, unless another hook has come
    // on top since, goes back to its own procedure.
    if (::GetWindowLongPtrW(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Subclass::Proc))
      ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook->next_));
    ::SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    WNDPROC next = hook->next_;
    hook->next_ = nullptr;
    return ::CallWindowProcW(next, control, msg, wp, lp);
  }
  return hook->OnMessage(control, msg, wp, lp);
}

}  // namespace win

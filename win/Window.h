// The one window-procedure thunk of the program's windows: the C++ object comes in through
// CREATESTRUCT (or the dialog's init parameter), is kept in the window's user data, and every
// message goes on to the object's HandleMessage. No exception crosses back into the system;
// one thrown while the window is being created makes the creation fail.
#pragma once

#include <windows.h>

namespace win {

template <class Derived>
class Window {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  Window() = default;
  // The derived window destroys its HWND in its own destructor, while its members, which
  // the window procedure still uses, are alive.
  ~Window() = default;
  void Destroy() {
    if (hwnd_) ::DestroyWindow(hwnd_);
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Creates the window on the class registered with WindowProc; false when it failed, the
  // window then having none.
  bool Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
              int width, int height, HWND owner) {
    if (::CreateWindowExA(exStyle, className, title, style, x, y, width, height, owner, nullptr,
                          ::GetModuleHandleA(nullptr), static_cast<Derived*>(this)))
      return true;
    hwnd_ = nullptr;
    return false;
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      self->hwnd_ = hwnd;
    } else {
      self = reinterpret_cast<Derived*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
      result = self->HandleMessage(msg, wp, lp);
    } catch (...) {
      result = msg == WM_NCCREATE ? FALSE
               : msg == WM_CREATE ? -1
                                  : ::DefWindowProcA(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) Detach(hwnd, self);
    return result;
  }

  // Dialogs: the same thunk shape on a dialog procedure; FALSE lets the dialog manager work.
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Derived* self = nullptr;
    if (msg == WM_INITDIALOG) {
      self = reinterpret_cast<Derived*>(lp);
      ::SetWindowLongPtrA(hwnd, DWLP_USER, lp);
      self->hwnd_ = hwnd;
    } else {
      self = reinterpret_cast<Derived*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    INT_PTR result = FALSE;
    try {
      result = self->HandleDialogMessage(msg, wp, lp);
    } catch (...) {
      // A dialog half made is no dialog: its creation then fails.
      if (msg == WM_INITDIALOG) ::DestroyWindow(hwnd);
      result = FALSE;
    }
    if (msg == WM_NCDESTROY) {
      ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

  HWND hwnd_ = nullptr;

 private:
  static void Detach(HWND hwnd, Derived* self) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
};

}  // namespace win

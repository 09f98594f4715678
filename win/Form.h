// One way to build a window: from its design (win/FormDesign.h), made at the density it has
// and laid out again at each new one. What every window does alike is done here, a job a file:
// the window itself (its class, creation, procedure and teardown) in win/Form.cpp; the
// controls made from the design and what each owns in win/FormControls.cpp; the layout at a
// density and its change in win/FormLayout.cpp; the colours in win/FormColours.cpp. With them
// come the keyboard's dialog navigation and what assistive technology is told. No exception
// crosses back into the system; one thrown while the window is being made makes the creation
// fail.
//
// A window is made only as an Owned<T>: its window goes before any member of T, so that its
// procedure never reaches a member that is gone.
#pragma once

#include <windows.h>

#include <utility>

#include "win/Accessible.h"
#include "win/DialogNavigation.h"
#include "win/Dpi.h"
#include "win/FormControls.h"
#include "win/FormDesign.h"
#include "win/Handles.h"
#include "win/Scheme.h"

namespace win {

// What a window asks of the system, which a test may answer instead: whether high contrast is
// on, and a window's density.
struct SystemQueries {
  bool (*highContrast)() = &Scheme::SystemHighContrast;
  int (*density)(HWND) = &WindowDpi;
};

template <typename T>
class Owned;

class Form {
 public:
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND hwnd() const { return hwnd_; }
  int dpi() const { return dpi_; }
  Scheme& scheme() { return scheme_; }
  const SystemQueries& system() const { return system_; }
  // A control of the design, the panel among them, by its identifier; nullptr for none.
  HWND Control(int id) const;
  // The font of a control of the design; nullptr for none.
  ControlFont* Font(int id) const;
  // Raises the control's event procedure, as its notice does.
  void Raise(int id);

 protected:
  // Made only by Owned<T>: a window's constructor takes one and hands it on.
  class Key {
    Key() = default;
    template <typename>
    friend class Owned;
  };
  Form(Key, const FormDesign& design, SystemQueries system);
  virtual ~Form() = default;

  // Makes the window, owned by `owner`, with its controls; false when it could not be made,
  // and the window then has none.
  bool Create(HWND owner);
  // Where the window of that outer size stands at first: its left and top.
  virtual POINT Place(SIZE size, HWND owner, int dpi) const;
  // The window's own layout after the design's: at creation and at every change of density.
  virtual void Arrange() {}
  // The controls' colours changed, before they are painted again.
  virtual void ColoursChanged() {}
  // The window's own messages.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Lays the controls out from the design again, then the window's own layout.
  void Relayout();

 private:
  template <typename>
  friend class Owned;

  // The window (win/Form.cpp).
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT OutlineFollowsFocus(Form& form, const Subclass& hook, HWND button, UINT msg,
                                     WPARAM wp, LPARAM lp);
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  bool MakeControls();
  void Destroy();
  // The layout at a density (win/FormLayout.cpp).
  int Density() const { return system_.density(hwnd_); }
  SIZE FrameSize() const;
  void FitClient();
  void LayOutMade();
  void SetIcons();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnSize(WPARAM kind);
  void Rescale(int dpi, const RECT* suggested);
  // The colours (win/FormColours.cpp).
  bool OnColours(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  const FormDesign& design_;
  const SystemQueries system_;
  Scheme scheme_;
  HWND hwnd_ = nullptr;
  int dpi_ = 96;  // the density it is laid out for
  bool minimised_ = false;
  DialogNavigation navigation_;
  Annotations annotations_;
  FormControls controls_;
  UniqueIcon bigIcon_, smallIcon_;
};

// A window of class T, made and destroyed whole: its window goes first, while every member of
// T that its procedure may use is still there.
template <typename T>
class Owned final : public T {
 public:
  template <typename... Args>
  explicit Owned(Args&&... args) : T(Form::Key(), std::forward<Args>(args)...) {}
  ~Owned() override { this->Form::Destroy(); }
};

}  // namespace win

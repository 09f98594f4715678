// The controls of a window, made from the rows of its design, and what each of them owns: its
// font, its hook, its picture or icon. Found by identifier, or by a window of theirs. Their
// layout at a density is in win/FormLayout.cpp.
#pragma once

#include <windows.h>

#include <memory>
#include <span>

#include "win/Font.h"
#include "win/FormDesign.h"
#include "win/Handles.h"
#include "win/PictureButton.h"
#include "win/Subclass.h"

namespace win {

class Annotations;

// Makes one control of a design at a density, without its font.
HWND CreateControl(HWND parent, const ControlDesign& design, int dpi);

// A hook whose messages go to a procedure of the window's; an exception of the procedure's
// ends there, and the control handles the message as if there were no hook.
class FormHook : public Subclass {
 public:
  using Procedure = decltype(ControlDesign::hook);
  bool Attach(HWND control, Form* form, Procedure procedure);

 private:
  LRESULT OnMessage(HWND control, UINT msg, WPARAM wp, LPARAM lp) override;

  Form* form_ = nullptr;  // not owned
  Procedure procedure_ = nullptr;
};

class FormControls {
 public:
  // One row's control and what it shows.
  struct Owner {
    const ControlDesign* row = nullptr;
    HWND control = nullptr;
    HWND list = nullptr;  // a combo box's drop-down list, a window of its own
    ControlFont font;
    FormHook hook;
    Picture picture;  // above an owner-drawn button's caption
    UniqueIcon icon;  // shown by a static control
  };

  // The panel, where the design has one, and the controls in it at the density, with the hooks
  // their rows name, each named for assistive technology as its row says; false where one
  // could not be made.
  bool Make(Form& form, HWND window, const FormDesign& design, int dpi, Annotations& names);
  // What was made goes: the controls went with their window.
  void Clear();

  bool Made() const { return owners_ != nullptr; }
  HWND Panel() const { return panel_; }
  HWND Parent() const { return panel_ ? panel_ : window_; }  // of the controls
  std::span<Owner> All() const;
  // The control of the row with that identifier; nullptr for none.
  Owner* Of(int id) const;
  // The control that `window` is, or is a part of; nullptr for none.
  Owner* OfWindow(HWND window) const;

  // The layout at a density, in steps (win/FormLayout.cpp): where the design puts each
  // control, its font and its picture there, and its size where it fits its content.
  void Place(int dpi);
  void Fonts(int dpi);
  void Pictures(int dpi);
  void FitContent(int dpi);

 private:
  const FormDesign* design_ = nullptr;
  HWND window_ = nullptr, panel_ = nullptr;  // not owned
  std::unique_ptr<Owner[]> owners_;          // one for each row of the design
  Font shared_;                              // of the controls that name none
};

}  // namespace win

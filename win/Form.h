// One way to build a window. A window is its design (the window's own values and a table of
// its controls in tab order, each row naming only the fields it needs) and the owners of what
// each control shows: its font, its hook and its picture. The window is laid out from its
// design at its density when it is made, and again whenever Windows moves it to a monitor of
// another density. What every window does alike is done here: its class, its backdrop, its
// controls' colours and their change with high contrast, the raising of the controls' event
// procedures, the keyboard's dialog navigation and the change of density. No exception
// crosses back into the system; one thrown while the window is being made makes the
// creation fail.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <span>

#include "win/Accessible.h"
#include "win/DialogNavigation.h"
#include "win/Font.h"
#include "win/Handles.h"
#include "win/Scheme.h"
#include "win/Subclass.h"

namespace win {

class Form;

// A rectangle of the design in twips (1/1440 inch): 15 make a pixel at 96 dpi.
struct Twips {
  int left = 0, top = 0, width = 0, height = 0;
};

// One control of a window's design.
struct ControlDesign {
  int id = 0;
  const char* className = "";
  const char* caption = "";
  // What assistive technology reads, where the caption standing just before the control in
  // the window order would not be it; nullptr: what the platform finds.
  const char* name = nullptr;
  DWORD style = 0;  // WS_CHILD | WS_VISIBLE are always added
  DWORD exStyle = 0;
  Twips place = {};
  const FontSpec* font = nullptr;  // nullptr: the window's default font
  bool autoSize = false;           // sized to its text, or to its icon inside its frame
  bool live = false;               // a label that assistive technology reads out when it changes
  Colours colours = {};            // none: the control's own
  // A bitmap drawn above an owner-drawn button's caption, with or without its silver; or an
  // icon that a static control shows. Both are made for the window's density.
  int picture = 0;
  bool icon = false, masked = false;
  // The control's notice (a command's or a notification's code) raises its event procedure.
  UINT notice = 0;
  void (*event)(Form&) = nullptr;
  // Sees the control's messages first.
  LRESULT (*hook)(Form&, const Subclass&, HWND, UINT, WPARAM, LPARAM) = nullptr;
  // Reads the control's notifications first: what they amount to, and its answers.
  UINT (*notices)(Form&, const NMHDR&, LRESULT&) = nullptr;
};

// A window's design.
struct FormDesign {
  const char* className = "";
  const char* title = "";
  DWORD style = 0;
  DWORD exStyle = 0;
  SIZE client{};  // twips
  int icon = 0;   // the window's icon, a resource of the program
  const Paint* backdrop = nullptr;
  const FontSpec* font = nullptr;        // of the controls that name none
  const ControlDesign* panel = nullptr;  // a panel that holds the controls, or none
  std::span<const ControlDesign> controls = {};
  int defaultButton = 0;  // the push button that Enter presses unless another has the focus
  long role = 0;          // what assistive technology hears the window as; 0: the platform's
};

// Makes one control of a design at a density, without its font.
HWND CreateControl(HWND parent, const ControlDesign& design, int dpi);

class Form {
 public:
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND hwnd() const { return hwnd_; }
  int dpi() const { return dpi_; }
  Scheme& scheme() const { return *scheme_; }
  // A control of the design, the panel among them, by its identifier; nullptr for none.
  HWND Control(int id) const;
  // The font of a control of the design.
  ControlFont& Font(int id);
  // Raises the control's event procedure, as its notice does.
  void Raise(int id);

 protected:
  Form(const FormDesign& design, Scheme& scheme);
  // The derived window destroys its window in its own destructor, while the members that
  // its procedure still uses are alive.
  virtual ~Form();
  void Destroy();

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
  // The density the window has now.
  virtual int Density() const;
  // Lays the controls out from the design again, then the window's own layout.
  void Relayout();

 private:
  struct Owners;

  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT OutlineFollowsFocus(Form& form, const Subclass& hook, HWND button, UINT msg,
                                     WPARAM wp, LPARAM lp);
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  bool CreateControls();
  SIZE FrameSize() const;
  void FitClient();
  void LayOut(bool placed);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void Rescale(int dpi, const RECT* suggested);
  void SetIcons();
  const ControlDesign* RowOf(int id) const;
  const ControlDesign* RowOfWindow(HWND window) const;  // the row a child of it belongs to
  HBRUSH OnCtlColor(HDC dc, HWND control);

  const FormDesign& design_;
  Scheme* scheme_;  // not owned
  HWND hwnd_ = nullptr;
  HWND panel_ = nullptr;
  int dpi_ = 96;  // the density it is laid out for
  bool minimised_ = false;
  DialogNavigation navigation_;
  Annotations annotations_;
  std::unique_ptr<Owners[]> owners_;  // one for each row of the design
  win::Font sharedFont_;              // of the controls that name none
  UniqueIcon bigIcon_, smallIcon_;
};

}  // namespace win

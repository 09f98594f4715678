// The main window: the panel picInterface with every control of the design. It is built from
// its design (shell/fMainDesign.cpp) like every window of the program; browsing (browse/)
// and the button row own what the controls do, and the design's rows raise their event
// procedures.
#pragma once

#include <windows.h>

#include <span>

#include "browse/FontBrowser.h"
#include "browse/mEnumFonts.h"
#include "resources/MainIds.h"
#include "shell/ButtonRow.h"
#include "win/Dpi.h"
#include "win/Form.h"
#include "win/Scheme.h"

// What a run may change about start-up: how the font list is filled, how high contrast is
// found out, and the window's density.
struct fMainOptions {
  mEnumFonts::Enumerator enumerate = &::EnumFontFamiliesA;
  bool (*highContrast)() = &win::Scheme::SystemHighContrast;
  int (*density)(HWND) = &win::WindowDpi;
};

class fMain : public win::Form, public MainIds {
 public:
  using Options = fMainOptions;

  fMain(Key key, Options options);

  // Creates the window hidden with its controls in their design state, then runs Form_Load.
  bool Load();
  // Shows the window modeless.
  void Show();

  // The controls of the panel as designed, in tab order.
  static std::span<const win::ControlDesign> Design();
  fHelp* HelpWindow() const { return buttons_.HelpWindow(); }
  fAbout* AboutDialog() const { return buttons_.AboutDialog(); }

  // The design's rows, which name the event procedures below.
  struct Rows;

 private:
  // The procedures of browsing and of the button row that the design's rows name.
  static fMain& Of(win::Form& form) { return static_cast<fMain&>(form); }
  template <void (FontBrowser::*Procedure)()>
  static void Browsing(win::Form& form) {
    (Of(form).browser_.*Procedure)();
  }
  template <void (ButtonRow::*Procedure)()>
  static void Buttons(win::Form& form) {
    (Of(form).buttons_.*Procedure)();
  }
  template <LRESULT (FontBrowser::*Procedure)(const win::Subclass&, HWND, UINT, WPARAM, LPARAM)>
  static LRESULT BrowsingHook(win::Form& form, const win::Subclass& hook, HWND control, UINT msg,
                              WPARAM wp, LPARAM lp) {
    return (Of(form).browser_.*Procedure)(hook, control, msg, wp, lp);
  }
  template <UINT (FontBrowser::*Procedure)(const NMHDR&, LRESULT&)>
  static UINT BrowsingNotices(win::Form& form, const NMHDR& header, LRESULT& answer) {
    return (Of(form).browser_.*Procedure)(header, answer);
  }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Arrange() override;
  void ColoursChanged() override { browser_.ColoursChanged(); }

  // Selects a list entry from code: the click handler runs as for the user's choice.
  void SelectListIndex(int id, int index);

  // Start-up and layout.
  void Form_Load();
  void Form_Resize();
  void CentrePanel();

  Options options_;
  FontBrowser browser_;
  ButtonRow buttons_;
};

// The main window's row of buttons under the Symbol View: the quick help, the About dialog
// and the maker's web site. The help window and the About dialog are loaded on first use,
// one of each, owned by the main window.
#pragma once

#include <windows.h>

#include <memory>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "win/Scheme.h"

class ButtonRow {
 public:
  // The windows are owned by `owner` and take their colours from its scheme.
  void Attach(HWND owner, win::Scheme& scheme) { owner_ = owner, scheme_ = &scheme; }

  void cmdHelp_Click();
  void cmdAbout_Click();
  void cmdVisit_Click();

  fHelp* HelpWindow() const { return help_.get(); }
  fAbout* AboutDialog() const { return about_.get(); }

 private:
  HWND owner_ = nullptr;           // not owned
  win::Scheme* scheme_ = nullptr;  // not owned
  std::unique_ptr<fHelp> help_;
  std::unique_ptr<fAbout> about_;
};

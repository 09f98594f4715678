// The main window's row of buttons under the Symbol View: the quick help, the About dialog
// and the maker's web site. The help window and the About dialog are loaded on first use,
// one of each, owned by the main window.
#pragma once

#include <windows.h>

#include <memory>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"

class ButtonRow {
 public:
  void Attach(HWND owner) { owner_ = owner; }

  void cmdHelp_Click();
  void cmdAbout_Click();
  void cmdVisit_Click();

  fHelp* HelpWindow() const { return help_.get(); }
  fAbout* AboutDialog() const { return about_.get(); }

 private:
  HWND owner_ = nullptr;  // not owned
  std::unique_ptr<fHelp> help_;
  std::unique_ptr<fAbout> about_;
};

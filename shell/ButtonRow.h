// The main window's row of buttons under the Symbol View: the quick help, the About dialog
// and the maker's web site. The help window and the About dialog are loaded on first use,
// one of each, owned by the main window.
#pragma once

#include <windows.h>

#include <memory>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "win/Form.h"

class ButtonRow {
 public:
  // The windows are owned by `owner` and ask the system what it asks.
  void Attach(HWND owner, const win::SystemQueries& system) { owner_ = owner, system_ = system; }

  void cmdHelp_Click();
  void cmdAbout_Click();
  void cmdVisit_Click();

  fHelp* HelpWindow() const { return help_.get(); }
  fAbout* AboutDialog() const { return about_.get(); }

 private:
  HWND owner_ = nullptr;  // not owned
  win::SystemQueries system_;
  std::unique_ptr<win::Owned<fHelp>> help_;
  std::unique_ptr<win::Owned<fAbout>> about_;
};

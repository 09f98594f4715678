// The main window's row of buttons under the Symbol View: the quick help, the About
// dialog and the maker's web site.
#include <string>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "dialogs/mUtils.h"
#include "shell/Product.h"
#include "shell/fMain.h"

void fMain::cmdHelp_Click() {
  if (!help_) help_ = std::make_unique<fHelp>();
  help_->Show(hwnd_);
}

void fMain::cmdAbout_Click() {
  if (!about_) about_ = std::make_unique<fAbout>();
  about_->Show(hwnd_);
}

void fMain::cmdVisit_Click() {
  const std::string address = product::kMakerUrl;
  mUtils::ShellOpen(address);
}

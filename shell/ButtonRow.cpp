#include "shell/ButtonRow.h"

#include <string>

#include "resources/Product.h"
#include "win/mUtils.h"

void ButtonRow::cmdHelp_Click() {
  if (!help_) help_ = std::make_unique<win::Owned<fHelp>>(system_);
  help_->Show(owner_);
}

void ButtonRow::cmdAbout_Click() {
  if (!about_) about_ = std::make_unique<win::Owned<fAbout>>(system_);
  about_->Show(owner_);
}

void ButtonRow::cmdVisit_Click() {
  const std::string address = product::kMakerUrl;
  mUtils::ShellOpen(address);
}

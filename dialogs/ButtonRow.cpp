#include "dialogs/ButtonRow.h"

#include <string>

#include "dialogs/mUtils.h"
#include "resources/Product.h"

void ButtonRow::cmdHelp_Click() {
  if (!help_) help_ = std::make_unique<fHelp>();
  help_->Show(owner_);
}

void ButtonRow::cmdAbout_Click() {
  if (!about_) about_ = std::make_unique<fAbout>();
  about_->Show(owner_);
}

void ButtonRow::cmdVisit_Click() {
  const std::string address = product::kMakerUrl;
  mUtils::ShellOpen(address);
}

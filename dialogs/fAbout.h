// The About dialog: icon, title, version, description, "OK" and the system information
// launcher. Modeless and owned by the main window; closing it destroys the dialog and the
// next Show loads it afresh.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "win/Handles.h"
#include "win/Subclass.h"
#include "win/Window.h"

class fAbout : public win::Window<fAbout> {
 public:
  enum Id : int {
    ID_cmdOK = IDOK,
    ID_picIcon = 301,
    ID_cmdSysInfo,
    ID_lblDescription,
    ID_lblDisclaimer,
    ID_lblTitle,
    ID_lblVersion
  };

  ~fAbout() { Destroy(); }

  // Loads the dialog if it is not loaded, then shows it in front.
  void Show(HWND owner);
  bool IsLoaded() const { return hwnd_ != nullptr; }

  // "Version " and the major, minor and revision of the program's own version record.
  static std::string VersionText();
  static std::string DescriptionText();

  // Starts the system information tool found through the registry, or says it can't.
  void StartSysInfo();

  INT_PTR HandleDialogMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  void Form_Load();
  void CreateControls();
  void Paint();
  void cmdOK_Click();
  void cmdSysInfo_Click() { StartSysInfo(); }

  int dpi_ = 96;
  win::UniqueIcon icon_, titleIcon_;
  std::array<win::Named, 2> named_;  // OK and System Info, in the order of the design
};

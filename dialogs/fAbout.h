// The About dialog: icon, title, version, description, "OK" and the system information
// launcher. Modeless and owned by the main window; closing it destroys the dialog and the
// next Show loads it afresh.
#pragma once

#include <windows.h>

#include <string>

#include "win/Handles.h"
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

  // "Version 1.0.0": major, minor and revision of the program's own version record.
  static std::string VersionText();
  static std::string DescriptionText();

  // Reads one registry value as text (REG_SZ, or REG_DWORD as "&h" and hex digits); true
  // when it was read. On failure the value is set to ""; a value of another type leaves it
  // as passed; a value of no bytes at all throws EmptyValue. `view` may ask for a view of
  // HKLM\SOFTWARE other than the program's own (KEY_WOW64_64KEY).
  struct EmptyValue {};
  static bool GetKeyValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                          std::string& value, REGSAM view = 0);
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
};

// The About dialog: icon, title, version, description, "OK" and the system information
// launcher. Modeless and owned by the main window; closing it destroys the dialog and the
// next Show loads it afresh. It is built from its design like the other windows, not from a
// dialog template, so that the dialog manager never lays it out or scales it by itself: Esc,
// Enter and Tab come from the dialog manager's keyboard handling all the same.
#pragma once

#include <windows.h>

#include <string>

#include "win/Form.h"

class fAbout : public win::Form {
 public:
  // In tab order.
  enum Id : int {
    ID_cmdOK = 300,
    ID_picIcon,
    ID_cmdSysInfo,
    ID_lblDescription,
    ID_lblDisclaimer,
    ID_lblTitle,
    ID_lblVersion
  };

  fAbout(Key key, const win::SystemQueries& system);

  // Loads the dialog if it is not loaded, then shows it in front.
  void Show(HWND owner);
  bool IsLoaded() const { return hwnd() != nullptr; }

  // "Version " and the major, minor and revision of the program's own version record.
  static std::string VersionText();
  static std::string DescriptionText();

  // Starts the system information tool found through the registry, or says it can't.
  void StartSysInfo();

  // The event procedures the design's rows name.
  static void cmdOK_Click(win::Form& form) { static_cast<fAbout&>(form).Close(); }
  static void cmdSysInfo_Click(win::Form& form) { static_cast<fAbout&>(form).StartSysInfo(); }

 private:
  POINT Place(SIZE size, HWND owner, int dpi) const override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Form_Load();
  void Paint();
  void Close() { ::DestroyWindow(hwnd()); }
};

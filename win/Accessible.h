// What assistive technology reads of a window's controls, through the platform's annotation
// service (Dynamic Annotation: oleacc's IAccPropServices): the name of a control whose caption
// stands elsewhere in the window order, and a label that announces its changes. The
// service's proxies serve Microsoft Active Accessibility and UI Automation clients alike, and
// the platform's own objects stay as they are: roles, values, the list's rows and the edit's
// text. Controls that show their own name (check boxes, buttons) are left to the platform.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/Handles.h"

struct IAccPropServices;

namespace win {

// Everything one window's controls are annotated with, cleared while they still exist.
class Annotations {
 public:
  // Where the service's interface is known (win/Accessible.cpp).
  Annotations();
  ~Annotations();
  Annotations(const Annotations&) = delete;
  Annotations& operator=(const Annotations&) = delete;

  // The control's accessible name.
  void Name(HWND control, const char* name);
  // What the window's client is to assistive technology (ROLE_SYSTEM_DIALOG, say).
  void Role(HWND window, long role);
  // The label as a polite live region: when told that it changed (Announce), assistive
  // technology reads its text once the user pauses, without the focus moving there.
  void LiveRegion(HWND label);
  // Every property set cleared; called before the controls go.
  void Clear();

 private:
  void Set(HWND control, const GUID& property, const VARIANT& value);
  void SetNumber(HWND control, const GUID& property, long number);
  IAccPropServices* Services();  // on first need; nullptr where there is none

  ComPtr<IAccPropServices> services_;
  bool sought_ = false;
  std::vector<std::pair<HWND, const GUID*>> set_;  // what to clear
};

// Sets a live region's text; when that changed it, assistive technology is told (after the
// text is in place, so that what it reads is the new one).
void Announce(HWND label, const std::string& text);

}  // namespace win

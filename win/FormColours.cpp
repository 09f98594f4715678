// The colours of a window: its backdrop and its controls' from the scheme, and their change
// when high contrast is turned on or off or the system's colours change.
#include "win/Controls.h"
#include "win/Form.h"

namespace win {

bool Form::OnColours(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      if (!design_.backdrop) return false;
      FillClient(hwnd_, reinterpret_cast<HDC>(wp), scheme_.Brush(*design_.backdrop));
      result = 1;
      return true;
    case WM_SETTINGCHANGE:
      if (wp != SPI_SETHIGHCONTRAST) return false;  // a taskbar moved, a locale changed...
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
      // Everything painted again in the colours of now.
      scheme_.Refresh();
      ColoursChanged();
      ::RedrawWindow(hwnd_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      const HWND control = reinterpret_cast<HWND>(lp);
      const FormControls::Owner* owner = controls_.OfWindow(control);
      const ControlDesign* row = owner                          ? owner->row
                                 : control == controls_.Panel() ? design_.panel
                                                                : nullptr;
      if (!row || !row->colours.back) return false;
      result =
          reinterpret_cast<LRESULT>(scheme_.ColourControl(reinterpret_cast<HDC>(wp), row->colours));
      return true;
    }
  }
  return false;
}

}  // namespace win

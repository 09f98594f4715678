#include "win/Panel.h"

#include "win/Controls.h"

namespace win {

const char kPanelClass[] = "VarneloPanel";

namespace {

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      // Asked of the parent each time, so no brush has to be handed over before the panel
      // is first painted, which may come before CreateWindowEx returns.
      if (const auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
              ::GetParent(hwnd), WM_CTLCOLORSTATIC, wp, reinterpret_cast<LPARAM>(hwnd)))) {
        FillClient(hwnd, reinterpret_cast<HDC>(wp), brush);
        return 1;
      }
      return ::DefWindowProcA(hwnd, msg, wp, lp);
    case WM_CLOSE:
      // A child may ask for it (a multi-line edit in dialog mode does on Esc), but the panel
      // lives as long as its window: DefWindowProc would destroy it with every control.
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_NEXTDLGCTL:
    case DM_GETDEFID:
      return ::SendMessageA(::GetParent(hwnd), msg, wp, lp);
    default:
      return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

void RegisterPanelClass() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kPanelClass;
    return ::RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace win

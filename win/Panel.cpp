#include "win/Panel.h"

#include "win/Controls.h"

namespace win {
namespace {

const char kPanelClass[] = "VarneloPanel";

using Background = HBRUSH (*)();

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      // Kept from the creation's parameters, before anything is painted: under a visible
      // parent the panel may be erased before CreateWindowExA returns.
      if (const auto* background = static_cast<const Background*>(
              reinterpret_cast<const CREATESTRUCTA*>(lp)->lpCreateParams))
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(*background));
      return ::DefWindowProcA(hwnd, msg, wp, lp);
    case WM_ERASEBKGND:
      if (const auto background =
              reinterpret_cast<Background>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA))) {
        FillClient(hwnd, reinterpret_cast<HDC>(wp), background());
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

void RegisterOnce() {
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

}  // namespace

HWND CreatePanel(HWND parent, int id, int left, int top, int width, int height, DWORD style,
                 HBRUSH (*background)()) {
  RegisterOnce();
  return ::CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | style, left, top, width,
                           height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleA(nullptr), &background);
}

}  // namespace win

#include "win/Panel.h"

#include "win/Controls.h"

namespace win {
namespace {

const char kPanelClass[] = "VarneloPanel";

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      FillClient(hwnd, reinterpret_cast<HDC>(wp),
                 reinterpret_cast<HBRUSH (*)()>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA))());
      return 1;
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
  HWND panel = ::CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, "",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | style, left, top, width,
                                 height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
  if (panel) ::SetWindowLongPtrA(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(background));
  return panel;
}

}  // namespace win

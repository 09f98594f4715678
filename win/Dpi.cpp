#include "win/Dpi.h"

#include "win/Handles.h"
#include "win/System.h"

namespace win {
namespace {

int SystemDpi() {
  WindowDC screen(nullptr);
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int WindowDpi(HWND window) {
  static const auto forWindow =
      SystemProcedure<UINT(WINAPI*)(HWND)>("user32.dll", "GetDpiForWindow");
  const int dpi = forWindow && window ? static_cast<int>(forWindow(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

int TwipsToPixels(int twips, int dpi) { return ::MulDiv(twips, dpi, 1440); }

int ScalePixels(int pixels96, int dpi) { return ::MulDiv(pixels96, dpi, 96); }

RECT FrameAround(RECT client, DWORD style, DWORD exStyle, int dpi) {
  static const auto forDpi = SystemProcedure<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
      "user32.dll", "AdjustWindowRectExForDpi");
  RECT r = client;
  if (!forDpi || !forDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    r = client;
    ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  }
  return r;
}

int SystemMetric(int index, int dpi) {
  static const auto forDpi =
      SystemProcedure<int(WINAPI*)(int, UINT)>("user32.dll", "GetSystemMetricsForDpi");
  return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : ::GetSystemMetrics(index);
}

}  // namespace win

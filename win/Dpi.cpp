#include "win/Dpi.h"

#include "win/Handles.h"

namespace win {
namespace {

// A procedure of user32, which every Windows program has loaded, as the type given; nullptr
// on a Windows that lacks it.
template <typename Procedure>
Procedure User32(const char* name) {
  return reinterpret_cast<Procedure>(
      reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

int SystemDpi() {
  WindowDC screen(nullptr);
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int WindowDpi(HWND window) {
  static const auto forWindow = User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  const int dpi = forWindow && window ? static_cast<int>(forWindow(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

int TwipsToPixels(int twips, int dpi) { return ::MulDiv(twips, dpi, 1440); }

int ScalePixels(int pixels96, int dpi) { return ::MulDiv(pixels96, dpi, 96); }

RECT FrameAround(RECT client, DWORD style, DWORD exStyle, int dpi) {
  static const auto forDpi =
      User32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  RECT r = client;
  if (!forDpi || !forDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    r = client;
    ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  }
  return r;
}

int SystemMetric(int index, int dpi) {
  static const auto forDpi = User32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : ::GetSystemMetrics(index);
}

}  // namespace win

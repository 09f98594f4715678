#include "win/Controls.h"

#include <cmath>
#include <vector>

#include "win/Handles.h"

namespace win {

int RoundPixel(float value) { return static_cast<int>(std::floor(value + 0.5f)); }

POINT CentreIn(SIZE area, SIZE box) {
  return POINT{RoundPixel(area.cx / 2.0f - box.cx / 2.0f),
               RoundPixel(area.cy / 2.0f - box.cy / 2.0f)};
}

RECT RectInParent(HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

SIZE SizeOf(const RECT& r) { return SIZE{r.right - r.left, r.bottom - r.top}; }

void FillClient(HWND window, HDC dc, HBRUSH brush) {
  RECT r;
  ::GetClientRect(window, &r);
  ::FillRect(dc, &r, brush);
}

void ShowInFront(HWND window) {
  ::ShowWindow(window, SW_SHOWNORMAL);
  ::SetForegroundWindow(window);
  ::BringWindowToTop(window);
}

SIZE MeasureCaption(HWND control, const std::string& caption, HFONT font) {
  WindowDC dc(control);
  Selected selected(dc.get(), font);
  RECT r{0, 0, 0, 0};
  ::DrawTextA(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

std::string GetText(HWND window) {
  int length = ::GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::vector<wchar_t> GetTextRange(HWND window, DWORD from, DWORD to) {
  std::vector<wchar_t> text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1);
  const DWORD length =
      static_cast<DWORD>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  if (to > length) to = length;
  if (from >= to) return {L'\0'};
  text[to] = L'\0';
  text.erase(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(from));
  text.resize(to - from + 1);
  return text;
}

std::string ToAnsi(std::wstring_view text, UINT codePage) {
  const int size = static_cast<int>(text.size());
  const int bytes =
      ::WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(bytes > 0 ? static_cast<size_t>(bytes) : 0, '\0');
  if (bytes > 0)
    ::WideCharToMultiByte(codePage, 0, text.data(), size, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

}  // namespace win

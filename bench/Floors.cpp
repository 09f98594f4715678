#include "bench/Floors.h"

#include <commctrl.h>

#include "shell/fMain.h"
#include "shell/mStartup.h"
#include "win/Dpi.h"
#include "win/FormControls.h"

namespace bench {
namespace {

void FillPlainList(HWND list) {
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list);
  for (int c = 1; c <= 255; ++c) {
    char text[2] = {static_cast<char>(c), 0};
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = c - 1;
    item.pszText = text;
    ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
  ::UpdateWindow(list);
}

int CALLBACK AddFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM combo) {
  ::SendMessageA(reinterpret_cast<HWND>(combo), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(font->lfFaceName));
  return 1;
}

// Fonts handed to a control the plainest way: create, set, delete the old one, repaint;
// `make(i)` creates the font of step i.
template <typename Make>
double SwapFonts(HWND control, int times, Make make) {
  HFONT current = nullptr;
  const double start = Now();
  for (int i = 0; i < times; ++i) {
    HFONT next = make(i);
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(next), TRUE);
    if (current) ::DeleteObject(current);
    current = next;
    Drain();
  }
  const double elapsed = (Now() - start) / times;
  ::SendMessageA(control, WM_SETFONT, 0, FALSE);
  ::DeleteObject(current);
  return elapsed;
}

}  // namespace

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Everything queued, paints included, handled the way the program's loop handles it.
void Drain() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message != WM_QUIT) mStartup::ProcessMessage(msg);
}

std::string Symbols() {
  std::string s;
  for (int c = 1; c <= 255; ++c) s += static_cast<char>(c);
  return s;
}

HWND PlainWindow(int width, int height) {
  return ::CreateWindowExA(0, "STATIC", "floor",
                           WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width,
                           height, nullptr, nullptr, nullptr, nullptr);
}

HWND PlainList(HWND parent) {
  HWND list = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | WS_BORDER,
                                10, 10, 200, 74, parent, nullptr, nullptr, nullptr);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 180;
  column.pszText = const_cast<char*>("Charactor Symbol");
  ListView_InsertColumn(list, 0, &column);
  return list;
}

double StartupFloor() {
  const double start = Now();
  HWND window = PlainWindow(484, 452);
  const int dpi = win::WindowDpi(nullptr);
  HWND combo = nullptr, edit = nullptr, list = nullptr;
  for (const win::ControlDesign& d : fMain::Design()) {
    HWND control = win::CreateControl(window, d, dpi);
    if (d.id == fMain::ID_cboFonts) combo = control;
    if (d.id == fMain::ID_txtSymbol) edit = control;
    if (d.id == fMain::ID_ListChars) list = control;
  }
  HDC dc = ::GetDC(combo);
  ::EnumFontFamiliesA(dc, nullptr, &AddFamily, reinterpret_cast<LPARAM>(combo));
  ::ReleaseDC(combo, dc);
  ::SetWindowTextA(edit, Symbols().c_str());
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  column.cx = 180;
  ListView_InsertColumn(list, 0, &column);
  FillPlainList(list);
  ::UpdateWindow(window);
  Drain();
  const double elapsed = Now() - start;
  ::DestroyWindow(window);
  Drain();
  return elapsed;
}

double FontSwapFloor(HWND control, int height, int weight, int times) {
  return SwapFonts(control, times, [&](int i) {
    return ::CreateFontA(i % 2 ? height : height * 2, 0, 0, 0, i % 2 ? weight : FW_NORMAL, 0, 0, 0,
                         DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  });
}

double SizeSwapFloor(HWND edit, const char* face, int times) {
  const int dpi = win::WindowDpi(nullptr);
  return SwapFonts(edit, times, [&](int i) {
    return ::CreateFontA(win::PointsToHeight(i % 2 ? 8.0f : 72.0f, dpi), 0, 0, 0, FW_NORMAL, 0, 0,
                         0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
  });
}

std::string EntryName(HWND fonts, int index) {
  const auto at = static_cast<WPARAM>(index);
  std::string name(static_cast<size_t>(::SendMessageA(fonts, CB_GETLBTEXTLEN, at, 0)) + 1, '\0');
  name.resize(static_cast<size_t>(
      ::SendMessageA(fonts, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(name.data()))));
  return name;
}

double WalkFloor(BareEdit& edit, HWND list, HWND fonts, const std::vector<int>& entries,
                 bool always) {
  const double start = Now();
  for (int i : entries) {
    edit.SetFace(EntryName(fonts, i), always);
    FillPlainList(list);
    Drain();
  }
  return (Now() - start) / static_cast<double>(entries.size());
}

double CopyFloor(HWND owner, int times) {
  const double start = Now();
  for (int i = 0; i < times; ++i) {
    if (!::OpenClipboard(owner)) continue;
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(::GlobalLock(block), "\x01\x02\x03", 4);
    ::GlobalUnlock(block);
    if (!::SetClipboardData(CF_TEXT, block)) ::GlobalFree(block);
    ::CloseClipboard();
  }
  return (Now() - start) / times;
}

}  // namespace bench

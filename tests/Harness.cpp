#include "tests/Harness.h"

#include <commctrl.h>

#include <cstring>
#include <stdexcept>

#include "win/Controls.h"

namespace harness {

void Pump(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;  // the main window closed; tests go on
      mStartup::ProcessMessage(msg);
    }
    if (done()) return true;
    DWORD elapsed = ::GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed < 10 ? timeoutMs - elapsed : 10,
                                QS_ALLINPUT);
  }
}

Program::Program(fMainOptions options) {
  if (!mStartup::Main(options)) throw std::runtime_error("the main window could not be loaded");
  ::SetForegroundWindow(window());
  Pump(100);
}

Program::~Program() {
  mStartup::Unload();
  Pump(20);
}

std::string Text(HWND window) { return win::GetText(window); }

LOGFONTA FontOf(HWND control) {
  LOGFONTA lf{};
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0));
  if (font) ::GetObjectA(font, sizeof lf, &lf);
  return lf;
}

RECT RectInParent(HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT ScreenRect(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return r;
}

COLORREF PixelAt(HWND window, int x, int y) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump(30);
  HDC dc = ::GetDC(window);
  COLORREF color = ::GetPixel(dc, x, y);
  ::ReleaseDC(window, dc);
  return color;
}

int ComboCount(HWND combo) { return static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0)); }

std::string ComboItem(HWND combo, int index) {
  LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

int ComboSelection(HWND combo) { return static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

void ChooseComboItem(HWND combo, int index) {
  ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(::GetParent(combo), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

int ListCount(HWND list) { return ListView_GetItemCount(list); }

std::string ListItem(HWND list, int index) {
  char buffer[64] = {};
  ListView_GetItemText(list, index, 0, buffer, sizeof buffer);
  return buffer;
}

int ListSelection(HWND list) { return static_cast<int>(ListView_GetNextItem(list, -1, LVNI_SELECTED)); }

RECT ListItemRect(HWND list, int index) {
  RECT r{};
  ListView_GetItemRect(list, index, &r, LVIR_BOUNDS);
  return r;
}

namespace {
void SendMouse(DWORD flags, int screenX, int screenY) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = ::MulDiv(screenX, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = ::MulDiv(screenY, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

void SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof input);
}

POINT ToScreen(HWND window, int x, int y) {
  POINT p{x, y};
  ::ClientToScreen(window, &p);
  return p;
}
}  // namespace

void MoveMouse(int screenX, int screenY) {
  SendMouse(MOUSEEVENTF_MOVE, screenX, screenY);
  Pump(30);
}

void Click(HWND window, int clientX, int clientY, DWORD downFlag, DWORD upFlag) {
  POINT p = ToScreen(window, clientX, clientY);
  SendMouse(MOUSEEVENTF_MOVE, p.x, p.y);
  Pump(20);
  SendMouse(downFlag, p.x, p.y);
  Pump(20);
  SendMouse(upFlag, p.x, p.y);
  Pump(80);
}

void Drag(HWND window, POINT from, POINT to) {
  POINT a = ToScreen(window, from.x, from.y), b = ToScreen(window, to.x, to.y);
  SendMouse(MOUSEEVENTF_MOVE, a.x, a.y);
  Pump(20);
  SendMouse(MOUSEEVENTF_LEFTDOWN, a.x, a.y);
  Pump(20);
  for (int step = 1; step <= 4; ++step) {
    SendMouse(MOUSEEVENTF_MOVE, a.x + (b.x - a.x) * step / 4, a.y + (b.y - a.y) * step / 4);
    Pump(20);
  }
  SendMouse(MOUSEEVENTF_LEFTUP, b.x, b.y);
  Pump(80);
}

void PressKey(WORD vk, bool shift, bool control, bool alt) {
  if (shift) SendKey(VK_SHIFT, false);
  if (control) SendKey(VK_CONTROL, false);
  if (alt) SendKey(VK_MENU, false);
  SendKey(vk, false);
  SendKey(vk, true);
  if (alt) SendKey(VK_MENU, true);
  if (control) SendKey(VK_CONTROL, true);
  if (shift) SendKey(VK_SHIFT, true);
  Pump(60);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    SHORT key = ::VkKeyScanA(c);
    PressKey(static_cast<WORD>(LOBYTE(key)), (HIBYTE(key) & 1) != 0);
  }
}

void FocusControl(HWND control) {
  HWND root = ::GetAncestor(control, GA_ROOT);
  ::SetForegroundWindow(root);
  ::SetActiveWindow(root);
  ::SetFocus(control);
  Pump(30);
}

std::string ClipboardText() {
  std::string text;
  for (int attempt = 0; attempt < 50 && !::OpenClipboard(nullptr); ++attempt) ::Sleep(10);
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
      text = bytes;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

bool ClipboardHas(UINT format) { return ::IsClipboardFormatAvailable(format) != FALSE; }

void PutPrivateFormat(UINT format, const std::string& data) {
  for (int attempt = 0; attempt < 50 && !::OpenClipboard(nullptr); ++attempt) ::Sleep(10);
  ::EmptyClipboard();
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, data.size() + 1);
  memcpy(::GlobalLock(block), data.c_str(), data.size() + 1);
  ::GlobalUnlock(block);
  if (!::SetClipboardData(format, block)) ::GlobalFree(block);
  ::CloseClipboard();
}

std::string TestDir() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of("\\/") + 1);
}

std::string AllSymbols() {
  std::string symbols;
  for (int code = 1; code <= 255; ++code) symbols += static_cast<char>(code);
  return symbols;
}

}  // namespace harness

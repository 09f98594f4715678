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

RECT ScreenRect(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return r;
}

COLORREF ShownPixel(HWND window, int x, int y) {
  Pump(30);
  HDC dc = ::GetDC(window);
  COLORREF color = ::GetPixel(dc, x, y);
  ::ReleaseDC(window, dc);
  return color;
}

COLORREF PixelAt(HWND window, int x, int y) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return ShownPixel(window, x, y);
}

namespace {
std::vector<COLORREF> ClientPixels(HWND window) {
  RECT r;
  ::GetClientRect(window, &r);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<COLORREF> pixels(static_cast<size_t>(r.right) * static_cast<size_t>(r.bottom));
  HDC dc = ::GetDC(window);
  HDC memory = ::CreateCompatibleDC(dc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(dc, r.right, r.bottom);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(r.bottom), pixels.data(), &info, DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(window, dc);
  return pixels;
}
}  // namespace

int StalePixels(HWND window) {
  Pump(30);
  std::vector<COLORREF> shown = ClientPixels(window);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump(30);
  std::vector<COLORREF> painted = ClientPixels(window);
  int stale = 0;
  for (size_t i = 0; i < shown.size() && i < painted.size(); ++i) stale += shown[i] != painted[i];
  return stale;
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

namespace {
std::wstring CharactersOfCodes(int first, int last) {
  std::string codes;
  for (int code = first; code <= last; ++code) codes += static_cast<char>(code);
  if (codes.empty()) return {};
  wchar_t characters[256] = {};
  int count = ::MultiByteToWideChar(CP_ACP, 0, codes.data(), static_cast<int>(codes.size()), characters, 256);
  return std::wstring(characters, count > 0 ? static_cast<size_t>(count) : 0);
}
}  // namespace

std::wstring SymbolCharacters() { return CharactersOfCodes(1, 255); }

int SymbolIndex(int code) { return static_cast<int>(CharactersOfCodes(1, code - 1).size()); }

std::string ToAnsi(const std::wstring& text) {
  char bytes[1024] = {};
  int count = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes,
                                    sizeof bytes, nullptr, nullptr);
  return std::string(bytes, count > 0 ? static_cast<size_t>(count) : 0);
}

std::string AllSymbols() { return ToAnsi(SymbolCharacters()); }

}  // namespace harness

// ---------------------------------------------------------------------------------------
// Helpers of the auxiliary-window, launcher and web-site tests.

#include <algorithm>
#include <fstream>

namespace harness {

std::string ClassName(HWND window) {
  char name[256] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

namespace {
struct WindowQuery {
  const char* className;
  const char* title;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lp) {
  const WindowQuery& query = *reinterpret_cast<const WindowQuery*>(lp);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != ::GetCurrentProcessId()) return TRUE;
  if (query.className && ClassName(window) != query.className) return TRUE;
  if (query.title) {
    DWORD_PTR length = 0;
    char text[512] = {};
    // Windows of another thread of this process may be inside a modal loop; bounded.
    if (!::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                               SMTO_ABORTIFHUNG, 1000, &length))
      return TRUE;
    if (std::string(text) != query.title) return TRUE;
  }
  query.found->push_back(window);
  return TRUE;
}
}  // namespace

std::vector<HWND> ProcessWindows(const char* className, const char* title) {
  std::vector<HWND> found;
  WindowQuery query{className, title, &found};
  ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&query));
  return found;
}

NamedLock::NamedLock(const char* name) : mutex_(::CreateMutexA(nullptr, FALSE, name)) {
  if (mutex_) ::WaitForSingleObject(mutex_, 120000);  // an abandoned lock is taken too
}

NamedLock::~NamedLock() {
  if (!mutex_) return;
  ::ReleaseMutex(mutex_);
  ::CloseHandle(mutex_);
}

namespace {
bool ReadValue(HKEY root, const std::string& key, const std::string& name, REGSAM view, DWORD& type,
               std::vector<BYTE>& data) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  LONG result = ::RegQueryValueExA(opened, name.empty() ? nullptr : name.c_str(), nullptr, &type,
                                   nullptr, &size);
  if (result == ERROR_SUCCESS) {
    data.assign(size, 0);
    result = ::RegQueryValueExA(opened, name.empty() ? nullptr : name.c_str(), nullptr, &type,
                                data.empty() ? nullptr : data.data(), &size);
    data.resize(size);
  }
  ::RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}
}  // namespace

bool RegistryKeyExists(HKEY root, const std::string& key, REGSAM view) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

SavedRegistryValue::SavedRegistryValue(HKEY root, const std::string& key, const std::string& name,
                                       REGSAM view)
    : root_(root), key_(key), name_(name), view_(view) {
  size_t at = 0;
  for (;;) {
    size_t end = key.find('\\', at);
    std::string prefix = key.substr(0, end);
    if (!RegistryKeyExists(root, prefix, view)) {
      firstMissingKey_ = prefix;
      break;
    }
    if (end == std::string::npos) break;
    at = end + 1;
  }
  existed_ = firstMissingKey_.empty() && ReadValue(root, key, name, view, type_, data_);
}

SavedRegistryValue::~SavedRegistryValue() {
  if (!firstMissingKey_.empty()) {
    // Through its parent, opened in the same view.
    const size_t cut = firstMissingKey_.rfind('\\');
    HKEY parent = nullptr;
    if (::RegOpenKeyExA(root_, cut == std::string::npos ? "" : firstMissingKey_.substr(0, cut).c_str(), 0,
                        KEY_ALL_ACCESS | view_, &parent) == ERROR_SUCCESS) {
      ::RegDeleteTreeA(parent, firstMissingKey_.substr(cut == std::string::npos ? 0 : cut + 1).c_str());
      ::RegCloseKey(parent);
    }
    return;
  }
  if (existed_) {
    SetRegistryValue(root_, key_, name_, type_, data_.data(), static_cast<DWORD>(data_.size()), view_);
  } else {
    DeleteRegistryValue(root_, key_, name_, view_);
  }
}

bool SetRegistryValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                      const void* data, DWORD size, REGSAM view) {
  HKEY created = nullptr;
  if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &created, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG result = ::RegSetValueExA(created, name.empty() ? nullptr : name.c_str(), 0, type,
                                 static_cast<const BYTE*>(data), size);
  ::RegCloseKey(created);
  return result == ERROR_SUCCESS;
}

bool SetRegistryText(HKEY root, const std::string& key, const std::string& name,
                     const std::string& text, REGSAM view) {
  return SetRegistryValue(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1), view);
}

void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name, REGSAM view) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE | view, &opened) != ERROR_SUCCESS) return;
  ::RegDeleteValueA(opened, name.empty() ? nullptr : name.c_str());
  ::RegCloseKey(opened);
}

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
  char old[32767];
  DWORD length = ::GetEnvironmentVariableA(name, old, sizeof old);
  had_ = length > 0 && length < sizeof old;
  if (had_) old_.assign(old, length);
  ::SetEnvironmentVariableA(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
  ::SetEnvironmentVariableA(name_.c_str(), had_ ? old_.c_str() : nullptr);
}

void RemoveTree(const std::string& folder) {
  std::string base = folder;
  if (!base.empty() && base.back() != '\\') base += '\\';
  WIN32_FIND_DATAA entry;
  HANDLE search = ::FindFirstFileA((base + "*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = base + name;
      ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        ::DeleteFileA(path.c_str());
      }
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
  }
  ::RemoveDirectoryA(base.c_str());
}

namespace {
void MakeFolders(const std::string& folder) {
  for (size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1))
    ::CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
  ::CreateDirectoryA(folder.c_str(), nullptr);
}
}  // namespace

std::string FreshFolder(const std::string& name) {
  std::string folder = TestDir() + name + "\\";
  RemoveTree(folder);
  MakeFolders(folder.substr(0, folder.size() - 1));
  return folder;
}

bool CopyMarkerTo(const std::string& path) {
  MakeFolders(path.substr(0, path.find_last_of('\\')));
  return ::CopyFileA((TestDir() + "marker.exe").c_str(), path.c_str(), FALSE) != FALSE;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool WaitForLines(const std::string& path, size_t count, DWORD timeoutMs) {
  return PumpUntil([&] { return ReadLines(path).size() >= count; }, timeoutMs);
}

std::string StripQuotes(const std::string& text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

namespace {
std::string TextOf(HWND window) {
  char text[2048] = {};
  DWORD_PTR length = 0;
  ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 1000, &length);
  return text;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(child);
  return TRUE;
}
}  // namespace

std::function<bool(HWND)> CaptionIs(const std::string& caption) {
  return [caption](HWND box) { return TextOf(box) == caption; };
}

DialogWatcher::DialogWatcher(std::function<bool(HWND)> wanted)
    : wanted_(std::move(wanted)), thread_([this] { Watch(); }) {}

DialogWatcher::~DialogWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<SeenDialog> DialogWatcher::Seen() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

bool DialogWatcher::WaitForCount(size_t count, DWORD timeoutMs) const {
  return PumpUntil([&] { return Seen().size() >= count; }, timeoutMs);
}

void DialogWatcher::Watch() {
  while (!stop_) {
    for (HWND box : ProcessWindows("#32770")) {
      if (!::IsWindowVisible(box)) continue;
      if (std::find(handled_.begin(), handled_.end(), box) != handled_.end()) continue;
      if (!wanted_(box)) continue;
      handled_.push_back(box);
      SeenDialog seen;
      seen.hwnd = box;
      seen.owner = ::GetWindow(box, GW_OWNER);
      seen.caption = TextOf(box);
      std::vector<HWND> children;
      ::EnumChildWindows(box, &CollectChild, reinterpret_cast<LPARAM>(&children));
      HWND ok = nullptr, first = nullptr;
      for (HWND child : children) {
        if (!::IsWindowVisible(child)) continue;
        const std::string kind = ClassName(child);
        if (kind == "Static") {
          LONG_PTR style = ::GetWindowLongPtrA(child, GWL_STYLE);
          if ((style & SS_TYPEMASK) == SS_ICON) {
            DWORD_PTR icon = 0;
            ::SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 1000, &icon);
            if (icon) seen.showsIcon = true;
          } else if (!TextOf(child).empty()) {
            seen.texts.push_back(TextOf(child));
          }
        } else if (kind == "Button") {
          seen.buttons.push_back(TextOf(child));
          if (!first) first = child;
          if (::GetDlgCtrlID(child) == IDOK) ok = child;
        }
      }
      {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(seen);
      }
      HWND press = ok ? ok : first;
      DWORD_PTR ignored = 0;
      if (press) ::SendMessageTimeoutA(press, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
      for (int wait = 0; wait < 100 && ::IsWindow(box); ++wait) ::Sleep(10);
      if (::IsWindow(box)) ::PostMessageA(box, WM_COMMAND, IDOK, 0);  // the click did not reach it
    }
    ::Sleep(20);
  }
}

// ---- Browsing: list rows, characters of the Symbol View, counted messages ----

}  // namespace harness

#include <cstdlib>

namespace harness {

namespace {
DWORD g_lastPressTime = 0;
POINT g_lastPress{-10000, -10000};  // screen

// Two presses at one place within the double-click time make a double-click; a helper that
// means a single click waits that time out first. (Rows scrolled into view often come to the
// same place, and Wine's list view takes a double-click without selecting the row.)
void AwaitSingleClick(HWND window, POINT client) {
  POINT screen = client;
  ::ClientToScreen(window, &screen);
  if (std::abs(screen.x - g_lastPress.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(screen.y - g_lastPress.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK)) {
    const DWORD wait = ::GetDoubleClickTime() + 50;
    PumpUntil([wait] { return ::GetTickCount() - g_lastPressTime > wait; }, wait);
  }
  g_lastPress = screen;
  g_lastPressTime = ::GetTickCount();
}
}  // namespace

void ClickListRow(HWND list, int index, DWORD downFlag, DWORD upFlag) {
  ListView_EnsureVisible(list, index, FALSE);
  Pump(20);
  RECT r = ListItemRect(list, index);
  POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  SingleClick(list, at, downFlag, upFlag);
}

void SingleClick(HWND window, POINT client, DWORD downFlag, DWORD upFlag) {
  AwaitSingleClick(window, client);
  Click(window, client.x, client.y, downFlag, upFlag);
  g_lastPressTime = ::GetTickCount();
}

void ScrollToChar(HWND edit, int index) {
  LRESULT line = ::SendMessageA(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(index), 0);
  LRESULT first = ::SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
  ::SendMessageA(edit, EM_LINESCROLL, 0, line - first);
  Pump(20);
}

POINT CharMiddle(HWND edit, int index, int* width) {
  LRESULT at = ::SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
  LRESULT next = ::SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index + 1), 0);
  const int x = static_cast<short>(LOWORD(at)), y = static_cast<short>(HIWORD(at));
  int w = static_cast<short>(LOWORD(next)) - x;
  if (next == -1 || static_cast<short>(HIWORD(next)) != y || w <= 0) {
    // The last one on its line, or of the text: as wide as the font draws it.
    std::string text = Text(edit);
    SIZE size{8, 0};
    if (index >= 0 && static_cast<size_t>(index) < text.size()) {
      HDC dc = ::GetDC(edit);
      HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(edit, WM_GETFONT, 0, 0)));
      ::GetTextExtentPoint32A(dc, &text[static_cast<size_t>(index)], 1, &size);
      ::SelectObject(dc, old);
      ::ReleaseDC(edit, dc);
    }
    w = size.cx > 0 ? size.cx : 8;
  }
  if (width) *width = w;
  const int height = FontOf(edit).lfHeight;
  return POINT{x + w / 2, y + (height < 0 ? -height : height) / 2};
}

void DragOverChars(HWND edit, int first, int last) {
  int w1 = 0, w2 = 0;
  POINT a = CharMiddle(edit, first, &w1), b = CharMiddle(edit, last, &w2);
  a.x -= w1 / 4;
  b.x += w2 / 4;
  AwaitSingleClick(edit, a);
  Drag(edit, a, b);
  g_lastPressTime = ::GetTickCount();
}

std::pair<DWORD, DWORD> EditSelection(HWND edit) {
  DWORD start = 0, end = 0;
  ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

bool IsChecked(HWND button) { return ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

MessageCounter::MessageCounter(HWND window, UINT message) : window_(window), message_(message) {
  ::SetWindowSubclass(window_, &MessageCounter::Proc, reinterpret_cast<UINT_PTR>(this),
                      reinterpret_cast<DWORD_PTR>(this));
}

MessageCounter::~MessageCounter() {
  if (::IsWindow(window_))
    ::RemoveWindowSubclass(window_, &MessageCounter::Proc, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK MessageCounter::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                      DWORD_PTR self) {
  auto* counter = reinterpret_cast<MessageCounter*>(self);
  if (msg == counter->message_) ++counter->count_;
  return ::DefSubclassProc(hwnd, msg, wp, lp);
}

bool RunningOnWine() {
  HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace harness

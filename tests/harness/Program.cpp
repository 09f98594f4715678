#include "tests/harness/Program.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "win/Handles.h"

namespace harness {

void Pump(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

void Drain() {
  PumpUntil([] { return true; }, 0);
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
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                timeoutMs - elapsed < 10 ? timeoutMs - elapsed : 10, QS_ALLINPUT);
  }
}

Program::Program(fMainOptions options) {
  if (!mStartup::Main(options)) throw std::runtime_error("the main window could not be loaded");
  ::SetForegroundWindow(window());
  PumpUntil([this] { return ::GetForegroundWindow() == window() && ::IsWindowVisible(window()); },
            1000);
}

Program::~Program() { End(); }

void Program::End() {
  if (ended_) return;
  ended_ = true;
  mStartup::Unload();
  Drain();
}

std::string Text(HWND window) { return win::GetText(window); }

std::string FaceOf(HWND control) { return FontOf(control).lfFaceName; }

LOGFONTA FontOf(HWND control) {
  LOGFONTA lf{};
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0));
  if (font) ::GetObjectA(font, sizeof lf, &lf);
  return lf;
}

SIZE TextSize(HWND control, const std::string& text, UINT format) {
  win::WindowDC dc(control);
  win::Selected font(dc.get(),
                     reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT r{0, 0, 0, 0};
  ::DrawTextA(dc.get(), text.data(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | format);
  return {r.right, r.bottom};
}

std::string StyleLetters(const LOGFONTA& font) {
  return std::string(font.lfItalic ? "I" : "") + (font.lfUnderline ? "U" : "") +
         (font.lfStrikeOut ? "S" : "");
}

testing::AssertionResult HasFont(HWND control, const std::string& face, LONG height, LONG weight,
                                 const char* flags) {
  const LOGFONTA lf = FontOf(control);
  const std::string on = StyleLetters(lf);
  if (lf.lfFaceName == face && lf.lfHeight == height && lf.lfWeight == weight &&
      (!flags || on == flags))
    return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "the font is \"" << lf.lfFaceName << "\" " << lf.lfHeight << ", weight " << lf.lfWeight
         << ", \"" << on << "\"; expected \"" << face << "\" " << height << ", weight " << weight
         << ", \"" << (flags ? flags : "(any)") << "\"";
}

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << "(" << b.left << ", " << b.top << ") " << b.width << " x " << b.height;
}

Box BoxOf(HWND control) {
  RECT r = RectInParent(control);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RECT ClientRect(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return r;
}

RECT ScreenRect(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return r;
}

COLORREF ShownPixel(HWND window, int x, int y) {
  Pump(30);
  return ::GetPixel(win::WindowDC(window).get(), x, y);
}

COLORREF PixelAt(HWND window, int x, int y) {
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return ShownPixel(window, x, y);
}

namespace {
std::vector<COLORREF> ClientPixels(HWND window) {
  RECT r = ClientRect(window);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<COLORREF> pixels(static_cast<size_t>(r.right) * static_cast<size_t>(r.bottom));
  win::WindowDC dc(window);
  win::UniqueMemoryDC memory(::CreateCompatibleDC(dc.get()));
  win::UniqueBitmap bitmap(::CreateCompatibleBitmap(dc.get(), r.right, r.bottom));
  {
    win::Selected into(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, r.right, r.bottom, dc.get(), 0, 0, SRCCOPY);
  }
  ::GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(r.bottom), pixels.data(), &info,
              DIB_RGB_COLORS);
  return pixels;
}
}  // namespace

int StalePixels(HWND window) {
  Pump(30);
  std::vector<COLORREF> shown = ClientPixels(window);
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump(30);
  std::vector<COLORREF> painted = ClientPixels(window);
  int stale = 0;
  for (size_t i = 0; i < shown.size() && i < painted.size(); ++i) stale += shown[i] != painted[i];
  return stale;
}

std::map<COLORREF, int> ColoursIn(HDC dc, const RECT& r, int step) {
  std::map<COLORREF, int> counts;
  for (int y = r.top; y < r.bottom; y += step)
    for (int x = r.left; x < r.right; x += step) ++counts[::GetPixel(dc, x, y)];
  return counts;
}

std::map<COLORREF, int> Colours(HWND control, int step) {
  PixelAt(control, 0, 0);  // painted first
  return ColoursIn(win::WindowDC(control).get(), ClientRect(control), step);
}

COLORREF MostCommon(const std::map<COLORREF, int>& counts) {
  COLORREF best = CLR_INVALID;
  int most = 0;
  for (auto [color, count] : counts)
    if (count > most) best = color, most = count;
  return best;
}

int ComboCount(HWND combo) { return static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0)); }

std::string ComboItem(HWND combo, int index) {
  char text[256] = {};  // a face name, LF_FACESIZE bytes at most, or a size
  ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  for (int i = 0; i < ComboCount(combo); ++i) items.push_back(ComboItem(combo, i));
  return items;
}

int ComboSelection(HWND combo) {
  return static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

int ComboIndexOtherThan(HWND combo, int index) {
  for (int i = index + 1; i < ComboCount(combo); ++i)
    if (ComboItem(combo, i) != ComboItem(combo, index)) return i;
  return -1;
}

bool IsSortedForTheUser(const std::vector<std::string>& items) {
  return std::is_sorted(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
    return ::lstrcmpiA(a.c_str(), b.c_str()) < 0;
  });
}

void ChooseComboItem(HWND combo, int index) {
  ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int ListCount(HWND list) { return ListView_GetItemCount(list); }

std::wstring ListItem(HWND list, int index) {
  wchar_t buffer[64] = {};
  LVITEMW item{};
  item.pszText = buffer;
  item.cchTextMax = 64;
  ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
  return buffer;
}

int ListSelection(HWND list) {
  return static_cast<int>(ListView_GetNextItem(list, -1, LVNI_SELECTED));
}

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

// The last event of the input a helper sends, which this thread is to take from its queue:
// the key going up, or the button's up message (in the client area or on the frame).
// (GetKeyState can't tell: Wine brings a thread's key state up to date with the input sent
// before the thread has taken it, whenever the thread asks for it.)
WPARAM g_lastKey = 0;
UINT g_lastMessage = 0, g_lastFrameMessage = 0;
bool g_taken = false;

LRESULT CALLBACK KeyboardTaken(int code, WPARAM vk, LPARAM info) {
  if (code == HC_ACTION && vk == g_lastKey && (info & 0x80000000)) g_taken = true;
  return ::CallNextHookEx(nullptr, code, vk, info);
}

LRESULT CALLBACK MouseTaken(int code, WPARAM message, LPARAM info) {
  if (code == HC_ACTION && (message == g_lastMessage || message == g_lastFrameMessage))
    g_taken = true;
  return ::CallNextHookEx(nullptr, code, message, info);
}

// Sends input and pumps until this thread has taken its last event, seen through a hook of
// this thread's; input that went to another thread's window is not waited for past a second.
void SendAndAwait(int hookKind, const std::function<void()>& send) {
  g_taken = false;
  HHOOK hook = ::SetWindowsHookExA(hookKind, hookKind == WH_KEYBOARD ? KeyboardTaken : MouseTaken,
                                   nullptr, ::GetCurrentThreadId());
  send();
  PumpUntil([] { return g_taken; }, 1000);
  if (hook) ::UnhookWindowsHookEx(hook);
}

// Moves to a point and presses a button there (screen coordinates).
void PressAt(POINT at, DWORD downFlag) {
  SendMouse(MOUSEEVENTF_MOVE, at.x, at.y);
  Drain();
  SendMouse(downFlag, at.x, at.y);
  Drain();
}

void SendClick(POINT at, DWORD downFlag, DWORD upFlag) {
  const bool right = downFlag == MOUSEEVENTF_RIGHTDOWN, middle = downFlag == MOUSEEVENTF_MIDDLEDOWN;
  g_lastMessage = right ? WM_RBUTTONUP : middle ? WM_MBUTTONUP : WM_LBUTTONUP;
  g_lastFrameMessage = right ? WM_NCRBUTTONUP : middle ? WM_NCMBUTTONUP : WM_NCLBUTTONUP;
  SendAndAwait(WH_MOUSE, [=] { SendMouse(upFlag, at.x, at.y); });
}
}  // namespace

void Click(HWND window, int clientX, int clientY, DWORD downFlag, DWORD upFlag) {
  POINT p = ToScreen(window, clientX, clientY);
  PressAt(p, downFlag);
  SendClick(p, downFlag, upFlag);
}

void Drag(HWND window, POINT from, POINT to) {
  POINT a = ToScreen(window, from.x, from.y), b = ToScreen(window, to.x, to.y);
  PressAt(a, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) {
    SendMouse(MOUSEEVENTF_MOVE, a.x + (b.x - a.x) * step / 4, a.y + (b.y - a.y) * step / 4);
    Drain();
  }
  SendClick(b, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD vk, bool shift, bool control, bool alt) {
  // The last key to go up is the first modifier pressed, else the key itself.
  g_lastKey = shift ? VK_SHIFT : control ? VK_CONTROL : alt ? VK_MENU : vk;
  SendAndAwait(WH_KEYBOARD, [=] {
    if (shift) SendKey(VK_SHIFT, false);
    if (control) SendKey(VK_CONTROL, false);
    if (alt) SendKey(VK_MENU, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (alt) SendKey(VK_MENU, true);
    if (control) SendKey(VK_CONTROL, true);
    if (shift) SendKey(VK_SHIFT, true);
  });
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
  PumpUntil([=] { return ::GetForegroundWindow() == root && HasFocus(control); }, 1000);
}

bool HasFocus(HWND control) {
  HWND focus = ::GetFocus();
  return focus && (focus == control || ::IsChild(control, focus));
}

bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (::OpenClipboard(owner)) return true;
    ::Sleep(10);
  }
  return false;
}

std::string ClipboardBlock(UINT format) {
  std::string bytes;
  OpenClipboardPatiently();
  if (HANDLE data = ::GetClipboardData(format)) {
    if (const char* p = static_cast<const char*>(::GlobalLock(data))) {
      bytes.assign(p, ::GlobalSize(data));
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return bytes;
}

std::string ClipboardBytes(UINT format) {
  std::string bytes = ClipboardBlock(format);
  return bytes.substr(0, strnlen(bytes.c_str(), bytes.size()));
}

std::string ClipboardText() { return ClipboardBytes(CF_TEXT); }

std::wstring ClipboardUnicode() {
  std::string bytes = ClipboardBlock(CF_UNICODETEXT);
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

std::set<UINT> ClipboardFormats() {
  std::set<UINT> formats;
  OpenClipboardPatiently();
  for (UINT f = ::EnumClipboardFormats(0); f; f = ::EnumClipboardFormats(f)) formats.insert(f);
  ::CloseClipboard();
  return formats;
}

bool ClipboardHas(UINT format) { return ::IsClipboardFormatAvailable(format) != FALSE; }

HGLOBAL GlobalText(const std::string& bytes) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  std::memcpy(::GlobalLock(block), bytes.c_str(), bytes.size() + 1);
  ::GlobalUnlock(block);
  return block;
}

void PutOnClipboard(const std::vector<std::pair<UINT, std::string>>& formats) {
  static HWND owner =
      ::CreateWindowExA(0, "STATIC", "test clipboard owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                        ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(OpenClipboardPatiently(owner));
  ::EmptyClipboard();
  for (const auto& [format, bytes] : formats) {
    HGLOBAL block = GlobalText(bytes);
    if (!::SetClipboardData(format, block)) ::GlobalFree(block);
  }
  ::CloseClipboard();
  for (const auto& format : formats) ASSERT_TRUE(ClipboardHas(format.first)) << format.first;
}

std::string TestDir() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of("\\/") + 1);
}

UINT LegacyCodePage() {
  char declared[8] = {};
  return ::GetEnvironmentVariableA("VARNELO_EXPECT_LEGACY_CP", declared, sizeof declared)
             ? static_cast<UINT>(std::atoi(declared))
             : ::GetACP();
}

namespace {
std::wstring FromCodes(const std::string& codes) {
  wchar_t characters[256] = {};
  int count = ::MultiByteToWideChar(LegacyCodePage(), 0, codes.data(),
                                    static_cast<int>(codes.size()), characters, 256);
  return std::wstring(characters, count > 0 ? static_cast<size_t>(count) : 0);
}

std::wstring CharactersOfCodes(int first, int last) {
  std::string codes;
  for (int code = first; code <= last; ++code) codes += static_cast<char>(code);
  return FromCodes(codes);
}
}  // namespace

std::wstring SymbolCharacters() { return CharactersOfCodes(1, 255); }

std::wstring CodeCharacter(int code) { return CharactersOfCodes(code, code); }

int SymbolIndex(int code) { return static_cast<int>(CharactersOfCodes(1, code - 1).size()); }

std::string ToAnsi(const std::wstring& text) {
  char bytes[1024] = {};
  int count = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes,
                                    sizeof bytes, nullptr, nullptr);
  return std::string(bytes, count > 0 ? static_cast<size_t>(count) : 0);
}

std::string InProcessCodePage(const std::string& codes) {
  return LegacyCodePage() == ::GetACP() ? codes : ToAnsi(FromCodes(codes));
}

std::string AllSymbols() { return ToAnsi(SymbolCharacters()); }

namespace {
DWORD g_lastPressTime = 0;
POINT g_lastPress{-10000, -10000};  // screen

// Two presses at one place within the double-click time make a double-click; a helper that
// means a single click waits that time out first. (Rows scrolled into view often come to the
// same place, and Wine's list view takes a double-click without selecting the row.)
bool AtTheLastPress(HWND window, POINT client) {
  ::ClientToScreen(window, &client);
  return std::abs(client.x - g_lastPress.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) &&
         std::abs(client.y - g_lastPress.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK);
}

void AwaitSingleClick(HWND window, POINT client) {
  if (AtTheLastPress(window, client)) {
    const DWORD wait = ::GetDoubleClickTime() + 50;
    PumpUntil([wait] { return ::GetTickCount() - g_lastPressTime > wait; }, wait);
  }
  g_lastPress = ToScreen(window, client.x, client.y);
  g_lastPressTime = ::GetTickCount();
}
}  // namespace

void ClickListRow(HWND list, int index, DWORD downFlag, DWORD upFlag) {
  ListView_EnsureVisible(list, index, FALSE);
  Drain();
  RECT r = ListItemRect(list, index);
  // Anywhere on the row selects it (full-row selection): away from the last press if the
  // middle is where it was, so there is no double-click time to wait out.
  POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  for (int x : {at.x, r.left + (r.right - r.left) / 4, r.right - (r.right - r.left) / 4}) {
    if (!AtTheLastPress(list, POINT{x, at.y})) {
      at.x = x;
      break;
    }
  }
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
  Drain();
}

POINT CharMiddle(HWND edit, int index, int* width) {
  LRESULT at = ::SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
  LRESULT next = ::SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index + 1), 0);
  const int x = static_cast<short>(LOWORD(at)), y = static_cast<short>(HIWORD(at));
  int w = static_cast<short>(LOWORD(next)) - x;
  if (next == -1 || static_cast<short>(HIWORD(next)) != y || w <= 0) {
    // The last one on its line, or of the text: as wide as the font draws it.
    const std::string text = Text(edit);
    const bool inText = index >= 0 && static_cast<size_t>(index) < text.size();
    const LONG drawn =
        inText ? TextSize(edit, text.substr(static_cast<size_t>(index), 1), DT_NOPREFIX).cx : 0;
    w = drawn > 0 ? drawn : 8;
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

bool WineDiffers(const std::string& reason) {
  HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  if (!ntdll || !::GetProcAddress(ntdll, "wine_get_version")) return false;  // not under Wine
  std::cout << "[   WINE   ] " << reason << "\n";
  return true;
}

}  // namespace harness

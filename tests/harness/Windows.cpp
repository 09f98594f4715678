#include "tests/harness/Windows.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "tests/harness/Program.h"

namespace harness {

std::string ClassName(HWND window) {
  char name[256] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

namespace {
// Bounded: a window of another thread of this process may be inside a modal loop.
std::string TextOf(HWND window) {
  char text[2048] = {};
  ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 1000, nullptr);
  return text;
}

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
  if (!query.title || TextOf(window) == query.title) query.found->push_back(window);
  return TRUE;
}
}  // namespace

std::vector<HWND> ProcessWindows(const char* className, const char* title) {
  std::vector<HWND> found;
  WindowQuery query{className, title, &found};
  ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&query));
  return found;
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

void DialogWatcher::Watch() {
  while (!stop_) {
    for (HWND box : ProcessWindows("#32770")) {
      if (!::IsWindowVisible(box)) continue;
      if (std::find(handled_.begin(), handled_.end(), box) != handled_.end()) continue;
      if (!wanted_(box)) continue;
      handled_.push_back(box);
      SeenDialog seen;
      seen.caption = TextOf(box);
      HWND ok = nullptr, first = nullptr;
      for (HWND child = ::GetWindow(box, GW_CHILD); child;
           child = ::GetWindow(child, GW_HWNDNEXT)) {
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
      if (press) ::SendMessageTimeoutA(press, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
      for (int wait = 0; wait < 100 && ::IsWindow(box); ++wait) ::Sleep(10);
      if (::IsWindow(box)) ::PostMessageA(box, WM_COMMAND, IDOK, 0);  // the click did not reach it
    }
    ::Sleep(20);
  }
}

std::vector<HWND> VisibleWindows(const char* title) {
  std::vector<HWND> shown;
  for (HWND w : ProcessWindows(nullptr, title))
    if (::IsWindowVisible(w)) shown.push_back(w);
  return shown;
}

HWND OpenWindow(const Program& program, int buttonId, const char* title) {
  ::SendMessageA(program[buttonId], BM_CLICK, 0, 0);
  std::vector<HWND> shown;
  PumpUntil([&] { return (shown = VisibleWindows(title)).size() == 1; }, 1000);
  return shown.size() == 1 ? shown.front() : nullptr;
}

bool Gone(HWND window) {
  return PumpUntil([window] { return !::IsWindow(window); }, 1000);
}

bool Iconic(HWND window, bool minimised, DWORD timeoutMs) {
  return PumpUntil([=] { return (::IsIconic(window) != FALSE) == minimised; }, timeoutMs);
}

namespace {
// The name of a message the tests log ("LVM_SETSELECTIONMARK"), else its number in hex.
std::string MessageName(UINT message) {
  static const struct {
    UINT message;
    const char* name;
  } kNames[] = {
#define NAME(m) {m, #m}
      NAME(WM_SETTEXT),        NAME(WM_SETFONT),          NAME(LVM_SETITEMSTATE),
      NAME(LVM_ENSUREVISIBLE), NAME(LVM_SCROLL),          NAME(LVM_DELETEALLITEMS),
      NAME(LVM_SETITEMCOUNT),  NAME(LVM_SETSELECTIONMARK)
#undef NAME
  };
  for (const auto& entry : kNames)
    if (entry.message == message) return entry.name;
  char number[16];
  std::snprintf(number, sizeof number, "0x%04x", message);
  return number;
}
}  // namespace

MessageLog::MessageLog(HWND window, std::vector<UINT> kinds)
    : window_(window), kinds_(std::move(kinds)) {
  ::SetWindowSubclass(window_, &MessageLog::Proc, reinterpret_cast<UINT_PTR>(this),
                      reinterpret_cast<DWORD_PTR>(this));
}

MessageLog::~MessageLog() {
  if (::IsWindow(window_))
    ::RemoveWindowSubclass(window_, &MessageLog::Proc, reinterpret_cast<UINT_PTR>(this));
}

int MessageLog::Count(UINT message) const {
  return static_cast<int>(std::count(messages_.begin(), messages_.end(), message));
}

LRESULT CALLBACK MessageLog::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                  DWORD_PTR self) {
  auto* log = reinterpret_cast<MessageLog*>(self);
  if (std::find(log->kinds_.begin(), log->kinds_.end(), msg) != log->kinds_.end())
    log->messages_.push_back(msg);
  return ::DefSubclassProc(hwnd, msg, wp, lp);
}

testing::AssertionResult Sequence(const MessageLog& log, const std::vector<Expected>& expected) {
  const std::vector<UINT>& actual = log.messages();
  size_t a = 0;
  bool same = true;
  for (const Expected& e : expected) {
    if (a < actual.size() && actual[a] == e.message) {
      ++a;
    } else if (!e.optional) {
      same = false;
      break;
    }
  }
  if (same && a == actual.size()) return testing::AssertionSuccess();
  testing::AssertionResult failure = testing::AssertionFailure();
  failure << "expected:";
  for (const Expected& e : expected)
    failure << " " << MessageName(e.message) << (e.optional ? "(optional)" : "");
  failure << "\n  actual:";
  for (UINT m : actual) failure << " " << MessageName(m);
  if (actual.empty()) failure << " (none)";
  return failure;
}

}  // namespace harness

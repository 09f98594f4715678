// Windows of this process: top-level windows found by class and title, dialog boxes read and
// closed from another thread, and a log of the messages a window receives, compared with the
// expected sequence and printed by name (as Wine's ok_sequence does).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/harness/Program.h"

namespace harness {

std::string ClassName(HWND window);

// Top-level windows of this process, visible or not; a null class or title matches any.
std::vector<HWND> ProcessWindows(const char* className = nullptr, const char* title = nullptr);
// The visible ones among those titled `title` (null: any).
std::vector<HWND> VisibleWindows(const char* title);

// Presses a button of the main window and waits up to a second for one visible window titled
// `title`: that window, or null when there is not exactly one.
HWND OpenWindow(const Program& program, int buttonId, const char* title);
// Waits up to a second for the window to be destroyed; tells whether it was.
bool Gone(HWND window);
// Waits up to `timeoutMs` for the window to be minimised (or, with false, no longer); tells
// whether it is.
bool Iconic(HWND window, bool minimised = true, DWORD timeoutMs = 1000);

// A dialog box that the watcher saw and closed.
struct SeenDialog {
  std::string caption;
  std::vector<std::string> texts;    // the non-empty texts of its Static controls
  std::vector<std::string> buttons;  // the captions of its visible buttons
  bool showsIcon = false;            // a visible Static control that holds an icon
};

// Watches, on a thread of its own, for visible top-level dialog boxes (class "#32770") of
// this process that `wanted` accepts, reads them and presses their OK (else first) button;
// every box is handled once. The thread ends with the object.
class DialogWatcher {
 public:
  explicit DialogWatcher(std::function<bool(HWND)> wanted);
  ~DialogWatcher();

  std::vector<SeenDialog> Seen() const;

 private:
  void Watch();

  std::function<bool(HWND)> wanted_;
  mutable std::mutex mutex_;
  std::vector<SeenDialog> seen_;
  std::vector<HWND> handled_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Records, in order, the messages of the given kinds that a window receives, through a
// subclass of the window for the life of the object (same thread).
class MessageLog {
 public:
  MessageLog(HWND window, std::vector<UINT> kinds);
  ~MessageLog();
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  const std::vector<UINT>& messages() const { return messages_; }
  int Count(UINT message) const;
  void Clear() { messages_.clear(); }

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  HWND window_;
  std::vector<UINT> kinds_, messages_;
};

// One entry of an expected sequence; an optional one may be missing from the log.
struct Expected {
  UINT message;
  bool optional = false;
};

// The log against the expected sequence, as Wine's ok_sequence compares them: on a mismatch
// the failure names the expected and the actual messages.
//   EXPECT_TRUE(harness::Sequence(log, {{LVM_SETITEMSTATE, true}, {LVM_SETSELECTIONMARK}}));
testing::AssertionResult Sequence(const MessageLog& log, const std::vector<Expected>& expected);

}  // namespace harness

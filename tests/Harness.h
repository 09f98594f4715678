// What every test of the real windows needs: the program started through its own start-up
// path, the message queue drained for a bounded time, real input, and readings of what a
// user sees.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shell/fMain.h"
#include "shell/mStartup.h"
#include "win/Controls.h"

namespace harness {

// Runs the program's own message handling for `ms` milliseconds.
void Pump(DWORD ms = 50);
// Pumps until `done` holds or `timeoutMs` has passed; tells which.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);

// The program, started like a user starts it, and unloaded at the end of the test.
class Program {
 public:
  explicit Program(fMainOptions options = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  fMain& form() const { return *mStartup::MainForm(); }
  HWND window() const { return form().hwnd(); }
  HWND operator[](int id) const { return form().Control(id); }
};

std::string Text(HWND window);
LOGFONTA FontOf(HWND control);  // through WM_GETFONT and GetObject
using win::RectInParent;  // left, top, right, bottom in the parent's client area
RECT ScreenRect(HWND window);
COLORREF PixelAt(HWND window, int x, int y);  // client coordinates of the painted window
COLORREF ShownPixel(HWND window, int x, int y);  // as the program's own painting left it
// How many pixels of the client area, as shown now, differ from what a forced repaint draws.
int StalePixels(HWND window);

// Combo box contents.
int ComboCount(HWND combo);
std::string ComboItem(HWND combo, int index);
int ComboSelection(HWND combo);
// Selects an entry and sends the notification the control sends for a user's choice.
void ChooseComboItem(HWND combo, int index);

// List view contents.
int ListCount(HWND list);
std::string ListItem(HWND list, int index);
int ListSelection(HWND list);
RECT ListItemRect(HWND list, int index);  // client coordinates

// Real input through SendInput, then the queue drained.
void MoveMouse(int screenX, int screenY);
void Click(HWND window, int clientX, int clientY, DWORD downFlag = MOUSEEVENTF_LEFTDOWN,
           DWORD upFlag = MOUSEEVENTF_LEFTUP);
void Drag(HWND window, POINT fromClient, POINT toClient);
void PressKey(WORD vk, bool shift = false, bool control = false, bool alt = false);
void TypeText(const std::string& text);
// Makes the window active with the focus on `control`.
void FocusControl(HWND control);

// Clipboard.
std::string ClipboardText();  // CF_TEXT, or "" when there is none
bool ClipboardHas(UINT format);
void PutPrivateFormat(UINT format, const std::string& data);  // empties the clipboard first

// The folder of the running test program, with a trailing backslash.
std::string TestDir();

// The character of each code 1 to 255, in ascending order, as a control gives it back: in
// a double-byte code page a lead byte and the code after it make one character, and a pair
// that the code page leaves undefined comes back as its default character.
std::string AllSymbols();
// The same as characters (UTF-16), as the Symbol View counts them.
std::wstring SymbolCharacters();
// The index in the Symbol View of the character that code `code` begins: the codes before
// it, counted as characters of the code page.
int SymbolIndex(int code);
// Characters in the ANSI code page.
std::string ToAnsi(const std::wstring& text);

}  // namespace harness

// ---------------------------------------------------------------------------------------
// For the tests of the auxiliary windows, the system information launcher and the web
// button: windows of this process, the registry of the test prefix, the marker program and
// dialog boxes closed from another thread.

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace harness {

std::string ClassName(HWND window);

// Top-level windows of this process, visible or not; a null class or title matches any.
std::vector<HWND> ProcessWindows(const char* className = nullptr, const char* title = nullptr);

// A lock shared by the test programs that change the same registry values of the prefix,
// so that two of them running at once don't see each other's settings.
class NamedLock {
 public:
  explicit NamedLock(const char* name);
  ~NamedLock();
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;

 private:
  HANDLE mutex_ = nullptr;
};

// One registry value as it stands now; put back as it was when the object goes (or deleted
// if it was absent), and the keys that did not exist then are removed again. `view` is 0
// (this program's own view of HKLM\SOFTWARE), KEY_WOW64_64KEY or KEY_WOW64_32KEY.
class SavedRegistryValue {
 public:
  SavedRegistryValue(HKEY root, const std::string& key, const std::string& name, REGSAM view = 0);
  ~SavedRegistryValue();
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

 private:
  HKEY root_;
  std::string key_, name_;
  REGSAM view_;
  std::string firstMissingKey_;  // "" when the whole key path existed
  bool existed_ = false;
  DWORD type_ = 0;
  std::vector<BYTE> data_;
};

// Writes one value, creating its key; `size` bytes of `data` exactly (0 allowed).
bool SetRegistryValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                      const void* data, DWORD size, REGSAM view = 0);
bool SetRegistryText(HKEY root, const std::string& key, const std::string& name,
                     const std::string& text, REGSAM view = 0);  // REG_SZ with its NUL
void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name, REGSAM view = 0);
bool RegistryKeyExists(HKEY root, const std::string& key, REGSAM view = 0);

// An environment variable of this process (inherited by what it starts), set for a scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value);  // a null value removes it
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_, old_;
  bool had_ = false;
};

// A folder under the test program's folder, emptied; with a trailing backslash.
std::string FreshFolder(const std::string& name);
void RemoveTree(const std::string& folder);
// Copies the marker program (TestDir() + "marker.exe") to `path`, making its folders.
bool CopyMarkerTo(const std::string& path);
// The lines of a text file; none when it does not exist.
std::vector<std::string> ReadLines(const std::string& path);
// Pumps until the file holds at least `count` lines or `timeoutMs` has passed.
bool WaitForLines(const std::string& path, size_t count, DWORD timeoutMs = 10000);
std::string StripQuotes(const std::string& text);  // one pair of surrounding quotes

// A dialog box that the watcher saw and closed.
struct SeenDialog {
  HWND hwnd = nullptr;
  HWND owner = nullptr;
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
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  std::vector<SeenDialog> Seen() const;
  // Pumps until `count` boxes have been seen or `timeoutMs` has passed.
  bool WaitForCount(size_t count, DWORD timeoutMs = 5000) const;

 private:
  void Watch();

  std::function<bool(HWND)> wanted_;
  mutable std::mutex mutex_;
  std::vector<SeenDialog> seen_;
  std::vector<HWND> handled_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Accepts the boxes whose caption is exactly `caption`.
std::function<bool(HWND)> CaptionIs(const std::string& caption);

// True under Wine (its ntdll exports wine_get_version), for the places where a test has to
// allow for a difference from Windows.
bool RunningOnWine();

// ---- Browsing: list rows, characters of the Symbol View, counted messages ----

}  // namespace harness

#include <utility>

namespace harness {

// Scrolls the row into view and clicks its middle with the real mouse (a single click).
void ClickListRow(HWND list, int index, DWORD downFlag = MOUSEEVENTF_LEFTDOWN,
                  DWORD upFlag = MOUSEEVENTF_LEFTUP);
// A click that is never taken as the second half of a double-click: a click at the place of
// the last one waits for the double-click time to pass first.
void SingleClick(HWND window, POINT client, DWORD downFlag = MOUSEEVENTF_LEFTDOWN,
                 DWORD upFlag = MOUSEEVENTF_LEFTUP);
// Scrolls a multi-line edit control so that the line of the character is the first one
// shown; the selection stays as it is.
void ScrollToChar(HWND edit, int index);
// The middle of a character of an edit control in its client area (after ScrollToChar),
// with its width; through EM_POSFROMCHAR.
POINT CharMiddle(HWND edit, int index, int* width = nullptr);
// Drags the real mouse from a quarter into character `first` to three quarters into
// character `last` (on one line): the edit control selects first..last. Never starts a
// double-click.
void DragOverChars(HWND edit, int first, int last);
// EM_GETSEL: start and end of an edit control's selection.
std::pair<DWORD, DWORD> EditSelection(HWND edit);
bool IsChecked(HWND button);

// Counts the messages of one kind that a window receives, by a subclass of the window for
// the life of the object (same thread).
class MessageCounter {
 public:
  MessageCounter(HWND window, UINT message);
  ~MessageCounter();
  MessageCounter(const MessageCounter&) = delete;
  MessageCounter& operator=(const MessageCounter&) = delete;
  int count() const { return count_; }
  void Reset() { count_ = 0; }

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  HWND window_;
  UINT message_;
  int count_ = 0;
};

}  // namespace harness

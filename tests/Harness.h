// What every test of the real windows needs: the program started through its own start-up
// path, the message queue drained for a bounded time, real input, and readings of what a
// user sees.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shell/fMain.h"
#include "shell/mStartup.h"

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
RECT RectInParent(HWND child);  // left, top, right, bottom in the parent's client area
RECT ScreenRect(HWND window);
COLORREF PixelAt(HWND window, int x, int y);  // client coordinates of the painted window

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

// The character of each code 1 to 255, in ascending order.
std::string AllSymbols();

}  // namespace harness

// The program started through its own start-up path, the message queue drained for a bounded
// time or until a result shows, real input, and readings of what a user sees: text, fonts,
// pixels and colours, combo box and list rows, the clipboard, the Symbol View's characters.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/fMain.h"
#include "shell/mStartup.h"
#include "win/Controls.h"
#include "win/Dpi.h"

namespace harness {

// Runs the program's own message handling for `ms` milliseconds.
void Pump(DWORD ms = 50);
// Runs what is waiting in the message queue now, without waiting for more.
void Drain();
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
  // Unloads the program before the object goes, for a test that looks at what it left.
  void End();

 private:
  bool ended_ = false;
};

// The fixture of the tests of the main window: the program started as a user starts it,
// with the controls that most tests reach for.
class MainWindowTest : public testing::Test {
 protected:
  Program program;
  HWND fonts = program[fMain::ID_cboFonts];
  HWND sizes = program[fMain::ID_cboSize];
  HWND view = program[fMain::ID_txtSymbol];
  HWND preview = program[fMain::ID_lblPreview];
  HWND list = program[fMain::ID_ListChars];
  HWND label = program[fMain::ID_lblKeycode];
};

// A known difference of Wine's from Windows, marked with its reason beside the check it
// excuses, as Wine's own tests mark theirs (todo_wine): true under Wine, where the reason is
// printed as "[   WINE   ] reason"; false elsewhere, so Windows is held to the check.
//   EXPECT_TRUE(ownedAbove || harness::WineDiffers("Wine 8 raises the owner ..."));
bool WineDiffers(const std::string& reason);

std::string Text(HWND window);
LOGFONTA FontOf(HWND control);     // through WM_GETFONT and GetObject
std::string FaceOf(HWND control);  // FontOf(control).lfFaceName
// A text on one line in a control's own font, as DrawText lays it out ("&" marks an access key,
// as in a caption, unless `format` has DT_NOPREFIX); its height is the font's line height.
SIZE TextSize(HWND control, const std::string& text, UINT format = 0);
// A control's font against a face, a LOGFONT height and a weight, and, where `flags` is given,
// the letters of those of italic, underline and strike-out that are on ("" none, "IUS" all).
testing::AssertionResult HasFont(HWND control, const std::string& face, LONG height, LONG weight,
                                 const char* flags = nullptr);
std::string StyleLetters(const LOGFONTA& font);  // as those flags
using win::RectInParent;  // left, top, right, bottom in the parent's client area
// Left, top, width and height in the parent's client area, compared and printed whole.
struct Box {
  LONG left, top, width, height;
  bool operator==(const Box& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};
std::ostream& operator<<(std::ostream& out, const Box& b);
Box BoxOf(HWND control);

// The main window's controls as the user first sees them, in tab order
// (tests/harness/Controls.cpp).
struct MainControl {
  int id = 0;
  const char* className = "";
  const char* caption = nullptr;  // nullptr: set at start-up and checked where it is
  Box box{};                      // panel pixels at 96 dpi; 0 x 0: its caption's size
  const char* face = nullptr;     // nullptr: the window's default font
  LONG height = 0;                // LOGFONT height at 96 dpi
  bool bold = false;
  const char* name = nullptr;  // what assistive technology reads; nullptr: it takes no focus
  LONG role = 0;               // Windows' own for its kind; a combo box with a field: the field's
};
extern const MainControl kMainControls[21];
// The style check boxes, in the order of their flags: bold, italic, underline, strike-out.
extern const int kStyleBoxes[4];
std::vector<int> Focusable();  // the ids of those that take the focus, in tab order
RECT ScreenRect(HWND window);
RECT ClientRect(HWND window);
COLORREF PixelAt(HWND window, int x, int y);     // client coordinates of the painted window
COLORREF ShownPixel(HWND window, int x, int y);  // as the program's own painting left it
// How many pixels of the client area, as shown now, differ from what a forced repaint draws.
int StalePixels(HWND window);
// How often each colour covers a rectangle of a device context (every `step`th pixel each way).
std::map<COLORREF, int> ColoursIn(HDC dc, const RECT& r, int step = 1);
// The same over a control's client area, painted first.
std::map<COLORREF, int> Colours(HWND control, int step = 2);
COLORREF MostCommon(const std::map<COLORREF, int>& counts);  // CLR_INVALID for none

// Combo box contents.
int ComboCount(HWND combo);
std::string ComboItem(HWND combo, int index);
std::vector<std::string> ComboItems(HWND combo);  // every entry, in order
int ComboSelection(HWND combo);
// The first entry after `index` whose text differs from that entry's; -1 when there is none.
int ComboIndexOtherThan(HWND combo, int index);
// Whether a list's entries stand in the order a user reads them in (lstrcmpi's).
bool IsSortedForTheUser(const std::vector<std::string>& items);
// Selects an entry and sends the notification the control sends for a user's choice.
void ChooseComboItem(HWND combo, int index);

// List view contents.
int ListCount(HWND list);
std::wstring ListItem(HWND list, int index);  // the text the row shows
int ListSelection(HWND list);
RECT ListItemRect(HWND list, int index);  // client coordinates

// Real input through SendInput, then the queue drained.
void Click(HWND window, int clientX, int clientY, DWORD downFlag = MOUSEEVENTF_LEFTDOWN,
           DWORD upFlag = MOUSEEVENTF_LEFTUP);
void Drag(HWND window, POINT fromClient, POINT toClient);
void PressKey(WORD vk, bool shift = false, bool control = false, bool alt = false);
void TypeText(const std::string& text);
// Makes the window active with the focus on `control`.
void FocusControl(HWND control);
bool HasFocus(HWND control);  // it, or a child of it does (the size box's text field)
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

// Clipboard. Each reader opens it for `owner`, waiting up to a second while another
// program holds it open.
bool OpenClipboardPatiently(HWND owner = nullptr);
std::string ClipboardBlock(UINT format);  // the whole block of a format, "" when there is none
std::string ClipboardBytes(UINT format);  // the data up to its first NUL, "" when there is none
std::string ClipboardText();              // CF_TEXT
std::wstring ClipboardUnicode();  // CF_UNICODETEXT, as a program that pastes Unicode reads it
std::set<UINT> ClipboardFormats();
bool ClipboardHas(UINT format);
HGLOBAL GlobalText(const std::string& bytes);  // a movable block with the bytes and a NUL
// Empties the clipboard and puts these formats (each the bytes and a NUL) on it, as another
// program would, for a window of the test's own; asserts that each is there.
void PutOnClipboard(const std::vector<std::pair<UINT, std::string>>& formats);

// The folder of the running test program, with a trailing backslash.
std::string TestDir();

// The code page whose characters the views show in this run: the one the run declares
// (VARNELO_EXPECT_LEGACY_CP, see tests/CMakeLists.txt), else the process's own ANSI one.
UINT LegacyCodePage();
// The characters (UTF-16) of codes 1 to 255 of that code page, in ascending order, as the
// Symbol View counts them: in a double-byte code page a lead byte and the code after it make
// one character, and a pair that the code page leaves undefined is its default character.
std::wstring SymbolCharacters();
// The same in the process's ANSI code page, as an ANSI call reads a control's text.
std::string AllSymbols();
// The character of one code alone, as a row of the Symbol List shows it.
std::wstring CodeCharacter(int code);
// The index in the Symbol View of the character that code `code` begins: the codes before
// it, counted as characters of the code page.
int SymbolIndex(int code);
// Characters in the process's ANSI code page.
std::string ToAnsi(const std::wstring& text);
// Codes of the legacy code page as the process's code page writes them: the same bytes where
// the two are one.
std::string InProcessCodePage(const std::string& codes);

}  // namespace harness

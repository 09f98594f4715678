// "&Copy To Clipboard": the Symbol View's selection, else the Symbol List's character, as
// plain text. The view's path empties the clipboard first, the list's path leaves a picture
// beside its text and nothing else, and with nothing chosen the clipboard is not touched. The copy
// changes nothing on the window, and another program can paste it. (A clipboard that another
// program holds open: tests/FaultTest.cpp.)
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "tests/Harness.h"

using harness::ClipboardBytes;
using harness::ClipboardUnicode;
using harness::PutOnClipboard;

namespace {

// Started as "clipboard_test.exe --paste-to=<file>", this program pastes instead of testing:
// it writes the clipboard's plain text to <file>, then a NUL and what a paste into a multi-line
// edit control of its own gives, and ends before any test runs.
const bool g_pasteProgram = [] {
  const char* flag = std::strstr(::GetCommandLineA(), "--paste-to=");
  if (!flag) return false;
  std::string path = flag + std::strlen("--paste-to=");
  while (!path.empty() && (path.back() == ' ' || path.back() == '"')) path.pop_back();
  const std::string text = harness::ClipboardText();
  HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 200,
                                100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(edit, WM_PASTE, 0, 0);
  std::string pasted = harness::Text(edit);
  ::DestroyWindow(edit);
  std::ofstream(path, std::ios::binary) << text << '\0' << pasted;
  ::ExitProcess(0);
  return true;
}();

// The Symbol View's characters from..to, in the ANSI code page.
std::string Symbols(int from, int to) {
  return harness::ToAnsi(harness::SymbolCharacters().substr(from, to - from));
}

struct Clipboard : harness::MainWindowTest {
  const UINT html = ::RegisterClipboardFormatA("HTML Format");  // what Word pastes first
  void PressCopy() const {
    ::SendMessageA(program[fMain::ID_cmdCopy], BM_CLICK, 0, 0);
    harness::Pump(20);
  }
  // Selects first..last of the Symbol View (only the caret where they are equal), presses the
  // button and returns the clipboard's plain text.
  std::string CopyWithSelection(int first, int last) {
    ::SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(first), last);
    PressCopy();
    return harness::ClipboardText();
  }
};

}  // namespace

TEST_F(Clipboard, ViewSelectionIsCopiedExactly) {
  const bool doubleByte = ::IsDBCSLeadByte(0x81) != FALSE;
  // Codes from the first on, as many as their bytes: a carriage return between form feed and
  // code 14, a tab and a line feed that stands alone, the last three codes among them.
  const std::pair<int, const char*> ranges[] = {
      {65, "ABC"},           {12, "\x0c\r\x0e"}, {9, "\t\n\x0b"}, {253, "\xfd\xfe\xff"},
      {128, "\x80\x81\x82"}, {65, "A"},          {1, "\x01"},     {13, "\r"}};
  for (const auto& [first, bytes] : ranges) {
    SCOPED_TRACE(testing::Message() << first << ": " << std::strlen(bytes));
    const int from = harness::SymbolIndex(first);
    const int to = harness::SymbolIndex(first + static_cast<int>(std::strlen(bytes)));
    PutOnClipboard({{CF_TEXT, "before"}});
    const std::string copied = CopyWithSelection(from, to);
    // In a double-byte code page the positions count characters of one or two bytes.
    if (!doubleByte) {
      EXPECT_EQ(harness::InProcessCodePage(bytes), copied);
    }
    EXPECT_EQ(Symbols(from, to), copied);
    EXPECT_EQ(harness::SymbolCharacters().substr(from, to - from), ClipboardUnicode());
  }
  if (doubleByte) {
    // Code 128 alone, then the pairs of codes 129 and 130, 131 and 132.
    EXPECT_EQ("\x80\x81\x82\x83\x84", CopyWithSelection(127, 130));
  }
  // All 255 characters at once.
  EXPECT_EQ(harness::AllSymbols(), CopyWithSelection(0, -1));
  // A selection made backwards copies the same.
  EXPECT_EQ("CDEF", CopyWithSelection(70, 66));
}

TEST_F(Clipboard, ViewSelectionWinsOverTheListRow) {
  harness::ClickListRow(list, 99);  // "d"
  ASSERT_EQ(99, harness::ListSelection(list));
  EXPECT_EQ("ABC", CopyWithSelection(64, 67));
  EXPECT_EQ("y", CopyWithSelection(120, 121));
}

TEST_F(Clipboard, WithOnlyTheCaretInTheViewTheRowIsCopied) {
  const std::pair<int, const char*> rows[] = {{64, "A"},  {254, "\xff"}, {0, "\x01"},
                                              {12, "\r"}, {9, "\n"},     {127, "\x80"}};
  for (const auto& [index, bytes] : rows) {
    SCOPED_TRACE(index);
    PutOnClipboard({{CF_TEXT, "before"}});
    harness::ClickListRow(list, index);
    ASSERT_EQ(index, harness::ListSelection(list));
    EXPECT_EQ(harness::InProcessCodePage(bytes), CopyWithSelection(30, 30));  // the caret only
    EXPECT_EQ(harness::CodeCharacter(index + 1), ClipboardUnicode());
  }
}

TEST_F(Clipboard, NothingChosenLeavesTheClipboardAlone) {
  PutOnClipboard({{CF_TEXT, "someone else's"}, {html, "<b>"}});
  ASSERT_EQ(-1, harness::ListSelection(list));
  ::SendMessageA(view, EM_SETSEL, 5, 5);
  const DWORD sequence = ::GetClipboardSequenceNumber();
  PressCopy();
  EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
  EXPECT_EQ("someone else's", harness::ClipboardText());
  EXPECT_EQ("<b>", ClipboardBytes(html));

  // After a font change the list has no row selected again: nothing to copy either.
  harness::ClickListRow(list, 64);
  harness::ChooseComboItem(fonts, 1);
  ASSERT_EQ(-1, harness::ListSelection(list));
  PressCopy();
  EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
  EXPECT_EQ("someone else's", harness::ClipboardText());

  // The sequence number does count a copy.
  EXPECT_EQ("A", CopyWithSelection(64, 65));
  EXPECT_NE(sequence, ::GetClipboardSequenceNumber());
}

TEST_F(Clipboard, ListCopyReplacesEveryTextKeepsAPictureAloneViewCopyRemovesIt) {
  // Another program's copy: a picture (a DIB of one pixel), the same in HTML, and its text,
  // already pasted once as Unicode text (the system made that form from the text then).
  const std::string dib(
      "\x28\0\0\0\1\0\0\0\1\0\0\0\1\0\x20\0\0\0\0\0\4\0\0\0\0\0\0\0\0\0\0\0"
      "\0\0\0\0\0\0\0\0\x40\x80\xFF\0",
      44);
  PutOnClipboard({{CF_TEXT, "old"}, {html, "<b>old</b>"}, {CF_DIB, dib}});
  ASSERT_EQ(L"old", ClipboardUnicode());
  ASSERT_EQ("old", ClipboardBytes(CF_OEMTEXT));
  harness::ClickListRow(list, 64);
  EXPECT_EQ("A", CopyWithSelection(0, 0));
  EXPECT_EQ(L"A", ClipboardUnicode());
  EXPECT_EQ("A", ClipboardBytes(CF_OEMTEXT));
  EXPECT_EQ(dib, harness::ClipboardBlock(CF_DIB).substr(0, dib.size()));
  EXPECT_FALSE(harness::ClipboardHas(html));

  // A program that writes Unicode text itself; then our own copy, pasted once, and the next row.
  PutOnClipboard({{CF_UNICODETEXT, std::string("o\0l\0d\0\0", 8)}});
  ASSERT_EQ(L"old", ClipboardUnicode());
  harness::ClickListRow(list, 127);  // code 128, the euro sign in code page 1252
  PressCopy();
  EXPECT_EQ(harness::InProcessCodePage("\x80"), harness::ClipboardText());
  EXPECT_EQ(harness::CodeCharacter(128), ClipboardUnicode());
  harness::ClickListRow(list, 65);
  PressCopy();
  EXPECT_EQ(L"B", ClipboardUnicode());
  EXPECT_EQ("B", harness::ClipboardText());

  EXPECT_EQ("BC", CopyWithSelection(65, 67));
  EXPECT_FALSE(harness::ClipboardHas(CF_DIB));
  // Plain text and nothing else; the system offers its own conversions of it.
  for (UINT format : harness::ClipboardFormats()) {
    EXPECT_TRUE(format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT ||
                format == CF_LOCALE)
        << format;
  }
}

TEST_F(Clipboard, CopyChangesNothingOnTheWindow) {
  HWND copy = program[fMain::ID_cmdCopy];
  const RECT r = harness::ClientRect(copy);
  harness::ClickListRow(list, 199);
  ASSERT_EQ("<ALT> + 0200", harness::Text(label));

  // Pressed with the mouse: the button takes the focus and the view keeps its selection,
  // which is the one copied.
  ::SendMessageA(view, EM_SETSEL, 64, 68);
  harness::FocusControl(view);
  harness::MessageLog texts(label, {WM_SETTEXT});
  harness::SingleClick(copy, POINT{r.right / 2, r.bottom / 2});
  EXPECT_EQ("ABCD", harness::ClipboardText());
  EXPECT_EQ(copy, ::GetFocus());
  EXPECT_EQ(std::make_pair(DWORD(64), DWORD(68)), harness::EditSelection(view));
  EXPECT_EQ(199, harness::ListSelection(list));
  EXPECT_EQ("<ALT> + 0200", harness::Text(label));

  // Pressed from the keyboard, once from each path: the focus stays on the button.
  harness::PressKey(VK_SPACE);
  EXPECT_EQ(copy, ::GetFocus());
  ::SendMessageA(view, EM_SETSEL, 3, 3);
  harness::PressKey(VK_SPACE);
  EXPECT_EQ(harness::InProcessCodePage("\xc8"), harness::ClipboardText());
  EXPECT_EQ(copy, ::GetFocus());
  EXPECT_EQ(std::make_pair(DWORD(3), DWORD(3)), harness::EditSelection(view));
  EXPECT_EQ(199, harness::ListSelection(list));

  // BM_CLICK as well.
  EXPECT_EQ("Q", CopyWithSelection(80, 81));
  EXPECT_EQ(std::make_pair(DWORD(80), DWORD(81)), harness::EditSelection(view));
  EXPECT_EQ(199, harness::ListSelection(list));
  EXPECT_EQ("<ALT> + 0200", harness::Text(label));
  EXPECT_TRUE(harness::Sequence(texts, {}));
  EXPECT_EQ(harness::AllSymbols(), harness::Text(view));
}

TEST_F(Clipboard, AnotherProgramPastesWhatWasCopied) {
  const std::string file = harness::TestDir() + "clipboard_paste.out";
  auto pasteElsewhere = [&file]() -> std::pair<std::string, std::string> {
    ::DeleteFileA(file.c_str());
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = std::string("\"") + self + "\" --paste-to=" + file;
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                          &process))
      return {"<not started>", ""};
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    // Pumped while it runs: this thread owns the window that owns the clipboard.
    harness::StartedProgramsEnded(20000);
    std::ifstream in(file, std::ios::binary);
    const std::string both(std::istreambuf_iterator<char>(in), {});
    const size_t nul = both.find('\0');
    return {in ? both.substr(0, nul) : "<no file>", nul < both.size() ? both.substr(nul + 1) : ""};
  };

  // The view's selection (first, last + 1), else the row clicked: the plain text the other
  // program finds, and what its paste gives (not compared where null). Tab, line feed and
  // vertical tab among them.
  const std::tuple<int, int, int, const char*, const char*> copies[] = {
      {64, 67, -1, "ABC", "ABC"},
      {harness::SymbolIndex(0xa1), harness::SymbolIndex(0xa4), -1, "\xa1\xa2\xa3", "\xa1\xa2\xa3"},
      {8, 11, -1, "\t\n\x0b", nullptr},
      {0, 0, 90, "[", "["}};
  for (const auto& [first, end, row, text, pasted] : copies) {
    SCOPED_TRACE(text);
    if (row >= 0) harness::ClickListRow(list, row);
    CopyWithSelection(first, end);
    auto result = pasteElsewhere();
    EXPECT_EQ(harness::InProcessCodePage(text), result.first);
    if (pasted) {
      EXPECT_EQ(harness::InProcessCodePage(pasted), result.second);
    }
  }
  ::DeleteFileA(file.c_str());
}

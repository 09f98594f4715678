// The program in a hostile or unlucky environment: odd and many font families, a clipboard
// another program holds, impatient users, and another ANSI code page. Each case ends in
// sound behaviour with nothing lost, no crash and no hang.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <tuple>
#include <vector>

#include "browse/Symbols.h"
#include "browse/mEnumFonts.h"
#include "tests/Harness.h"
#include "win/Form.h"
#include "win/Handles.h"

using harness::Program;

namespace {

std::vector<std::string> g_families;

// Reports g_families to the callback the way the system does: one LOGFONT each.
int WINAPI EnumerateList(HDC, LPCSTR, FONTENUMPROCA callback, LPARAM list) {
  for (const std::string& name : g_families) {
    LOGFONTA lf{};
    lf.lfCharSet = ANSI_CHARSET;
    std::memcpy(lf.lfFaceName, name.data(), std::min(name.size(), sizeof lf.lfFaceName));
    TEXTMETRICA metrics{};
    if (!callback(&lf, &metrics, TRUETYPE_FONTTYPE, list)) break;
  }
  return 1;
}

// A window that fails while it is being created, at the message it is given.
const win::FormDesign kFailingDesign{.className = "VarneloFailing", .style = WS_POPUP};
struct Failing : win::Form {
  Failing(Key key, UINT message) : Form(key, kFailingDesign, {}), message(message) {}
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == message) throw std::bad_alloc();
    return Form::HandleMessage(msg, wp, lp);
  }
  using Form::Create;
  UINT message;
};

// A load that fails outside any window procedure: the enumeration of the fonts.
int WINAPI FailingEnumeration(HDC, LPCSTR, FONTENUMPROCA, LPARAM) { throw std::bad_alloc(); }

}  // namespace

TEST(Fault, ThousandsOfFamiliesAreAllListedSorted) {
  g_families.clear();
  for (int i = 0; i < 3000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "Family %04d %c", (i * 7919) % 3000, 'a' + i % 26);
    g_families.push_back(name);
  }
  Program program(fMainOptions{&EnumerateList});
  std::vector<std::string> items = harness::ComboItems(program[fMain::ID_cboFonts]);
  ASSERT_EQ(3000u, items.size());
  EXPECT_TRUE(harness::IsSortedForTheUser(items));
  EXPECT_EQ("3000 Fonts Installed on System.", harness::Text(program[fMain::ID_lblnumfonts]));
  EXPECT_EQ(items[0], harness::Text(program[fMain::ID_lblPreview]));
  std::vector<std::string> expected = g_families;
  std::sort(expected.begin(), expected.end());
  std::sort(items.begin(), items.end());
  EXPECT_EQ(expected, items);
}

TEST(Fault, OddFaceNamesAreListedAsReported) {
  const std::string longest(31, 'W');
  const std::string highBit = "\xC0\xE9\xFF name";
  const std::string noTerminator(32, 'Q');  // a record that breaks the rules: no NUL at all
  g_families = {"Zeta", longest, highBit, "alpha", "Alpha", "Zeta", noTerminator, "  spaced  "};
  Program program(fMainOptions{&EnumerateList});
  std::vector<std::string> items = harness::ComboItems(program[fMain::ID_cboFonts]);
  ASSERT_EQ(g_families.size(), items.size());  // nothing merged, nothing dropped
  EXPECT_TRUE(harness::IsSortedForTheUser(items));
  // Each as often as reported; the 32 bytes of the record without a NUL read no further.
  for (const auto& [name, times] : std::vector<std::pair<std::string, int>>{
           {"Zeta", 2}, {longest, 1}, {highBit, 1}, {"  spaced  ", 1}, {noTerminator, 1}})
    EXPECT_EQ(times, std::count(items.begin(), items.end(), name)) << name;
  // Choosing any of them works, whether or not the system has such a face.
  HWND fonts = program[fMain::ID_cboFonts];
  for (int i = 0; i < harness::ComboCount(fonts); ++i) {
    harness::ChooseComboItem(fonts, i);
    EXPECT_EQ(harness::ComboItem(fonts, i), harness::Text(program[fMain::ID_lblPreview]));
    EXPECT_EQ(255, harness::ListCount(program[fMain::ID_ListChars]));
  }
}

TEST(Fault, TheCallbackAddsOneEntryPerCallAndGoesOn) {
  HWND combo = ::CreateWindowExA(0, WC_COMBOBOXA, "", CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(combo);
  const harness::OnExit destroy([combo] { ::DestroyWindow(combo); });
  const std::pair<const char*, DWORD> calls[] = {
      {"Beta", RASTER_FONTTYPE}, {"Alpha", DEVICE_FONTTYPE}, {"Alpha", 0}};
  for (const auto& [face, type] : calls) {
    LOGFONTA lf{};
    std::strcpy(lf.lfFaceName, face);
    EXPECT_EQ(1, mEnumFonts::EnumFontFamProc(&lf, nullptr, type, reinterpret_cast<LPARAM>(combo)));
  }
  EXPECT_EQ((std::vector<std::string>{"Alpha", "Alpha", "Beta"}), harness::ComboItems(combo));
}

// Another program holds the clipboard open for a second, from the copy of either path on:
// the copy gives up after a short, bounded wait, and the next one works.
TEST(Fault, CopyWhileAnotherProgramHoldsTheClipboard) {
  Program program;
  HWND view = program[fMain::ID_txtSymbol], copy = program[fMain::ID_cmdCopy];
  harness::ClickListRow(program[fMain::ID_ListChars], 64);
  const win::UniqueHandle held(::CreateEventA(nullptr, TRUE, FALSE, "VarneloClipboardHeld"));
  // Pumped while it waits: emptying the clipboard sends its owner, once one of this thread's
  // windows, WM_DESTROYCLIPBOARD.
  auto signalled = [](HANDLE object, DWORD timeoutMs) {
    return harness::PumpUntil([=] { return ::WaitForSingleObject(object, 0) == WAIT_OBJECT_0; },
                              timeoutMs);
  };
  for (bool fromView : {true, false}) {
    SCOPED_TRACE(fromView ? "view" : "list");
    ::SendMessageA(view, EM_SETSEL, fromView ? 65 : 0, fromView ? 68 : 0);
    ::ResetEvent(held.get());
    std::string holder = "\"" + harness::TestDir() + "hold_clipboard.exe\" 1000";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, holder.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process));
    const win::UniqueHandle holding(process.hProcess), thread(process.hThread);
    ASSERT_TRUE(signalled(held.get(), 5000));  // the other program has the clipboard open
    const DWORD start = ::GetTickCount();
    ::SendMessageA(copy, BM_CLICK, 0, 0);
    EXPECT_LT(::GetTickCount() - start, 800u) << "the copy gives up after a short, bounded wait";
    EXPECT_EQ(DWORD(WAIT_TIMEOUT), ::WaitForSingleObject(holding.get(), 0)) << "let go too soon";
    EXPECT_TRUE(::IsWindow(program.window()));
    ASSERT_TRUE(signalled(holding.get(), 10000));
    EXPECT_EQ("held", harness::ClipboardText());  // the other program's data is intact
    ::SendMessageA(copy, BM_CLICK, 0, 0);         // and the next copy works
    EXPECT_EQ(fromView ? "BCD" : "A", harness::ClipboardText());
  }
}

TEST(Fault, RapidRepeatedClicksOnEveryButton) {
  Program program;
  const long fonts = win::Font::Live();
  ::SendMessageA(program[fMain::ID_txtSymbol], EM_SETSEL, 70, 71);
  for (int i = 0; i < 20; ++i) {
    for (int id : {fMain::ID_cmdCopy, fMain::ID_cmdHelp, fMain::ID_cmdAbout})
      ::PostMessageA(program[id], BM_CLICK, 0, 0);
    for (int id : harness::kStyleBoxes) ::PostMessageA(program[id], BM_CLICK, 0, 0);
  }
  harness::Drain();
  EXPECT_EQ(1u, harness::VisibleWindows("Help").size());
  EXPECT_EQ(1u, harness::VisibleWindows("About Varnelo").size());
  EXPECT_EQ("G", harness::ClipboardText());  // code 71
  // Twenty toggles of each box leave every style off again, and no font behind.
  LOGFONTA view = harness::FontOf(program[fMain::ID_txtSymbol]);
  EXPECT_EQ(FW_NORMAL, view.lfWeight);
  EXPECT_FALSE(view.lfItalic || view.lfUnderline || view.lfStrikeOut);
  EXPECT_EQ(fonts + 3, win::Font::Live());  // the help window's two labels, the About dialog's one
}

TEST(Fault, ClosingTheAuxiliaryWindowsWhileTheMainWindowIsBusy) {
  Program program;
  HWND help = harness::OpenWindow(program, fMain::ID_cmdHelp, "Help");
  HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
  ASSERT_TRUE(help && about);
  ::PostMessageA(help, WM_CLOSE, 0, 0);
  ::PostMessageA(about, WM_CLOSE, 0, 0);
  // The closes wait in the queue while the main window rebuilds its views.
  HWND fonts = program[fMain::ID_cboFonts];
  for (int i = 0; i < 5; ++i) harness::ChooseComboItem(fonts, i % harness::ComboCount(fonts));
  EXPECT_TRUE(harness::Gone(help));
  EXPECT_TRUE(harness::Gone(about));
  EXPECT_TRUE(::IsWindowVisible(program.window()));
  ::SendMessageA(program[fMain::ID_cmdHelp], BM_CLICK, 0, 0);  // and they open again
  EXPECT_EQ(1u, harness::VisibleWindows("Help").size());
}

TEST(Fault, AWindowThatFailsWhileBeingCreatedIsNotCreated) {
  for (UINT message : {WM_NCCREATE, WM_CREATE}) {
    win::Owned<Failing> window(message);
    EXPECT_FALSE(window.Create(nullptr)) << message;
    EXPECT_EQ(nullptr, window.hwnd());
  }
  // A failed load (outside any window procedure) fails the start alike, with nothing left and no
  // request to end the loop, which would take the message box that tells of it with it.
  EXPECT_FALSE(mStartup::Main(fMainOptions{&FailingEnumeration}));
  EXPECT_TRUE(harness::ProcessWindows("VarneloMain").empty());
  MSG quit;
  EXPECT_FALSE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Fault, KeysInTheFontBoxKeepTheViewsInStep) {
  Program program;
  HWND fonts = program[fMain::ID_cboFonts];
  harness::FocusControl(fonts);
  for (WORD key : {WORD(VK_END), WORD(VK_HOME), WORD(VK_NEXT), WORD(VK_PRIOR), WORD('L'), WORD('T'),
                   WORD(VK_DOWN), WORD(VK_UP), WORD(VK_RIGHT), WORD(VK_ESCAPE), WORD(VK_SPACE)})
    harness::PressKey(key);
  // F4 opens the list, and Enter closes it on the new choice.
  for (int key : {VK_F4, VK_DOWN, VK_RETURN}) harness::PressKey(static_cast<WORD>(key));
  const std::string chosen = harness::ComboItem(fonts, harness::ComboSelection(fonts));
  EXPECT_EQ(chosen, harness::Text(program[fMain::ID_lblPreview]));
  EXPECT_EQ(chosen, harness::FontOf(program[fMain::ID_lblPreview]).lfFaceName);
  EXPECT_EQ(chosen, harness::FontOf(program[fMain::ID_txtSymbol]).lfFaceName);
  EXPECT_EQ(255, harness::ListCount(program[fMain::ID_ListChars]));
  EXPECT_EQ(harness::AllSymbols(), harness::Text(program[fMain::ID_txtSymbol]));
}

// Run once more under other ANSI code pages, UTF-8 among them (see tests/CMakeLists.txt): the
// views show the characters of the codes in the code page the run reads them in, a pick
// shows the code, and a copy carries the character itself.
TEST(CodePage, ViewsKeystrokeAndCopyShowTheCharactersOfTheCodes) {
  // Under UTF-8, where neither of the system's answers names a legacy code page (a Windows 10
  // from before the first query, whose second says UTF-8 too), the system's language tells.
  const std::pair<const wchar_t*, UINT> classic[] = {
      {L"ru-RU", 1251}, {L"pl-PL", 1250}, {L"el-GR", 1253}, {L"tr-TR", 1254}, {L"he-IL", 1255},
      {L"ar-SA", 1256}, {L"th-TH", 874},  {L"vi-VN", 1258}, {L"ja-JP", 932},  {L"zh-CN", 936},
      {L"ko-KR", 949},  {L"zh-TW", 950},  {L"en-US", 1252}};
  for (const auto& [locale, codePage] : classic) {
    const LANGID language = LANGIDFROMLCID(::LocaleNameToLCID(locale, 0));
    EXPECT_EQ(codePage, mSymbols::ChooseCodePage({CP_UTF8, 0, CP_UTF8, language})) << language;
  }
  char expected[8] = {};
  if (::GetEnvironmentVariableA("VARNELO_EXPECT_ACP", expected, sizeof expected)) {
    ASSERT_EQ(static_cast<UINT>(std::atoi(expected)), ::GetACP());
  }
  Program program;
  HWND view = program[fMain::ID_txtSymbol], list = program[fMain::ID_ListChars];
  wchar_t shown[300] = {};
  ::GetWindowTextW(view, shown, 300);
  EXPECT_EQ(std::wstring::npos, std::wstring(shown).find(L'\xFFFD'));  // no character lost
  for (int row = 0; row < 255; ++row) ASSERT_NE(L"\xFFFD", harness::ListItem(list, row)) << row;
  // Codes and their characters in the code page of each run (1252 for the UTF-8 one).
  const std::tuple<UINT, int, wchar_t> known[] = {
      {1252, 0x41, L'A'},      {1252, 0x80, L'\x20AC'}, {1252, 0xC8, L'\xC8'},
      {1252, 0xFF, L'\xFF'},   {1251, 0xC0, L'\x0410'}, {1251, 0xC8, L'\x0418'},
      {1251, 0xFF, L'\x044F'}, {932, 0xC0, L'\xFF80'},  {932, 0xC8, L'\xFF88'}};
  for (const auto& [codePage, code, character] : known) {
    if (codePage != harness::LegacyCodePage()) continue;
    SCOPED_TRACE(code);
    EXPECT_EQ(character, shown[harness::SymbolIndex(code)]);
    EXPECT_EQ(std::wstring(1, character), harness::ListItem(list, code - 1));
    harness::ClickListRow(list, code - 1);
    EXPECT_EQ("<ALT> + 0" + std::to_string(code), harness::Text(program[fMain::ID_lblKeycode]));
    ::SendMessageA(program[fMain::ID_cmdCopy], BM_CLICK, 0, 0);  // the row's character
    EXPECT_EQ(std::wstring(1, character), harness::ClipboardUnicode());
    ::SendMessageA(view, EM_SETSEL, harness::SymbolIndex(code), harness::SymbolIndex(code) + 1);
    ::SendMessageA(program[fMain::ID_cmdCopy], BM_CLICK, 0, 0);  // the view's
    EXPECT_EQ(std::wstring(1, character), harness::ClipboardUnicode());
    ::SendMessageA(view, EM_SETSEL, 0, 0);
  }
  if (harness::LegacyCodePage() != 932) return;
  harness::ClickListRow(list, 0x81 - 1);  // a lead byte alone: the default character, in all
  ::SendMessageA(program[fMain::ID_cmdCopy], BM_CLICK, 0, 0);
  EXPECT_EQ(L"\x30FB", harness::ListItem(list, 0x81 - 1));
  EXPECT_EQ(L"\x30FB", harness::ClipboardUnicode());
  EXPECT_EQ("\x81\x45", harness::ClipboardText());
}

// Start-up: what the window shows once Main has returned, the Symbol List's rows (again after
// each rebuild), the font list against a fresh enumeration, private fonts with awkward names, an
// enumeration that reports nothing, and the version record of the built program.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/Harness.h"
#include "version.h"
#include "win/Font.h"

using harness::Program;

namespace {

int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM names) {
  reinterpret_cast<std::vector<std::string>*>(names)->push_back(font->lfFaceName);
  return 1;
}

std::vector<std::string> EnumerateFamilies() {
  std::vector<std::string> names;
  HDC dc = ::GetDC(nullptr);
  ::EnumFontFamiliesA(dc, nullptr, &CollectFamily, reinterpret_cast<LPARAM>(&names));
  ::ReleaseDC(nullptr, dc);
  return names;
}

int WINAPI EnumerateNothing(HDC, LPCSTR, FONTENUMPROCA, LPARAM) { return 1; }

}  // namespace

TEST(Startup, WindowShowsItsStartState) {
  Program program;
  EXPECT_EQ("Varnelo", harness::Text(program.window()));
  EXPECT_TRUE(::IsWindowVisible(program.window()));

  HWND fonts = program[fMain::ID_cboFonts];
  ASSERT_GT(harness::ComboCount(fonts), 0);
  EXPECT_EQ(0, harness::ComboSelection(fonts));
  const std::string first = harness::ComboItem(fonts, 0);

  HWND sizes = program[fMain::ID_cboSize];
  EXPECT_EQ(9, harness::ComboSelection(sizes));
  EXPECT_EQ("24", harness::Text(sizes));

  // 24 points, not the 18 of the design font.
  EXPECT_TRUE(harness::HasFont(program[fMain::ID_txtSymbol], first, -32, FW_NORMAL, ""));

  HWND preview = program[fMain::ID_lblPreview];
  EXPECT_EQ(first, harness::Text(preview));
  // 16 points, set after the font was chosen.
  EXPECT_TRUE(harness::HasFont(preview, first, -21, FW_NORMAL, ""));

  EXPECT_EQ(std::to_string(harness::ComboCount(fonts)) + " Fonts Installed on System.",
            harness::Text(program[fMain::ID_lblnumfonts]));
  EXPECT_EQ("", harness::Text(program[fMain::ID_lblKeycode]));
  EXPECT_EQ("Visit Ostrevane", harness::Text(program[fMain::ID_cmdVisit]));
  EXPECT_EQ("&About this program", harness::Text(program[fMain::ID_cmdAbout]));
  EXPECT_EQ("&Help", harness::Text(program[fMain::ID_cmdHelp]));
}

TEST(Startup, SymbolViewHoldsCodesOneTo255) {
  Program program;
  wchar_t text[300] = {};
  ::GetWindowTextW(program[fMain::ID_txtSymbol], text, 300);
  EXPECT_EQ(harness::SymbolCharacters(), text);  // codes 1 to 255, so 255 single-byte ones
  EXPECT_EQ(harness::AllSymbols(), harness::Text(program[fMain::ID_txtSymbol]));
  EXPECT_EQ(L'\x01', text[0]);
  EXPECT_EQ(L'\n', text[9]);  // line feed alone, before the carriage return
  EXPECT_EQ(L'\r', text[12]);
}

// The list's rows, none selected, at start and after each choice of a font, which rebuilds the
// list once with the same rows, the choice of the entry already chosen too.
TEST(Startup, SymbolListHolds255RowsInItsOwnFontThroughEveryRebuild) {
  Program program;
  HWND list = program[fMain::ID_ListChars], fonts = program[fMain::ID_cboFonts];
  EXPECT_EQ(-1, harness::ListSelection(list));
  EXPECT_TRUE(harness::HasTheSymbolRows(list));
  const int other = harness::ComboIndexOtherThan(fonts, 0);
  ASSERT_GT(other, 0) << "the prefix offers only one font family";
  for (int row : {64, 200}) {
    harness::ClickListRow(list, row);
    ASSERT_EQ(row, harness::ListSelection(list));
    harness::RebuildLog rebuilds(list);
    harness::ChooseComboItem(fonts, other);
    harness::Drain();
    EXPECT_TRUE(harness::Sequence(rebuilds, harness::kOneRebuild)) << row;
    EXPECT_EQ(-1, harness::ListSelection(list));
    EXPECT_TRUE(harness::HasTheSymbolRows(list));
  }
}

TEST(Startup, FontListIsWhatTheSystemReportsSorted) {
  Program program;
  std::vector<std::string> reported = EnumerateFamilies();
  std::vector<std::string> listed = harness::ComboItems(program[fMain::ID_cboFonts]);
  ASSERT_EQ(reported.size(), listed.size());  // duplicates kept
  EXPECT_TRUE(harness::IsSortedForTheUser(listed));
  std::sort(reported.begin(), reported.end());
  std::vector<std::string> sorted = listed;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(reported, sorted);
  // Wine reports a family once per character set: the name then stands there more than once.
  EXPECT_NE(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

TEST(Startup, PrivateFontsWithAwkwardNamesAppearWholeInTheirPlace) {
  const std::string dir = harness::TestDir() + "fonts\\";
  for (const char* font : {"long31.ttf", "highbit.ttf"})
    ASSERT_GT(::AddFontResourceExA((dir + font).c_str(), FR_PRIVATE, nullptr), 0) << font;
  Program program;
  std::vector<std::string> listed = harness::ComboItems(program[fMain::ID_cboFonts]);
  const std::string longName = "Varnelo Test Family Thirty One!";
  const std::string highBit =
      "Z\xF6rnig Fa\xE7"
      "ade Test";  // code page 1252 bytes
  ASSERT_EQ(31u, longName.size());
  for (const std::string& name : {longName, highBit})
    EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
  EXPECT_TRUE(harness::IsSortedForTheUser(listed));  // each in its place
}

TEST(Startup, AnEnumerationThatReportsNothingStillStarts) {
  Program program(fMainOptions{&EnumerateNothing});
  EXPECT_EQ(0, harness::ComboCount(program[fMain::ID_cboFonts]));
  EXPECT_EQ(-1, harness::ComboSelection(program[fMain::ID_cboFonts]));
  EXPECT_EQ("0 Fonts Installed on System.", harness::Text(program[fMain::ID_lblnumfonts]));
  EXPECT_EQ("", harness::Text(program[fMain::ID_lblPreview]));
  EXPECT_EQ(harness::AllSymbols(), harness::Text(program[fMain::ID_txtSymbol]));
  EXPECT_EQ(255, harness::ListCount(program[fMain::ID_ListChars]));
  EXPECT_EQ(-32, harness::FontOf(program[fMain::ID_txtSymbol]).lfHeight);
}

TEST(Startup, UnloadingLeavesNoFontBehind) {
  const long before = win::Font::Live();
  {
    Program program;
    EXPECT_GT(win::Font::Live(), before);
  }
  EXPECT_EQ(before, win::Font::Live());
}

namespace {

std::string ProgramPath(const char* arch) {
  // Tests run from build/x86_64/tests; the programs are built beside them.
  return harness::TestDir() + "..\\..\\" + arch + "\\Kastrobel.exe";
}

std::string VersionString(const std::vector<char>& info, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!::VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
      !value)
    return "<missing>";
  return value;
}

}  // namespace

TEST(Startup, VersionRecordOfTheBuiltProgram) {
  std::string path = ProgramPath("x86_64");
  DWORD handle = 0, size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
  ASSERT_GT(size, 0u) << path;
  std::vector<char> info(size);
  ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(DWORD{MAKELONG(VARNELO_VERSION_MINOR, VARNELO_VERSION_MAJOR)}, fixed->dwFileVersionMS);
  EXPECT_EQ(DWORD{VARNELO_VERSION_PATCH}, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
  EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
  EXPECT_EQ("Tindrel", VersionString(info, "ProductName"));
  EXPECT_EQ(VARNELO_VERSION_TEXT, VersionString(info, "FileVersion"));
  EXPECT_EQ(VARNELO_VERSION_TEXT, VersionString(info, "ProductVersion"));
  EXPECT_EQ("Kastrobel", VersionString(info, "InternalName"));
  EXPECT_EQ("Kastrobel.exe", VersionString(info, "OriginalFilename"));
  WORD* translation = nullptr;
  ASSERT_TRUE(::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
  EXPECT_EQ(0x0409, translation[0]);
  EXPECT_EQ(1200, translation[1]);
}

// The shipped program's resources, read as data. (That it is a 32-bit Windows GUI program:
// tests/package_test.sh, on the copy in the release.)
TEST(Startup, ShippedProgramCarriesItsIconPicturesVersionAndManifest) {
  const std::string path = ProgramPath("i686");
  HMODULE image = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(image) << path;
  EXPECT_TRUE(
      ::FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */));
  EXPECT_TRUE(::FindResourceA(image, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(2) /* RT_BITMAP */));
  EXPECT_TRUE(::FindResourceA(image, MAKEINTRESOURCEA(102), MAKEINTRESOURCEA(2)));
  EXPECT_TRUE(::FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16) /* RT_VERSION */));
  EXPECT_TRUE(::FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */));
  ::FreeLibrary(image);
}

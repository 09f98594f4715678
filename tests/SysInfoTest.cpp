// The system information launcher of the About dialog, against the registry of the test
// prefix: which location is read, what is started (a copy of the marker program stands in
// for the tool), when the message "System Information Is Unavailable At This Time" comes,
// and GetKeyValue's reading of a value of each size and type.
#include <windows.h>

#include <gtest/gtest.h>
#include <sddl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/fAbout.h"
#include "tests/Harness.h"
#include "win/Registry.h"

using harness::kLocationKey;
using harness::kMsinfoKey;
using harness::Program;
using harness::SeenDialog;

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;
const char kTestKey[] = "SOFTWARE\\VarneloTests\\GetKeyValue";
const char kUnavailable[] = "System Information Is Unavailable At This Time";

// The text with every `from` as `to`.
std::string Replaced(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

// File-system redirection of a 32-bit program on 64-bit Windows off while the result lives,
// so that System32 is the native folder.
auto NativeFolders() {
  PVOID previous = nullptr;
  const bool off = ::Wow64DisableWow64FsRedirection(&previous);
  return harness::OnExit([=] {
    if (off) ::Wow64RevertWow64FsRedirection(previous);
  });
}

// Every test starts with neither registry value present (in both views of HKLM\SOFTWARE: the
// one of a 32-bit program on 64-bit Windows, and the native one) and its own empty folder,
// named after the test ("Locations.SystemInfoButton/Case" as one folder); the values are put
// back as they were at its end. A leftover of an earlier run is removed first.
class SysInfo : public testing::Test {
  const harness::SysInfoStandIn standIn_{
      "sysinfo_" +
      Replaced(testing::UnitTest::GetInstance()->current_test_info()->name(), '/', '_')};

 protected:
  const std::string& dir_ = standIn_.dir;
  const std::string& log_ = standIn_.log;
  const std::string tool_ = dir_ + "tool\\marker.exe";  // where most tests put the tool

  void SetUp() override { ASSERT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(log_.c_str())); }

  void TearDown() override {
    program_.reset();
    ::RegDeleteTreeA(kRoot, kTestKey);
    ::RegDeleteKeyA(kRoot, "SOFTWARE\\VarneloTests");  // only when nothing else is left in it
  }

  // The About dialog of a freshly started program, in about_.
  void OpenAbout() {
    program_ = std::make_unique<Program>();
    about_ = harness::OpenWindow(*program_, fMain::ID_cmdAbout, "About Varnelo");
    ASSERT_NE(nullptr, about_);
  }

  // Presses "&System Info..." and returns the dialog boxes that came up meanwhile, each read
  // and closed from another thread (the box is modal: the click returns once it is closed,
  // and the attempt to start the tool is over).
  std::vector<SeenDialog> ClickSystemInfo() {
    harness::DialogWatcher watcher([this](HWND box) { return box != about_; });
    ::SendMessageA(harness::Item(about_, fAbout::ID_cmdSysInfo), BM_CLICK, 0, 0);
    harness::Drain();
    return watcher.Seen();
  }

  // The message of this launcher, exactly: one box, caption "Tindrel", the one text, an OK
  // button only and no icon.
  static void ExpectTheMessage(const std::vector<SeenDialog>& seen) {
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tindrel", seen[0].caption);
    EXPECT_EQ(std::vector<std::string>{kUnavailable}, seen[0].texts);
    EXPECT_EQ(std::vector<std::string>{"OK"}, seen[0].buttons);
    EXPECT_FALSE(seen[0].showsIcon);
  }

  // Nothing that the log would show was started: whatever was started has ended, and so
  // has written its line.
  void ExpectNothingStarted(const std::string& log) {
    harness::StartedProgramsEnded();
    EXPECT_TRUE(harness::ReadLines(log).empty()) << harness::ReadLines(log).front();
  }

  // The About dialog of a freshly started program with "&System Info..." pressed: the
  // message came, and nothing was started.
  void PressExpectingTheMessage() {
    ASSERT_NO_FATAL_FAILURE(OpenAbout());
    ExpectTheMessage(ClickSystemInfo());
    ExpectNothingStarted(log_);
  }

  // The same with the tool found: no message, and the log shows that `path` was started.
  void PressExpectingAStart(const std::string& log, const std::string& path) {
    ASSERT_NO_FATAL_FAILURE(OpenAbout());
    EXPECT_TRUE(ClickSystemInfo().empty());  // no message
    ExpectStarted(log, path);
  }

  // The marker's line names exactly the program file that was started, a slash as a backslash.
  static void ExpectStarted(const std::string& log, const std::string& path, size_t times = 1) {
    ASSERT_TRUE(harness::WaitForLines(log, times)) << "not started: " << path;
    harness::StartedProgramsEnded();  // and no more than that
    std::vector<std::string> lines = harness::ReadLines(log);
    ASSERT_EQ(times, lines.size()) << testing::PrintToString(lines);
    for (const std::string& line : lines)
      EXPECT_EQ(path, Replaced(harness::StripQuotes(line), '/', '\\'));
  }

  std::unique_ptr<Program> program_;
  HWND about_ = nullptr;
};

void Copy(const std::string& path) { ASSERT_TRUE(harness::CopyMarkerTo(path)); }
void Path(const std::string& path) {
  ASSERT_TRUE(harness::SetRegistryText(kRoot, kMsinfoKey, "PATH", path));
}
void Folder(const std::string& folder) {
  ASSERT_TRUE(harness::SetRegistryText(kRoot, kLocationKey, "MSINFO", folder));
}
// The tool at a path named by the first location, or in a folder named by the second.
void Tool(const std::string& path) { ASSERT_TRUE(harness::SysInfoStandIn::Install(path)); }
void ToolIn(const std::string& folder) { Copy(folder + "\\MSINFO32.EXE"), Folder(folder); }
// A valid second location holding the tool, which must not be used.
void SecondWithTheTool(const std::string& dir) { ToolIn(dir + "second"); }

// GetKeyValue on a value of HKLM, given a string that holds `before`: its result and the string.
struct Reading {
  bool result;
  std::string value;
};
Reading ReadValue(const char* key, const char* name, const std::string& before = "as passed") {
  std::string value = before;
  bool result = win::GetKeyValue(kRoot, key, name, value) == win::KeyValue::Read;
  return {result, value};
}

// GetKeyValue on a value of the test key with these bytes and this type.
Reading Read(DWORD type, const std::string& bytes, const std::string& before = "as passed") {
  ::RegDeleteTreeA(kRoot, kTestKey);
  // RegSetValueExA stores a text one byte longer than told when the byte after it is a NUL
  // (Windows does so, and Wine with it); a byte other than NUL after the data keeps the
  // stored text exactly as long as told.
  const std::string buffer = bytes + 'X';
  if (!harness::SetRegistryValue(kRoot, kTestKey, "Value", type, buffer.data(),
                                 static_cast<DWORD>(bytes.size())))
    return {false, "(the test could not write the value)"};
  return ReadValue(kTestKey, "Value", before);
}

// The result and the value of a reading.
void ExpectReading(bool result, const std::string& value, const Reading& reading) {
  EXPECT_EQ(result, reading.result);
  EXPECT_EQ(value, reading.value);
}

// How many bytes the registry holds for the test value, read as UTF-16 as it is stored: 2
// per character, so an odd count or a missing NUL shows.
DWORD StoredWideBytes() {
  DWORD size = 0;
  if (const win::UniqueKey key = harness::OpenRegistryKey(kRoot, kTestKey, KEY_QUERY_VALUE))
    ::RegQueryValueExW(key.get(), L"Value", nullptr, nullptr, nullptr, &size);
  return size;
}

// --- Which location is read, and what is started -------------------------------------

// One set-up of the two locations, and what "&System Info..." does with it: start exactly
// `started` (under the test's folder), or, without it, show the message and start nothing.
// With a decoy, each copy of the marker writes marker.log beside itself, and the decoy's log
// must stay empty.
struct Arrangement {
  const char* name;
  void (*prepare)(const std::string& dir);
  const char* started = nullptr;
  const char* decoy = nullptr;
};

void SetPathValue(DWORD type, const void* data, DWORD size) {
  ASSERT_TRUE(harness::SetRegistryValue(kRoot, kMsinfoKey, "PATH", type, data, size));
}

const Arrangement kArrangements[] = {
    {"PathNamingTheToolStartsExactlyThatFile",
     [](const std::string& d) { Tool(d + "tool\\marker.exe"); }, "tool\\marker.exe"},
    {"PathWithSlashesForBackslashesStartsTheTool",  // Z:/.../tool/marker.exe
     [](const std::string& d) {
       Copy(d + "tool\\marker.exe"), Path(Replaced(d, '\\', '/') + "tool/marker.exe");
     },
     "tool\\marker.exe"},
    {"WithPathFoundTheSecondLocationIsNotUsed",
     [](const std::string& d) { SecondWithTheTool(d), Tool(d + "first\\marker.exe"); },
     "first\\marker.exe", "second\\marker.log"},
    {"PathNamingAMissingFileShowsTheMessageWithoutTryingTheSecondLocation",
     [](const std::string& d) { SecondWithTheTool(d), Path(d + "gone\\msinfo32.exe"); }},
    {"PathNamingAFolderShowsTheMessage",
     [](const std::string& d) { Copy(d + "folder\\MSINFO32.EXE"), Path(d + "folder"); }},
    {"NoPathAndAFolderHoldingTheToolStartsItFromThere",
     [](const std::string& d) { ToolIn(d + "Shared Tools"); }, "Shared Tools\\MSINFO32.EXE"},
    {"NoPathAndAFolderWithoutTheToolShowsTheMessage",  // a copy of another name
     [](const std::string& d) { Copy(d + "tools\\marker.exe"), Folder(d + "tools"); }},
    {"NoPathAndAFolderNamedLikeTheToolShowsTheMessage",  // "MSINFO32.EXE" is a folder there
     [](const std::string& d) {
       ::CreateDirectoryA((d + "tools").c_str(), nullptr);
       ASSERT_TRUE(::CreateDirectoryA((d + "tools\\MSINFO32.EXE").c_str(), nullptr));
       Folder(d + "tools");
     }},
    {"NoPathAndAHiddenToolShowsTheMessage",
     [](const std::string& d) {
       const std::string tool = d + "tools\\MSINFO32.EXE";
       Copy(tool);
       ::SetFileAttributesA(tool.c_str(), FILE_ATTRIBUTE_HIDDEN);
       // Wine keeps the hidden attribute in an extended attribute of the Linux file; where
       // the file system has none, a file can't be hidden and there is nothing to test.
       if (!(::GetFileAttributesA(tool.c_str()) & FILE_ATTRIBUTE_HIDDEN))
         GTEST_SKIP() << "Wine could not mark the file hidden on this file system";
       Folder(d + "tools");
     }},
    {"ZeroLengthPathShowsTheMessageWithoutTryingTheSecondLocation",
     [](const std::string& d) { SecondWithTheTool(d), SetPathValue(REG_SZ, "", 0); }},
    {"EmptyTextPathCountsAsFoundAndShowsTheMessage",  // just its terminating NUL
     [](const std::string& d) { SecondWithTheTool(d), Path(""); }},
    {"NumberPathShowsTheMessageWithoutTryingTheSecondLocation",  // "&h1234" names no program
     [](const std::string& d) {
       const DWORD number = 0x1234;
       SecondWithTheTool(d), SetPathValue(REG_DWORD, &number, sizeof number);
     }},
    {"PathOfAnotherTypeIsFoundEmptyAndShowsTheMessage",  // a REG_EXPAND_SZ naming a real tool
     [](const std::string& d) {
       const std::string tool = d + "tool\\marker.exe";
       Copy(tool), SecondWithTheTool(d),
           SetPathValue(REG_EXPAND_SZ, tool.c_str(), static_cast<DWORD>(tool.size() + 1));
     }},
    // Split at its blank, the path would run "...\Program.exe" with "Files Test\..." as its
    // argument.
    {"BlankInAFolderNameNeverStartsTheDecoyBeforeIt",
     [](const std::string& d) {
       Copy(d + "Program.exe"), Tool(d + "Program Files Test\\marker.exe");
     },
     "Program Files Test\\marker.exe", "marker.log"},
    // Only a full path is started: a partial one the system would complete from the current
    // folder (the test program's, which holds marker.exe) or drive.
    {"RelativePathIsNeverCompletedFromTheCurrentFolder",
     [](const std::string&) { Path("marker.exe"); }},
    {"DriveRelativePathIsNeverCompletedFromTheCurrentFolder",  // Z:sysinfo_...\tool\marker.exe
     [](const std::string& d) {
       Copy(d + "tool\\marker.exe"),
           Path(d.substr(0, 2) + d.substr(harness::TestDir().size()) + "tool\\marker.exe");
     }},
    {"RootRelativePathIsNeverCompletedFromTheCurrentDrive",  // /.../tool/marker.exe
     [](const std::string& d) {
       Copy(d + "tool\\marker.exe"), Path(Replaced(d.substr(2), '\\', '/') + "tool/marker.exe");
     }},
    {"RelativeFolderIsNeverCompletedFromTheCurrentFolder",
     [](const std::string& d) {
       Copy(d + "MSINFO32.EXE"),
           Folder(d.substr(harness::TestDir().size(), d.size() - harness::TestDir().size() - 1));
     }},
    {"BlankInTheFolderOfTheSecondLocationToo",
     [](const std::string& d) { Copy(d + "Program.exe"), ToolIn(d + "Program Files Test"); },
     "Program Files Test\\MSINFO32.EXE", "marker.log"},
};

void PrintTo(const Arrangement& arranged, std::ostream* out) { *out << arranged.name; }

class Locations : public SysInfo, public testing::WithParamInterface<Arrangement> {};

}  // namespace

TEST_P(Locations, SystemInfoButton) {
  const Arrangement& arranged = GetParam();
  // A tool started writes its line in its current folder, which must be its own: the log's name
  // has no folder. With a decoy, each copy writes marker.log beside itself.
  const std::string name = arranged.decoy ? "marker.log" : log_.substr(dir_.size());
  harness::ScopedEnvironment logTo("VARNELO_MARKER_LOG", !arranged.started ? log_.c_str()
                                                         : arranged.decoy  ? nullptr
                                                                           : name.c_str());
  ASSERT_NO_FATAL_FAILURE(arranged.prepare(dir_));
  if (IsSkipped()) return;
  if (arranged.started) {
    const std::string tool = dir_ + arranged.started;
    ASSERT_NO_FATAL_FAILURE(
        PressExpectingAStart(tool.substr(0, tool.rfind('\\') + 1) + name, tool));
  } else {
    ASSERT_NO_FATAL_FAILURE(PressExpectingTheMessage());
  }
  EXPECT_TRUE(::IsWindowVisible(about_));  // the dialog stays open
  if (arranged.decoy) ExpectNothingStarted(dir_ + arranged.decoy);
}

INSTANTIATE_TEST_SUITE_P(SysInfo, Locations, testing::ValuesIn(kArrangements),
                         [](const testing::TestParamInfo<Arrangement>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(SysInfo, NeitherValueShowsTheMessage) {
  ::RegDeleteTreeA(kRoot, kLocationKey);  // not even the key of the second location
  ASSERT_NO_FATAL_FAILURE(PressExpectingTheMessage());
  EXPECT_TRUE(::IsWindowVisible(about_));
  // The main window and the dialog take input again after the box.
  ::SendMessageA(harness::Item(about_, fAbout::ID_cmdOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(harness::Gone(about_));
  EXPECT_TRUE(::IsWindowEnabled(program_->window()));
}

TEST_F(SysInfo, ClickingTwiceStartsTheToolTwice) {
  ASSERT_NO_FATAL_FAILURE(Tool(tool_));
  ASSERT_NO_FATAL_FAILURE(OpenAbout());
  EXPECT_TRUE(ClickSystemInfo().empty());
  EXPECT_TRUE(ClickSystemInfo().empty());
  ExpectStarted(log_, tool_, 2);
}

TEST_F(SysInfo, NothingIsRememberedBetweenClicks) {
  ASSERT_NO_FATAL_FAILURE(OpenAbout());
  ExpectTheMessage(ClickSystemInfo());  // nothing set up yet

  const std::string folder = dir_ + "tools";
  ASSERT_NO_FATAL_FAILURE(ToolIn(folder));
  EXPECT_TRUE(ClickSystemInfo().empty());
  ExpectStarted(log_, folder + "\\MSINFO32.EXE");

  // The path of the first location now wins; the folder found before is not reused.
  ASSERT_NO_FATAL_FAILURE(Tool(tool_));
  EXPECT_TRUE(ClickSystemInfo().empty());
  ASSERT_TRUE(harness::WaitForLines(log_, 2));
  EXPECT_EQ(tool_, harness::StripQuotes(harness::ReadLines(log_).at(1)));

  // And gone again: the message, not the tool of the click before.
  harness::DeleteRegistryValue(kRoot, kMsinfoKey, "PATH");
  harness::DeleteRegistryValue(kRoot, kLocationKey, "MSINFO");
  ExpectTheMessage(ClickSystemInfo());
  harness::StartedProgramsEnded();
  EXPECT_EQ(2u, harness::ReadLines(log_).size());
}

// --- The views of the registry on 64-bit Windows ----------------------------------------

// 64-bit Windows registers the tool for 64-bit programs: in the native view, at a path under
// System32. The shipped 32-bit program reads the 32-bit view and sees SysWOW64 as System32;
// it starts the native tool all the same. (In the 64-bit build this is its own view.)
TEST_F(SysInfo, TheToolRegisteredInTheNativeViewUnderSystem32IsStarted) {
  char system[MAX_PATH] = {};
  ASSERT_GT(::GetSystemDirectoryA(system, MAX_PATH), 0u);
  const std::string folder =
      std::string(system) + "\\varnelo-tests-" + std::to_string(::GetCurrentProcessId());
  const std::string tool = folder + "\\msinfo32.exe";
  const harness::OnExit remove([&] {
    const auto native = NativeFolders();
    harness::RemoveTree(folder);
  });
  {
    const auto native = NativeFolders();
    ASSERT_TRUE(harness::CopyMarkerTo(tool));
  }
  ASSERT_TRUE(harness::SetRegistryText(kRoot, kMsinfoKey, "PATH", tool, KEY_WOW64_64KEY));
  PressExpectingAStart(log_, tool);
}

// Registered only in the 32-bit view: the shipped 32-bit program reads it there; a 64-bit
// program never looks there, as on Windows.
TEST_F(SysInfo, TheToolRegisteredOnlyInThe32BitViewIsStartedBy32BitProgramsOnly) {
  ASSERT_TRUE(harness::CopyMarkerTo(tool_));
  ASSERT_TRUE(harness::SetRegistryText(kRoot, kMsinfoKey, "PATH", tool_, KEY_WOW64_32KEY));
  if (sizeof(void*) == 4) {
    PressExpectingAStart(log_, tool_);
  } else {
    PressExpectingTheMessage();
  }
}

// --- Keys that may be read but not written --------------------------------------------

namespace {

// Replaces a key's access list for a scope and puts the old one back.
class KeyAccess {
 public:
  KeyAccess(HKEY root, const std::string& key, const char* sddl) : root_(root), key_(key) {
    const win::UniqueKey opened = harness::OpenRegistryKey(root, key, READ_CONTROL | WRITE_DAC);
    DWORD size = 0;
    if (opened) ::RegGetKeySecurity(opened.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
    old_.resize(size);
    PSECURITY_DESCRIPTOR replacement = nullptr;
    if (size &&
        ::RegGetKeySecurity(opened.get(), DACL_SECURITY_INFORMATION, old_.data(), &size) ==
            ERROR_SUCCESS &&
        ::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &replacement,
                                                               nullptr)) {
      applied_ = ::RegSetKeySecurity(opened.get(), DACL_SECURITY_INFORMATION, replacement) ==
                 ERROR_SUCCESS;
      ::LocalFree(replacement);
    }
  }
  ~KeyAccess() {  // the owner may always change the access list
    const win::UniqueKey opened = harness::OpenRegistryKey(root_, key_, WRITE_DAC);
    if (applied_ && opened)
      ::RegSetKeySecurity(opened.get(), DACL_SECURITY_INFORMATION, old_.data());
  }
  bool applied() const { return applied_; }

 private:
  HKEY root_;
  std::string key_;
  std::vector<BYTE> old_;
  bool applied_ = false;
};

// Everyone may read the key, nobody may write it; deleting it and changing this list stay
// allowed, for the clean-up.
const char kReadOnly[] = "D:P(A;;KR;;;WD)(A;;SDWD;;;WD)";
// Nobody may read it (the same clean-up rights).
const char kNoAccess[] = "D:P(A;;SDRCWD;;;WD)";

bool OpenFailsWith(HKEY root, const char* key, REGSAM access, LONG error) {
  HKEY opened = nullptr;
  LONG result = ::RegOpenKeyExA(root, key, 0, access, &opened);
  if (result == ERROR_SUCCESS) ::RegCloseKey(opened);
  return result == error;
}

}  // namespace

TEST_F(SysInfo, AKeyThatMayOnlyBeReadIsReadAndItsToolStarted) {
  ASSERT_NO_FATAL_FAILURE(Tool(tool_));
  KeyAccess access(kRoot, kMsinfoKey, kReadOnly);
  ASSERT_TRUE(access.applied());
  if (!OpenFailsWith(kRoot, kMsinfoKey, KEY_SET_VALUE, ERROR_ACCESS_DENIED)) {
    GTEST_SKIP() << "this Wine does not refuse write access by the key's access list";
  }
  ExpectReading(true, tool_, ReadValue(kMsinfoKey, "PATH"));
  PressExpectingAStart(log_, tool_);
}

TEST_F(SysInfo, KeysThatMayNotBeReadCountAsMissing) {
  ASSERT_NO_FATAL_FAILURE((SecondWithTheTool(dir_), Tool(tool_)));
  KeyAccess first(kRoot, kMsinfoKey, kNoAccess), second(kRoot, kLocationKey, kNoAccess);
  ASSERT_TRUE(first.applied() && second.applied());
  if (!OpenFailsWith(kRoot, kMsinfoKey, KEY_QUERY_VALUE, ERROR_ACCESS_DENIED)) {
    GTEST_SKIP() << "this Wine does not refuse read access by the key's access list";
  }
  ExpectReading(false, "", ReadValue(kMsinfoKey, "PATH"));
  PressExpectingTheMessage();
}

// --- GetKeyValue ------------------------------------------------------------------------

TEST_F(SysInfo, GetKeyValueReadsTextOfUpTo1024Bytes) {
  // 1024 bytes with the NUL, and 1024 bytes of text stored without one.
  ExpectReading(true, std::string(1023, 'a'), Read(REG_SZ, std::string(1023, 'a') + '\0'));
  Reading withoutNul = Read(REG_SZ, std::string(1024, 'b'));
  ASSERT_EQ(2u * 1024, StoredWideBytes());  // really stored without a NUL
  ExpectReading(true, std::string(1024, 'b'), withoutNul);
}

TEST_F(SysInfo, GetKeyValueCountsDataOver1024BytesAsMissing) {
  for (const std::string& bytes :
       {std::string(1024, 'c') + '\0', std::string(1025, 'd'), std::string(5000, 'e') + '\0'}) {
    SCOPED_TRACE(bytes.size());
    ExpectReading(false, "", Read(REG_SZ, bytes));
  }
  ExpectReading(false, "", Read(REG_BINARY, std::string(1025, '\x01')));
  ExpectReading(true, "as passed", Read(REG_BINARY, std::string(1024, '\x01')));
}

TEST_F(SysInfo, GetKeyValueDropsOnlyTheOneFinalNul) {
  ExpectReading(true, "C:\\Tools\\msinfo32.exe",
                Read(REG_SZ, std::string("C:\\Tools\\msinfo32.exe") + '\0'));
  Reading without = Read(REG_SZ, "C:\\Tools\\msinfo32.exe");
  ASSERT_EQ(2u * 21, StoredWideBytes());  // 21 characters, no NUL
  ExpectReading(true, "C:\\Tools\\msinfo32.exe", without);
  ExpectReading(true, std::string("abc") + '\0', Read(REG_SZ, std::string("abc") + '\0' + '\0'));
  // The bytes the query returned, all of them: not cut at an inner NUL.
  Reading inner = Read(REG_SZ, std::string("ab") + '\0' + "cd");
  ASSERT_EQ(2u * 5, StoredWideBytes());
  ExpectReading(true, std::string("ab") + '\0' + "cd", inner);
  ExpectReading(true, "", Read(REG_SZ, std::string(1, '\0')));
}

TEST_F(SysInfo, GetKeyValueGivesANumberAsAmpersandHAndHexDigits) {
  for (DWORD number : {DWORD{0x1A2B3C4D}, DWORD{0}, DWORD{0xFF}, DWORD{0xFFFFFFFF}}) {
    SCOPED_TRACE(number);
    Reading r = Read(REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number));
    EXPECT_TRUE(r.result);
    ASSERT_GT(r.value.size(), 2u);
    EXPECT_EQ("&h", r.value.substr(0, 2));
    const std::string digits = r.value.substr(2);
    EXPECT_EQ(std::string::npos, digits.find_first_not_of("0123456789ABCDEFabcdef")) << r.value;
    EXPECT_EQ(number, std::strtoul(digits.c_str(), nullptr, 16)) << r.value;
  }
  Reading big = Read(REG_DWORD, std::string("\x4D\x3C\x2B\x1A", 4));
  EXPECT_EQ("&h1A2B3C4D", big.value);  // most significant digit first, upper case
}

TEST_F(SysInfo, GetKeyValueLeavesTheValueOfAnotherTypeAsPassed) {
  const std::string text = std::string("C:\\Tools\\msinfo32.exe") + '\0';
  for (DWORD type :
       {DWORD{REG_EXPAND_SZ}, DWORD{REG_BINARY}, DWORD{REG_MULTI_SZ}, DWORD{REG_QWORD}}) {
    SCOPED_TRACE(type);
    std::string bytes = type == REG_MULTI_SZ ? text + '\0'
                        : type == REG_QWORD  ? std::string(8, '\x07')
                                             : text;
    ExpectReading(true, "as passed", Read(type, bytes, "as passed"));
  }
}

TEST_F(SysInfo, GetKeyValueGivesEmptyAndFalseForAMissingKeyOrValue) {
  ::RegDeleteTreeA(kRoot, kTestKey);
  ExpectReading(false, "", ReadValue(kTestKey, "Value"));
  ASSERT_TRUE(harness::SetRegistryText(kRoot, kTestKey, "Other", "x"));
  ExpectReading(false, "", ReadValue(kTestKey, "Value"));
  // The name is looked up, not guessed: the other value is there.
  ExpectReading(true, "x", ReadValue(kTestKey, "Other", ""));
}

TEST_F(SysInfo, GetKeyValueFailsOnAValueOfNoBytes) {
  for (DWORD type : {DWORD{REG_SZ}, DWORD{REG_BINARY}}) {
    SCOPED_TRACE(type);
    ::RegDeleteTreeA(kRoot, kTestKey);
    ASSERT_TRUE(harness::SetRegistryValue(kRoot, kTestKey, "Value", type, "", 0));
    std::string value = "as passed";
    EXPECT_EQ(win::KeyValue::Empty, win::GetKeyValue(kRoot, kTestKey, "Value", value));
    EXPECT_EQ("as passed", value);
  }
}

TEST_F(SysInfo, GetKeyValueReadsTheRealLocations) {
  ASSERT_NO_FATAL_FAILURE((Path(tool_), Folder(dir_ + "tools")));
  ExpectReading(true, tool_, ReadValue(kMsinfoKey, "PATH", ""));
  ExpectReading(true, dir_ + "tools", ReadValue(kLocationKey, "MSINFO", ""));
}

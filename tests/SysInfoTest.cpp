// The system information launcher of the About dialog, against the registry of the test
// prefix: which location is read, what is started (a copy of the marker program stands in
// for the tool), when the message "System Information Is Unavailable At This Time" comes,
// and GetKeyValue's reading of a value of each size and type.
#include <windows.h>

#include <gtest/gtest.h>
#include <sddl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/fAbout.h"
#include "tests/Harness.h"
#include "win/Registry.h"

using harness::kLocationKey;
using harness::kMsinfoKey;
using harness::Program;
using harness::SeenDialog;

namespace win {
void PrintTo(KeyValue result, std::ostream* out) {  // by name in the tests' messages
  *out << (result == KeyValue::Read ? "Read" : result == KeyValue::Missing ? "Missing" : "Empty");
}
}  // namespace win

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

  // The About dialog of a freshly started program with "&System Info..." pressed `clicks`
  // times. Without a `tool` to find, the message came each time, and nothing was started;
  // with it, no message, and the log shows that the tool was started each time.
  void Press(const std::string& log, const std::string& tool = "", size_t clicks = 1) {
    ASSERT_NO_FATAL_FAILURE(OpenAbout());
    for (size_t click = 0; click < clicks; ++click) {
      const std::vector<SeenDialog> seen = ClickSystemInfo();
      if (tool.empty()) {
        ExpectTheMessage(seen);
      } else {
        EXPECT_TRUE(seen.empty());
      }
    }
    tool.empty() ? ExpectNothingStarted(log) : ExpectStarted(log, tool, clicks);
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
void Path(const std::string& path, REGSAM view = 0) {
  ASSERT_TRUE(harness::SetRegistryText(kRoot, kMsinfoKey, "PATH", path, view));
}
void Folder(const std::string& folder) {
  ASSERT_TRUE(harness::SetRegistryText(kRoot, kLocationKey, "MSINFO", folder));
}
// The tool at a path named by the first location, or in a folder named by the second.
void Tool(const std::string& path) { ASSERT_TRUE(harness::SysInfoStandIn::Install(path)); }
void ToolIn(const std::string& folder) { Copy(folder + "\\MSINFO32.EXE"), Folder(folder); }
// A valid second location holding the tool, which must not be used.
void SecondWithTheTool(const std::string& dir) { ToolIn(dir + "second"); }
void SecondAndFirstWithTheTool(const std::string& dir) {
  SecondWithTheTool(dir), Tool(dir + "tool\\marker.exe");
}

using win::KeyValue;
constexpr KeyValue kRead = KeyValue::Read, kMissing = KeyValue::Missing;

// GetKeyValue on a value of HKLM, given a string that holds `before`: its result and the string.
struct Reading {
  KeyValue result;
  std::string value;
};
Reading ReadValue(const char* key, const char* name, const std::string& before = "as passed") {
  std::string value = before;
  return {win::GetKeyValue(kRoot, key, name, value), value};  // in this order
}

// GetKeyValue on a value of the test key with these bytes and this type.
Reading Read(DWORD type, const std::string& bytes) {
  ::RegDeleteTreeA(kRoot, kTestKey);
  // RegSetValueExA stores a text one byte longer than told when the byte after it is a NUL
  // (Windows does so, and Wine with it); a byte other than NUL after the data keeps the
  // stored text exactly as long as told.
  const std::string buffer = bytes + 'X';
  if (!harness::SetRegistryValue(kRoot, kTestKey, "Value", type, buffer.data(),
                                 static_cast<DWORD>(bytes.size())))
    return {kMissing, "(the test could not write the value)"};
  return ReadValue(kTestKey, "Value");
}

// The result and the value of a reading.
void ExpectReading(KeyValue result, const std::string& value, const Reading& reading) {
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

// Values of the test key, each of a type and these bytes, read into a string that holds "as
// passed": the result, the string, and where given, how many bytes the registry holds for the
// value (StoredWideBytes), to show that it was stored as meant.
struct Stored {
  DWORD type;
  std::string bytes;
  KeyValue result;
  std::string value;
  DWORD wideBytes = 0;
};
struct Readings {
  const char* name;
  std::vector<Stored> values;
};

std::string Number(DWORD n) { return std::string(reinterpret_cast<const char*>(&n), sizeof n); }
const std::string kPath = "C:\\Tools\\msinfo32.exe";  // 21 characters
const std::string kNul(1, '\0');

const Readings kReadings[] = {
    {"ReadsTextOfUpTo1024Bytes",  // with the NUL, and stored without one
     {{REG_SZ, std::string(1023, 'a') + kNul, kRead, std::string(1023, 'a')},
      {REG_SZ, std::string(1024, 'b'), kRead, std::string(1024, 'b'), 2 * 1024}}},
    {"CountsDataOver1024BytesAsMissing",
     {{REG_SZ, std::string(1024, 'c') + kNul, kMissing, ""},
      {REG_SZ, std::string(1025, 'd'), kMissing, ""},
      {REG_SZ, std::string(5000, 'e') + kNul, kMissing, ""},
      {REG_BINARY, std::string(1025, '\x01'), kMissing, ""},
      {REG_BINARY, std::string(1024, '\x01'), kRead, "as passed"}}},
    {"DropsOnlyTheOneFinalNul",  // of all the bytes the query returned: not cut at an inner NUL
     {{REG_SZ, kPath + kNul, kRead, kPath},
      {REG_SZ, kPath, kRead, kPath, 2 * 21},
      {REG_SZ, "abc" + kNul + kNul, kRead, "abc" + kNul},
      {REG_SZ, "ab" + kNul + "cd", kRead, "ab" + kNul + "cd", 2 * 5},
      {REG_SZ, kNul, kRead, ""}}},
    {"GivesANumberAsAmpersandHAndHexDigits",  // most significant digit first, upper case
     {{REG_DWORD, Number(0x1A2B3C4D), kRead, "&h1A2B3C4D"},
      {REG_DWORD, Number(0), kRead, "&h0"},
      {REG_DWORD, Number(0xFF), kRead, "&hFF"},
      {REG_DWORD, Number(0xFFFFFFFF), kRead, "&hFFFFFFFF"},
      {REG_DWORD, "\x4D\x3C\x2B\x1A", kRead, "&h1A2B3C4D"}}},
    {"LeavesTheValueOfAnotherTypeAsPassed",
     {{REG_EXPAND_SZ, kPath + kNul, kRead, "as passed"},
      {REG_BINARY, kPath + kNul, kRead, "as passed"},
      {REG_MULTI_SZ, kPath + kNul + kNul, kRead, "as passed"},
      {REG_QWORD, std::string(8, '\x07'), kRead, "as passed"}}},
    {"FailsOnAValueOfNoBytes",
     {{REG_SZ, "", KeyValue::Empty, "as passed"}, {REG_BINARY, "", KeyValue::Empty, "as passed"}}},
};

class GetKeyValue : public SysInfo, public testing::WithParamInterface<Readings> {};

// Replaces a key's access list for a scope and puts the old one back (its owner may always
// change it).
class KeyAccess {
 public:
  KeyAccess(const char* key, const char* sddl) : key_(key) {
    const win::UniqueKey opened = harness::OpenRegistryKey(kRoot, key, READ_CONTROL | WRITE_DAC);
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
  ~KeyAccess() {
    const win::UniqueKey opened = harness::OpenRegistryKey(kRoot, key_, WRITE_DAC);
    if (applied_ && opened)
      ::RegSetKeySecurity(opened.get(), DACL_SECURITY_INFORMATION, old_.data());
  }
  KeyAccess(const KeyAccess&) = delete;
  KeyAccess& operator=(const KeyAccess&) = delete;
  bool applied() const { return applied_; }

 private:
  std::string key_;
  std::vector<BYTE> old_;
  bool applied_ = false;
};

// Everyone may read the key, nobody may write it; deleting it and changing this list stay
// allowed, for the clean-up.
const char kReadOnly[] = "D:P(A;;KR;;;WD)(A;;SDWD;;;WD)";
// Nobody may read it (the same clean-up rights).
const char kNoAccess[] = "D:P(A;;SDRCWD;;;WD)";

bool Refused(const char* key, REGSAM access) {
  HKEY opened = nullptr;
  const LONG result = ::RegOpenKeyExA(kRoot, key, 0, access, &opened);
  if (result == ERROR_SUCCESS) ::RegCloseKey(opened);
  return result == ERROR_ACCESS_DENIED;
}

// --- Which location is read, and what is started -------------------------------------

using Dir = const std::string&;  // the test's folder, with a trailing backslash

// One set-up of the two locations, and what each of `clicks` presses of "&System Info..." does
// with it: start exactly `started` (under the test's folder), or, without it, show the message
// and start nothing. With a decoy, each copy of the marker writes marker.log beside itself,
// and the decoy's log must stay empty. With an access list on both keys that refuses
// `refused`, GetKeyValue reads the first one as the program will.
struct Arrangement {
  const char* name;
  void (*prepare)(Dir dir);
  const char* started = nullptr;
  const char* decoy = nullptr;
  size_t clicks = 1;
  const char* access = nullptr;
  REGSAM refused = 0;
};

void SetPathValue(DWORD type, const void* data, DWORD size) {
  ASSERT_TRUE(harness::SetRegistryValue(kRoot, kMsinfoKey, "PATH", type, data, size));
}

const Arrangement kArrangements[] = {
    {"NeitherValueShowsTheMessage",  // not even the key of the second location
     [](Dir) { ::RegDeleteTreeA(kRoot, kLocationKey); }},
    {"PathNamingTheToolStartsExactlyThatFile", [](Dir d) { Tool(d + "tool\\marker.exe"); },
     "tool\\marker.exe"},
    {"ClickingTwiceStartsTheToolTwice", [](Dir d) { Tool(d + "tool\\marker.exe"); },
     "tool\\marker.exe", nullptr, 2},
    {"PathWithSlashesForBackslashesStartsTheTool",  // Z:/.../tool/marker.exe
     [](Dir d) { Copy(d + "tool\\marker.exe"), Path(Replaced(d, '\\', '/') + "tool/marker.exe"); },
     "tool\\marker.exe"},
    {"WithPathFoundTheSecondLocationIsNotUsed",
     [](Dir d) { SecondWithTheTool(d), Tool(d + "first\\marker.exe"); }, "first\\marker.exe",
     "second\\marker.log"},
    {"PathNamingAMissingFileShowsTheMessageWithoutTryingTheSecondLocation",
     [](Dir d) { SecondWithTheTool(d), Path(d + "gone\\msinfo32.exe"); }},
    {"PathNamingAFolderShowsTheMessage",
     [](Dir d) { Copy(d + "folder\\MSINFO32.EXE"), Path(d + "folder"); }},
    {"NoPathAndAFolderHoldingTheToolStartsItFromThere", [](Dir d) { ToolIn(d + "Shared Tools"); },
     "Shared Tools\\MSINFO32.EXE"},
    {"NoPathAndAFolderWithoutTheToolShowsTheMessage",  // a copy of another name
     [](Dir d) { Copy(d + "tools\\marker.exe"), Folder(d + "tools"); }},
    {"NoPathAndAFolderNamedLikeTheToolShowsTheMessage",  // "MSINFO32.EXE" is a folder there
     [](Dir d) {
       ::CreateDirectoryA((d + "tools").c_str(), nullptr);
       ASSERT_TRUE(::CreateDirectoryA((d + "tools\\MSINFO32.EXE").c_str(), nullptr));
       Folder(d + "tools");
     }},
    {"NoPathAndAHiddenToolShowsTheMessage",
     [](Dir d) {
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
     [](Dir d) { SecondWithTheTool(d), SetPathValue(REG_SZ, "", 0); }},
    {"EmptyTextPathCountsAsFoundAndShowsTheMessage",  // just its terminating NUL
     [](Dir d) { SecondWithTheTool(d), Path(""); }},
    {"NumberPathShowsTheMessageWithoutTryingTheSecondLocation",  // "&h1234" names no program
     [](Dir d) {
       const DWORD number = 0x1234;
       SecondWithTheTool(d), SetPathValue(REG_DWORD, &number, sizeof number);
     }},
    {"PathOfAnotherTypeIsFoundEmptyAndShowsTheMessage",  // a REG_EXPAND_SZ naming a real tool
     [](Dir d) {
       const std::string tool = d + "tool\\marker.exe";
       Copy(tool), SecondWithTheTool(d),
           SetPathValue(REG_EXPAND_SZ, tool.c_str(), static_cast<DWORD>(tool.size() + 1));
     }},
    // Split at its blank, the path would run "...\Program.exe" with "Files Test\..." as its
    // argument.
    {"BlankInAFolderNameNeverStartsTheDecoyBeforeIt",
     [](Dir d) { Copy(d + "Program.exe"), Tool(d + "Program Files Test\\marker.exe"); },
     "Program Files Test\\marker.exe", "marker.log"},
    // Only a full path is started: a partial one the system would complete from the current
    // folder (the test program's, which holds marker.exe) or drive.
    {"RelativePathIsNeverCompletedFromTheCurrentFolder", [](Dir) { Path("marker.exe"); }},
    {"DriveRelativePathIsNeverCompletedFromTheCurrentFolder",  // Z:sysinfo_...\tool\marker.exe
     [](Dir d) {
       Copy(d + "tool\\marker.exe"),
           Path(d.substr(0, 2) + d.substr(harness::TestDir().size()) + "tool\\marker.exe");
     }},
    {"RootRelativePathIsNeverCompletedFromTheCurrentDrive",  // /.../tool/marker.exe
     [](Dir d) {
       Copy(d + "tool\\marker.exe"), Path(Replaced(d.substr(2), '\\', '/') + "tool/marker.exe");
     }},
    {"RelativeFolderIsNeverCompletedFromTheCurrentFolder",
     [](Dir d) {
       Copy(d + "MSINFO32.EXE"),
           Folder(d.substr(harness::TestDir().size(), d.size() - harness::TestDir().size() - 1));
     }},
    {"BlankInTheFolderOfTheSecondLocationToo",
     [](Dir d) { Copy(d + "Program.exe"), ToolIn(d + "Program Files Test"); },
     "Program Files Test\\MSINFO32.EXE", "marker.log"},
    // 64-bit Windows registers the tool for 64-bit programs, in the native view. Registered
    // only in the 32-bit view, the shipped 32-bit program reads it there; a 64-bit program
    // never looks there, as on Windows.
    {"TheToolRegisteredOnlyInThe32BitViewIsStartedBy32BitProgramsOnly",
     [](Dir d) { Copy(d + "tool\\marker.exe"), Path(d + "tool\\marker.exe", KEY_WOW64_32KEY); },
     sizeof(void*) == 4 ? "tool\\marker.exe" : nullptr},
    // Keys that may be read but not written are read; those that may not be read count as
    // missing.
    {"AKeyThatMayOnlyBeReadIsReadAndItsToolStarted", SecondAndFirstWithTheTool, "tool\\marker.exe",
     nullptr, 1, kReadOnly, KEY_SET_VALUE},
    {"KeysThatMayNotBeReadCountAsMissing", SecondAndFirstWithTheTool, nullptr, nullptr, 1,
     kNoAccess, KEY_QUERY_VALUE},
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
  const std::string tool = arranged.started ? dir_ + arranged.started : "";
  std::optional<KeyAccess> first, second;
  if (arranged.access) {
    first.emplace(kMsinfoKey, arranged.access), second.emplace(kLocationKey, arranged.access);
    ASSERT_TRUE(first->applied() && second->applied());
    if (!Refused(kMsinfoKey, arranged.refused))
      GTEST_SKIP() << "this Wine does not refuse that access by the key's access list";
    ExpectReading(tool.empty() ? kMissing : kRead, tool, ReadValue(kMsinfoKey, "PATH"));
  }
  const std::string log = arranged.started ? tool.substr(0, tool.rfind('\\') + 1) + name : log_;
  ASSERT_NO_FATAL_FAILURE(Press(log, tool, arranged.clicks));
  EXPECT_TRUE(::IsWindowVisible(about_));  // the dialog stays open
  if (arranged.decoy) ExpectNothingStarted(dir_ + arranged.decoy);
  // The main window and the dialog take input again after the box.
  ::SendMessageA(harness::Item(about_, fAbout::ID_cmdOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(harness::Gone(about_));
  EXPECT_TRUE(::IsWindowEnabled(program_->window()));
}

INSTANTIATE_TEST_SUITE_P(SysInfo, Locations, testing::ValuesIn(kArrangements), harness::RowName());

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

// 64-bit Windows registers the tool in the native view, at a path under System32. The
// shipped 32-bit program reads the 32-bit view and sees SysWOW64 as System32; it starts the
// native tool all the same. (In the 64-bit build this is its own view.)
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
  Press(log_, tool);
}

// --- GetKeyValue ------------------------------------------------------------------------

TEST_P(GetKeyValue, ValuesOfEachSizeAndType) {
  for (const Stored& stored : GetParam().values) {
    SCOPED_TRACE(testing::Message()
                 << "type " << stored.type << ", " << stored.bytes.size() << " bytes");
    const Reading reading = Read(stored.type, stored.bytes);
    if (stored.wideBytes) {
      ASSERT_EQ(stored.wideBytes, StoredWideBytes());  // really stored as meant
    }
    ExpectReading(stored.result, stored.value, reading);
  }
}

INSTANTIATE_TEST_SUITE_P(SysInfo, GetKeyValue, testing::ValuesIn(kReadings), harness::RowName());

TEST_F(SysInfo, GetKeyValueGivesEmptyAndFalseForAMissingKeyOrValue) {
  ::RegDeleteTreeA(kRoot, kTestKey);
  ExpectReading(kMissing, "", ReadValue(kTestKey, "Value"));
  ASSERT_TRUE(harness::SetRegistryText(kRoot, kTestKey, "Other", "x"));
  ExpectReading(kMissing, "", ReadValue(kTestKey, "Value"));
  // The name is looked up, not guessed: the other value is there.
  ExpectReading(kRead, "x", ReadValue(kTestKey, "Other", ""));
}

TEST_F(SysInfo, GetKeyValueReadsTheRealLocations) {
  ASSERT_NO_FATAL_FAILURE((Path(tool_), Folder(dir_ + "tools")));
  ExpectReading(kRead, tool_, ReadValue(kMsinfoKey, "PATH", ""));
  ExpectReading(kRead, dir_ + "tools", ReadValue(kLocationKey, "MSINFO", ""));
}

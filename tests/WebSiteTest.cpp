// The web button: the maker's address handed to the shell with the verb "Open", seen end to
// end by registering a copy of the marker program as the prefix's browser for the address's
// scheme; one request per click; a failing shell changes nothing and shows nothing of the
// program's; and the About description ends with the very address that is opened.
#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "dialogs/fAbout.h"
#include "resources/Product.h"
#include "tests/Harness.h"

using harness::Program;
using harness::SeenDialog;

namespace {

const char kRegistryLock[] = "VarneloTestsWebRegistry";
const char kBackupKey[] = "Software\\VarneloTests\\SchemeBackup";

// "https" of "https://...": the scheme whose registration the shell follows.
std::string Scheme() {
  const std::string url = product::kMakerUrl;
  return url.substr(0, url.find(':'));
}
std::string SchemeKey() { return "Software\\Classes\\" + Scheme(); }
std::string CommandKey(const std::string& verb = "open") {
  return SchemeKey() + "\\shell\\" + verb + "\\command";
}

// The arguments of a logged command line after the program's name.
std::string ArgumentsOf(const std::string& line) {
  size_t end = line.front() == '"' ? line.find('"', 1) + 1 : line.find(' ');
  if (end == 0 || end == std::string::npos || end > line.size()) return "";
  size_t start = line.find_first_not_of(' ', end);
  return start == std::string::npos ? "" : line.substr(start);
}

// Copies a whole key to another place under the same root.
bool CopyKey(HKEY root, const std::string& from, const std::string& to) {
  HKEY source = nullptr, target = nullptr;
  if (::RegOpenKeyExA(root, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS) return false;
  bool done = ::RegCreateKeyExA(root, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                                nullptr) == ERROR_SUCCESS &&
              ::RegCopyTreeA(source, nullptr, target) == ERROR_SUCCESS;
  ::RegCloseKey(source);
  if (target) ::RegCloseKey(target);
  return done;
}

// The scheme's whole registration under one root, kept in a backup key while a test changes
// it, and put back as it was (or removed, if there was none). A backup left by an
// interrupted run is put back first, so the prefix never keeps a test's registration.
class SchemeBackup {
 public:
  explicit SchemeBackup(HKEY root) : root_(root) {
    if (harness::RegistryKeyExists(root_, kBackupKey)) Restore();
    ok_ = harness::SetRegistryText(root_, kBackupKey, "", "") &&  // the backup exists
          (!harness::RegistryKeyExists(root_, SchemeKey()) ||
           (CopyKey(root_, SchemeKey(), std::string(kBackupKey) + "\\scheme")));
  }
  ~SchemeBackup() {
    Restore();
    ::RegDeleteKeyA(root_, "Software\\VarneloTests");  // only when nothing else is left in it
  }
  bool ok() const { return ok_; }

 private:
  void Restore() {
    ::RegDeleteTreeA(root_, SchemeKey().c_str());
    const std::string saved = std::string(kBackupKey) + "\\scheme";
    if (harness::RegistryKeyExists(root_, saved) && !CopyKey(root_, saved, SchemeKey())) return;
    ::RegDeleteTreeA(root_, kBackupKey);
  }
  HKEY root_;
  bool ok_ = false;
};

// A snapshot of what the user sees of the program: the texts and states of the main
// window's controls, and which of its windows are open.
struct ProgramState {
  std::vector<std::string> texts;
  std::vector<LRESULT> checks;
  std::vector<int> selections;
  std::vector<HWND> windows;
  bool enabled = false, visible = false;
  bool operator==(const ProgramState& o) const {
    return texts == o.texts && checks == o.checks && selections == o.selections &&
           windows == o.windows && enabled == o.enabled && visible == o.visible;
  }
};

ProgramState StateOf(const Program& program) {
  ProgramState state;
  state.texts.push_back(harness::Text(program.window()));
  for (int id = fMain::ID_cboFonts; id <= fMain::ID_Last; ++id) {
    state.texts.push_back(harness::Text(program[id]));
    state.checks.push_back(::SendMessageA(program[id], BM_GETCHECK, 0, 0));
  }
  state.selections = {harness::ComboSelection(program[fMain::ID_cboFonts]),
                      harness::ComboSelection(program[fMain::ID_cboSize]),
                      harness::ListSelection(program[fMain::ID_ListChars])};
  state.windows = harness::VisibleWindows(nullptr);
  state.enabled =
      ::IsWindowEnabled(program[fMain::ID_cmdVisit]) && ::IsWindowEnabled(program.window());
  state.visible = ::IsWindowVisible(program.window()) != FALSE;
  return state;
}

// Each test starts the program and registers its own browser for the scheme, logging to its
// own file; all of it is put back afterwards. Windows prefers the user's registration (HKCU) to the
// machine's; Wine 8 reads only the machine's (HKLM\Software\Classes, seen here: a registration
// under HKCU alone still started Wine's own browser), so the browser is registered in both.
class WebSite : public testing::Test {
  harness::NamedLock lock_{kRegistryLock};
  SchemeBackup user_{HKEY_CURRENT_USER}, machine_{HKEY_LOCAL_MACHINE};

 protected:
  const std::string dir_ = harness::FreshFolder(
      std::string("web_") + testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::string browser_ = dir_ + "browser.exe";
  const std::string log_ = dir_ + "requests-" + std::to_string(::GetCurrentProcessId()) + ".log";

  void SetUp() override {
    ASSERT_TRUE(user_.ok() && machine_.ok());
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(log_.c_str()));
    ASSERT_TRUE(harness::CopyMarkerTo(browser_));
    ASSERT_TRUE(RegisterBrowser(browser_));
  }

  void TearDown() override {
    program.End();
    harness::StartedProgramsEnded();  // a late request still finds its log
    harness::RemoveTree(dir_);
  }

  // The command of a verb in both places, made the scheme's default verb where asked.
  static bool Register(const std::string& verb, const std::string& command,
                       bool asDefault = false) {
    bool ok = true;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      ok = harness::SetRegistryText(root, SchemeKey(), "URL Protocol", "") && ok;
      ok = harness::SetRegistryText(root, CommandKey(verb), "", command) && ok;
      if (asDefault) ok = harness::SetRegistryText(root, SchemeKey() + "\\shell", "", verb) && ok;
    }
    return ok;
  }
  static bool RegisterBrowser(const std::string& path) {
    return Register("open", "\"" + path + "\" \"%1\"");
  }

  void ClickVisit() {
    ::SendMessageA(program[fMain::ID_cmdVisit], BM_CLICK, 0, 0);
    harness::Drain();
  }

  // Every request the browser got carried exactly the maker's address.
  void ExpectRequests(size_t count) {
    ASSERT_TRUE(harness::WaitForLines(log_, count))
        << "requests: " << harness::ReadLines(log_).size();
    harness::StartedProgramsEnded();  // and no more than that
    std::vector<std::string> lines = harness::ReadLines(log_);
    ASSERT_EQ(count, lines.size());
    for (const std::string& line : lines)
      EXPECT_EQ(std::string("\"") + product::kMakerUrl + "\"", ArgumentsOf(line)) << line;
  }

  harness::ScopedEnvironment environment_{"VARNELO_MARKER_LOG", log_.c_str()};
  Program program;
};

// Windows the watcher may close while the shell fails: any dialog box that is not the About
// dialog. Boxes of the program's own carry its caption "Tindrel". The attempt is over when
// the click has returned and whatever it started has ended.
std::vector<SeenDialog> ClickVisitWatchingForBoxes(Program& program) {
  HWND about = program.form().AboutDialog() ? program.form().AboutDialog()->hwnd() : nullptr;
  harness::DialogWatcher watcher([about](HWND box) { return box != about; });
  ::SendMessageA(program[fMain::ID_cmdVisit], BM_CLICK, 0, 0);
  harness::StartedProgramsEnded();
  return watcher.Seen();
}

void ExpectNoBoxOfTheProgram(const std::vector<SeenDialog>& seen) {
  for (const SeenDialog& box : seen) {
    const std::string text = box.texts.empty() ? "" : box.texts.front();
    if (box.caption == "Tindrel" || box.caption.find("Varnelo") != std::string::npos) {
      ADD_FAILURE() << "the program showed a box: \"" << box.caption << "\" " << text;
      continue;
    }
    // Wine's shell may report the failure itself; that box is the shell's, not the
    // program's (the program shows nothing), and was closed by the watcher.
    std::cout << "[   WINE   ] the shell showed a box of its own: \"" << box.caption << "\" "
              << text << "\n";
  }
}

}  // namespace

TEST_F(WebSite, TheAddressIsAnAbsoluteWebUrl) {
  const std::string url = product::kMakerUrl;
  EXPECT_TRUE(url.rfind("https://", 0) == 0 || url.rfind("http://", 0) == 0) << url;
  EXPECT_GT(url.size(), Scheme().size() + 3);
  EXPECT_EQ(std::string::npos, url.find_first_of(" \"\t\r\n")) << url;
}

TEST_F(WebSite, ClickOpensTheMakersAddressInTheRegisteredBrowser) {
  ClickVisit();
  ExpectRequests(1);
  // The shell was called with COM entered on the window thread, apartment-threaded.
  EXPECT_EQ(S_FALSE, ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  ::CoUninitialize();
  const std::vector<std::string> lines = harness::ReadLines(log_);
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ(browser_, harness::StripQuotes(
                          lines[0].substr(0, lines[0].size() - ArgumentsOf(lines[0]).size() - 1)));
}

TEST_F(WebSite, TheVerbIsOpenNotTheSchemesDefaultVerb) {
  // The scheme's default verb is another one, whose command would log a different line.
  ASSERT_TRUE(Register("preview", "\"" + browser_ + "\" PREVIEW \"%1\"", true));
  ClickVisit();
  ExpectRequests(1);
  EXPECT_EQ(std::string::npos, harness::ReadLines(log_).at(0).find("PREVIEW"));
}

TEST_F(WebSite, TwoClicksMakeTwoRequests) {
  ClickVisit();
  ClickVisit();
  ExpectRequests(2);
}

TEST_F(WebSite, ARealMouseClickOpensItToo) {
  HWND visit = program[fMain::ID_cmdVisit];
  RECT r = harness::ClientRect(visit);
  harness::Click(visit, r.right / 2, r.bottom / 2);
  ExpectRequests(1);
}

TEST_F(WebSite, WorksTheSameWithTheHelpWindowAndTheAboutDialogOpen) {
  ::SendMessageA(program[fMain::ID_cmdHelp], BM_CLICK, 0, 0);
  ::SendMessageA(program[fMain::ID_cmdAbout], BM_CLICK, 0, 0);
  harness::Drain();
  ASSERT_EQ(1u, harness::ProcessWindows(nullptr, "Help").size());
  ASSERT_EQ(1u, harness::ProcessWindows(nullptr, "About Varnelo").size());
  ClickVisit();
  ExpectRequests(1);
  EXPECT_EQ(1u, harness::ProcessWindows(nullptr, "Help").size());
  EXPECT_EQ(1u, harness::ProcessWindows(nullptr, "About Varnelo").size());
}

TEST_F(WebSite, TheAboutDescriptionEndsWithTheAddressThatIsOpened) {
  ::SendMessageA(program[fMain::ID_cmdAbout], BM_CLICK, 0, 0);
  harness::Drain();
  ASSERT_NE(nullptr, program.form().AboutDialog());
  HWND about = program.form().AboutDialog()->hwnd();
  ASSERT_NE(nullptr, about);
  const std::string description = harness::Text(::GetDlgItem(about, fAbout::ID_lblDescription));
  const std::string lead = "Please contact us at: ";
  const size_t at = description.rfind(lead);
  ASSERT_NE(std::string::npos, at) << description;
  const std::string shown = description.substr(at + lead.size());
  EXPECT_EQ(product::kMakerUrl, shown);
  ClickVisit();
  ExpectRequests(1);
  EXPECT_EQ("\"" + shown + "\"", ArgumentsOf(harness::ReadLines(log_).at(0)));
}

TEST_F(WebSite, AFailingShellChangesNothingAndShowsNothingOfTheProgram) {
  // The registered browser does not exist.
  ASSERT_TRUE(RegisterBrowser(dir_ + "missing\\browser.exe"));
  const ProgramState before = StateOf(program);
  ExpectNoBoxOfTheProgram(ClickVisitWatchingForBoxes(program));
  EXPECT_TRUE(before == StateOf(program));
  EXPECT_TRUE(harness::ReadLines(log_).empty());

  // The button stays usable: with a browser registered again the next click opens it.
  ASSERT_TRUE(RegisterBrowser(browser_));
  ClickVisit();
  ExpectRequests(1);
}

TEST_F(WebSite, NothingRegisteredForTheSchemeChangesNothing) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    ::RegDeleteTreeA(root, SchemeKey().c_str());
    ASSERT_FALSE(harness::RegistryKeyExists(root, SchemeKey()));
  }
  const ProgramState before = StateOf(program);
  ExpectNoBoxOfTheProgram(ClickVisitWatchingForBoxes(program));
  EXPECT_TRUE(before == StateOf(program));
  EXPECT_TRUE(::IsWindowEnabled(program[fMain::ID_cmdVisit]));
  // A second click fails the same way.
  ExpectNoBoxOfTheProgram(ClickVisitWatchingForBoxes(program));
  EXPECT_TRUE(before == StateOf(program));
}

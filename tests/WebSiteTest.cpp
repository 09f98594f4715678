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

using harness::Browser;

namespace {

// Each test registers its own browser for the scheme and starts the program.
class WebSite : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(browser.Install()); }

  void ClickVisit() {
    ::SendMessageA(program[fMain::ID_cmdVisit], BM_CLICK, 0, 0);
    harness::Drain();
  }

  // A click while the shell fails changes nothing the user sees and shows no box of the
  // program's. The watcher may close any dialog box that is not the About dialog; boxes of the
  // program's own carry its caption "Tindrel". The attempt is over when the click has returned
  // and whatever it started has ended.
  void ClickVisitExpectingNothing() {
    const harness::Snapshot before = harness::SnapshotOf(program);
    HWND about = program.form().AboutDialog() ? program.form().AboutDialog()->hwnd() : nullptr;
    harness::DialogWatcher watcher([about](HWND box) { return box != about; });
    ::SendMessageA(program[fMain::ID_cmdVisit], BM_CLICK, 0, 0);
    harness::StartedProgramsEnded();
    for (const harness::SeenDialog& box : watcher.Seen()) {
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
    EXPECT_EQ(before, harness::SnapshotOf(program));
  }

  harness::Browser browser;
  harness::Program program;
};

}  // namespace

TEST_F(WebSite, TheAddressIsAnAbsoluteWebUrl) {
  const std::string url = product::kMakerUrl;
  EXPECT_TRUE(url.rfind("https://", 0) == 0 || url.rfind("http://", 0) == 0) << url;
  EXPECT_GT(url.size(), url.find(':') + 3);  // a scheme, "://" and more
  EXPECT_EQ(std::string::npos, url.find_first_of(" \"\t\r\n")) << url;
}

TEST_F(WebSite, ClickOpensTheMakersAddressInTheRegisteredBrowser) {
  ClickVisit();
  ASSERT_TRUE(browser.Requested(1));
  // The shell was called with COM entered on the window thread, apartment-threaded.
  EXPECT_EQ(S_FALSE, ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  ::CoUninitialize();
  const std::string line = browser.Requests().at(0);
  EXPECT_EQ(browser.path, harness::StripQuotes(
                              line.substr(0, line.size() - harness::ArgumentsOf(line).size() - 1)));
}

TEST_F(WebSite, TheVerbIsOpenNotTheSchemesDefaultVerb) {
  // The scheme's default verb is another one, whose command would log a different line.
  ASSERT_TRUE(Browser::Register("preview", "\"" + browser.path + "\" PREVIEW \"%1\"", true));
  ClickVisit();
  ASSERT_TRUE(browser.Requested(1));
  EXPECT_EQ(std::string::npos, browser.Requests().at(0).find("PREVIEW"));
}

TEST_F(WebSite, TwoClicksMakeTwoRequests) {
  ClickVisit();
  ClickVisit();
  EXPECT_TRUE(browser.Requested(2));
}

TEST_F(WebSite, ARealMouseClickOpensItToo) {
  const RECT r = harness::ClientRect(program[fMain::ID_cmdVisit]);
  harness::Click(program[fMain::ID_cmdVisit], r.right / 2, r.bottom / 2);
  EXPECT_TRUE(browser.Requested(1));
}

TEST_F(WebSite, WorksTheSameWithTheHelpWindowAndTheAboutDialogOpen) {
  ASSERT_TRUE(harness::OpenWindow(program, fMain::ID_cmdHelp, "Help"));
  ASSERT_TRUE(harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo"));
  ClickVisit();
  EXPECT_TRUE(browser.Requested(1));
  EXPECT_EQ(1u, harness::ProcessWindows(nullptr, "Help").size());
  EXPECT_EQ(1u, harness::ProcessWindows(nullptr, "About Varnelo").size());
}

TEST_F(WebSite, TheAboutDescriptionEndsWithTheAddressThatIsOpened) {
  HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
  ASSERT_NE(nullptr, about);
  const std::string url = product::kMakerUrl;
  const std::string description = harness::Text(::GetDlgItem(about, fAbout::ID_lblDescription));
  EXPECT_TRUE(description.ends_with("Please contact us at: " + url)) << description;
  ClickVisit();
  ASSERT_TRUE(browser.Requested(1));
  EXPECT_EQ("\"" + url + "\"", harness::ArgumentsOf(browser.Requests().at(0)));
}

TEST_F(WebSite, AFailingShellChangesNothingAndShowsNothingOfTheProgram) {
  // The registered browser does not exist.
  ASSERT_TRUE(Browser::RegisterBrowser(browser.dir + "missing\\browser.exe"));
  ClickVisitExpectingNothing();
  EXPECT_TRUE(browser.Requests().empty());

  // The button stays usable: with a browser registered again the next click opens it.
  ASSERT_TRUE(Browser::RegisterBrowser(browser.path));
  ClickVisit();
  EXPECT_TRUE(browser.Requested(1));
}

TEST_F(WebSite, NothingRegisteredForTheSchemeChangesNothing) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    ::RegDeleteTreeA(root, Browser::SchemeKey().c_str());
    ASSERT_FALSE(harness::RegistryKeyExists(root, Browser::SchemeKey()));
  }
  ClickVisitExpectingNothing();
  EXPECT_TRUE(::IsWindowEnabled(program[fMain::ID_cmdVisit]));
  ClickVisitExpectingNothing();  // a second click fails the same way
}

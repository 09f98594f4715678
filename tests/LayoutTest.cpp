// The row of About, Help and web buttons under the Symbol View: where the first display puts
// it, and that minimising, restoring, moving the panel and resizing the window leave it, and
// everything else, where it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "tests/Harness.h"

using harness::Box;
using harness::BoxOf;
using harness::Program;

namespace {

using Layout = harness::MainWindowTest;

// With the design geometry at 96 dpi: the Symbol View at (14, 256), 430 x 89.
const Box kAbout{14, 350, 176, 48};
const Box kHelp{195, 350, 64, 48};
const Box kVisit{264, 350, 180, 48};

void ExpectDesignRow(const Program& program) {
  EXPECT_EQ(kAbout, BoxOf(program[fMain::ID_cmdAbout])) << "cmdAbout";
  EXPECT_EQ(kHelp, BoxOf(program[fMain::ID_cmdHelp])) << "cmdHelp";
  EXPECT_EQ(kVisit, BoxOf(program[fMain::ID_cmdVisit])) << "cmdVisit";
}

// Moves the three buttons somewhere else, keeping their sizes (which the pass reads), so
// that only a new pass of the layout can bring them back.
void DisplaceRow(const Program& program) {
  int left = 3;
  for (int id : {fMain::ID_cmdAbout, fMain::ID_cmdHelp, fMain::ID_cmdVisit}) {
    ::SetWindowPos(program[id], nullptr, left, 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    left += 20;
  }
  ASSERT_EQ((Box{23, 3, 64, 48}), BoxOf(program[fMain::ID_cmdHelp]));
}

void ResizeWindow(HWND window, int width, int height) {
  ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  harness::Pump(50);
}

// Every control of the panel but the three buttons, and the panel itself.
std::map<int, Box> OtherControls(const Program& program) {
  std::map<int, Box> boxes;
  for (int id = fMain::ID_picInterface; id <= fMain::ID_Last; ++id) {
    if (id == fMain::ID_cmdAbout || id == fMain::ID_cmdHelp || id == fMain::ID_cmdVisit) continue;
    boxes[id] = BoxOf(program[id]);
  }
  return boxes;
}

// What is done to the window, one change after another, each of them a pass of the layout:
// minimising, restoring, or a new size: larger, then smaller than the panel, and back.
enum Change { kMinimise, kRestore, kLarger, kSmaller, kBack };
struct Changes {
  const char* name;
  std::vector<Change> changes;
  bool displaced = false;   // the buttons moved away before each: a pass must bring them back
  bool panelMoved = false;  // the panel moved away from the centre first
};

const Changes kChanges[] = {
    // The pass while minimised gives the same row.
    {"MinimiseAndRestoreLeaveTheRowWhereItWas", {kMinimise, kRestore, kMinimise, kRestore}},
    {"MinimisingRunsTheLayoutAndIgnoresTheWindowState", {kMinimise, kRestore}, true},
    {"ThePanelIsNotRecentredOnRestore", {kMinimise, kRestore}, false, true},
    {"TheRowFollowsTheSymbolViewWhateverTheWindowSize", {kLarger, kSmaller, kBack}, true},
    {"NoOtherControlMovesWithMinimiseAndRestore", {kMinimise, kRestore}},
};

class Passes : public Layout, public testing::WithParamInterface<Changes> {};

}  // namespace

TEST_F(Layout, FirstDisplayLinesTheButtonsUpUnderTheSymbolView) {
  ASSERT_TRUE(::IsWindowVisible(program.window()));
  ExpectDesignRow(program);

  Box view = BoxOf(program[fMain::ID_txtSymbol]);
  ASSERT_EQ((Box{14, 256, 430, 89}), view);
  Box about = BoxOf(program[fMain::ID_cmdAbout]);
  Box help = BoxOf(program[fMain::ID_cmdHelp]);
  Box visit = BoxOf(program[fMain::ID_cmdVisit]);
  // One row, 5 below the view, 5 between the buttons, from the view's left to its right edge.
  EXPECT_EQ(view.top + view.height + 5, about.top);
  EXPECT_EQ(about.top, help.top);
  EXPECT_EQ(about.top, visit.top);
  EXPECT_EQ(view.left, about.left);
  EXPECT_EQ(about.left + about.width + 5, help.left);
  EXPECT_EQ(help.left + help.width + 5, visit.left);
  EXPECT_EQ(444, visit.left + visit.width);
  EXPECT_EQ(view.left + view.width, visit.left + visit.width);
  EXPECT_EQ(4, visit.width - about.width);  // corrections 7 and 3, not 5 and 5
  // The Help button's centre (227) is 2 left of the view's (229).
  EXPECT_EQ(2 * 229 - 4, 2 * help.left + help.width);
  // The row's bottom lies inside the panel.
  RECT panel = harness::ClientRect(program[fMain::ID_picInterface]);
  EXPECT_LE(about.top + about.height, panel.bottom);
}

// After each change the row is where the design puts it (in the panel's own pixels), and every
// other control, the panel too, where it was before.
TEST_P(Passes, KeepTheDesignRowAndEverythingElse) {
  HWND window = program.window(), panel = program[fMain::ID_picInterface];
  const RECT before = harness::ScreenRect(window);
  const Box centred = BoxOf(panel);
  EXPECT_EQ(5, centred.left);  // where start-up put it
  if (GetParam().panelMoved) {
    ::SetWindowPos(panel, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    harness::Pump(30);
  }
  const std::map<int, Box> others = OtherControls(program);
  const SIZE sizes[] = {
      {700, 600}, {300, 200}, {before.right - before.left, before.bottom - before.top}};
  for (Change change : GetParam().changes) {
    SCOPED_TRACE(change);
    if (GetParam().displaced) DisplaceRow(program);
    if (change == kMinimise) {
      ::ShowWindow(window, SW_MINIMIZE);
      ASSERT_TRUE(harness::Iconic(window, true, 2000));
      harness::Pump(50);
    } else if (change == kRestore) {
      ::ShowWindow(window, SW_RESTORE);
      EXPECT_TRUE(harness::PumpUntil(
          [&] { return !::IsIconic(window) && ::IsWindowVisible(window); }, 2000));
      harness::Pump(50);
    } else {
      const SIZE size = sizes[change - kLarger];
      ResizeWindow(window, size.cx, size.cy);
      const RECT now = harness::ScreenRect(window);
      ASSERT_EQ(size.cx, now.right - now.left);  // the size really changed
    }
    ExpectDesignRow(program);
    EXPECT_EQ(others, OtherControls(program));
  }
  if (GetParam().panelMoved) {
    EXPECT_EQ((Box{20, 30, centred.width, centred.height}), BoxOf(panel));
  }
}

INSTANTIATE_TEST_SUITE_P(Layout, Passes, testing::ValuesIn(kChanges), harness::RowName());

TEST_F(Layout, TheAboutWidthUsesTheHelpWidthFromBeforeThePass) {
  HWND about = program[fMain::ID_cmdAbout], help = program[fMain::ID_cmdHelp],
       visit = program[fMain::ID_cmdVisit];
  // A Help button 100 wide, and About and web buttons of other heights than designed.
  ::SetWindowPos(help, nullptr, 0, 0, 100, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowPos(about, nullptr, 0, 0, 176, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowPos(visit, nullptr, 0, 0, 180, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT window = harness::ScreenRect(program.window());
  ResizeWindow(program.window(), window.right - window.left + 1, window.bottom - window.top);

  // About: 430/2 - 100/2 - 7 = 158; Help after it at 14 + 158 + 5, now 64 x 48; the web
  // button uses the new Help width: 430/2 - 64/2 - 3 = 180. Heights of About and the web
  // button are not touched.
  EXPECT_EQ((Box{14, 350, 158, 30}), BoxOf(about));
  EXPECT_EQ((Box{177, 350, 64, 48}), BoxOf(help));
  EXPECT_EQ((Box{246, 350, 180, 40}), BoxOf(visit));

  // The next pass finds the Help button 64 wide again.
  ResizeWindow(program.window(), window.right - window.left, window.bottom - window.top);
  EXPECT_EQ((Box{14, 350, 176, 30}), BoxOf(about));
  EXPECT_EQ(kHelp, BoxOf(help));
  EXPECT_EQ((Box{264, 350, 180, 40}), BoxOf(visit));
}

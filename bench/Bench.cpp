// Measures start-up, font changes, size and style changes and the copy, each beside its
// floor: the same platform work done the plainest way, in the same run. Times are medians
// over repeated runs, with their minimum and maximum; the ratio to the floor is what counts.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/Floors.h"
#include "shell/mStartup.h"
#include "win/Dpi.h"
#include "win/Font.h"
#include "win/FormControls.h"

using namespace bench;

namespace {

struct Figure {
  double median, min, max;
};

Figure Measure(int runs, const std::function<double()>& once) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(once());
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front(), times.back()};
}

std::string Format(const Figure& f) {
  char text[64];
  std::snprintf(text, sizeof text, "%8.3f [%.3f .. %.3f]", f.median, f.min, f.max);
  return text;
}

double StartupOurs() {
  const double start = Now();
  mStartup::Main();
  Drain();
  const double elapsed = Now() - start;
  mStartup::Unload();
  Drain();
  return elapsed;
}

void Choose(HWND combo, int index) {
  ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

// Per font: the click handler with its rebuild of the 255 rows, and the repaint.
double FontChangeOurs(HWND combo, const std::vector<int>& entries) {
  const double start = Now();
  for (int i : entries) {
    Choose(combo, i);
    Drain();
  }
  return (Now() - start) / static_cast<double>(entries.size());
}

// Per font: the Down arrow key as the user presses it, from the first font to the last.
double FontStepOurs(HWND combo, int fonts) {
  Choose(combo, 0);
  ::SetFocus(combo);
  Drain();
  const double start = Now();
  for (int i = 1; i < fonts; ++i) {
    ::PostMessageA(combo, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageA(combo, WM_KEYUP, VK_DOWN, 0xC0000001);
    Drain();
  }
  return (Now() - start) / (fonts - 1);
}

// The font the program's Symbol View holds.
LOGFONTA ViewFont(fMain& form) {
  LOGFONTA font{};
  ::GetObjectA(
      reinterpret_cast<HFONT>(::SendMessageA(form.Control(fMain::ID_txtSymbol), WM_GETFONT, 0, 0)),
      sizeof font, &font);
  return font;
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  // Wine leaves PrivateUsage at zero; its PagefileUsage counts the same committed private pages.
  return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

struct Row {
  std::string name;
  Figure ours, floor;
};

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 7;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  std::vector<Row> rows;

  StartupOurs();  // warm the font caches for both sides alike
  StartupFloor();
  rows.push_back({"startup", Measure(runs, StartupOurs), Measure(runs, StartupFloor)});

  mStartup::Main();
  Drain();
  fMain& form = *mStartup::MainForm();
  HWND fonts = form.Control(fMain::ID_cboFonts);
  const int count = static_cast<int>(::SendMessageA(fonts, CB_GETCOUNT, 0, 0));
  const SIZE_T privateBytes = PrivateBytes();
  const long liveFonts = win::Font::Live();

  HWND plain = PlainWindow(484, 452);
  HWND list = PlainList(plain);
  HWND edit = ::CreateWindowExA(0, "EDIT", Symbols().c_str(),
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 90, 430, 89,
                                plain, nullptr, nullptr, nullptr);
  // A bare edit of the Symbol View's style, size and place, for the changes that only the
  // view's layout answers.
  HWND twin = nullptr;
  for (const win::ControlDesign& d : fMain::Design())
    if (d.id == fMain::ID_txtSymbol) twin = win::CreateControl(plain, d, win::WindowDpi(nullptr));
  ::SetWindowTextA(twin, Symbols().c_str());
  // Every entry, and the first entry of each name: a family the system reports once per
  // character set is listed as often, and choosing the next of the same name keeps the face.
  std::vector<int> every, faces;
  for (int i = 0; i < count; ++i) {
    every.push_back(i);
    if (i == 0 || EntryName(fonts, i) != EntryName(fonts, i - 1)) faces.push_back(i);
  }
  {
    // The twin holds the view's font, as the view does before the first walk; the plain edit
    // the view's size at 96 dpi, in no face yet.
    BareEdit view(twin, ViewFont(form));
    LOGFONTA plainFont{};
    plainFont.lfHeight = -32;
    plainFont.lfWeight = FW_NORMAL;
    plainFont.lfCharSet = DEFAULT_CHARSET;
    BareEdit bare(edit, plainFont);
    const std::vector<int> afterFirst(every.begin() + 1, every.end());
    rows.push_back({"font-change", Measure(runs, [&] { return FontChangeOurs(fonts, every); }),
                    Measure(runs, [&] { return WalkFloor(view, list, fonts, every, false); })});
    // The key walks from the first entry, chosen beforehand, to the last.
    const auto stepFloor = [&] {
      view.SetFace(EntryName(fonts, 0), false);
      Drain();
      return WalkFloor(view, list, fonts, afterFirst, false);
    };
    rows.push_back({"font-step", Measure(runs, [&] { return FontStepOurs(fonts, count); }),
                    Measure(runs, stepFloor)});
    // A program that laid the view out again on every step, same face or not.
    rows.push_back({"font-whole", rows[1].ours,
                    Measure(runs, [&] { return WalkFloor(bare, list, fonts, every, true); })});
    rows.push_back({"face-change", Measure(runs, [&] { return FontChangeOurs(fonts, faces); }),
                    Measure(runs, [&] { return WalkFloor(bare, list, fonts, faces, true); })});
  }

  HWND sizes = form.Control(fMain::ID_cboSize);
  const LOGFONTA viewFont = ViewFont(form);
  const Figure sizeChange = Measure(runs, [&] {
    const double start = Now();
    for (int i = 0; i < 30; ++i) {
      Choose(sizes, i % 2 ? 0 : 14);
      Drain();
    }
    return (Now() - start) / 30;
  });
  rows.push_back({"size-change", sizeChange,
                  Measure(runs, [&] { return SizeSwapFloor(twin, viewFont.lfFaceName, 30); })});
  // The same changes beside 11 and 22 pixels of Arial: far less work for the edit, whose layout
  // grows with its lines and with the face.
  rows.push_back({"size-arial", sizeChange,
                  Measure(runs, [&] { return FontSwapFloor(edit, -11, FW_NORMAL, 30); })});
  HWND bold = form.Control(fMain::ID_chkBold);
  rows.push_back({"style-toggle",
                  Measure(runs,
                          [&] {
                            const double start = Now();
                            for (int i = 0; i < 30; ++i) {
                              ::SendMessageA(bold, BM_CLICK, 0, 0);
                              Drain();
                            }
                            return (Now() - start) / 30;
                          }),
                  Measure(runs, [&] {
                    HWND label = ::CreateWindowExA(0, "STATIC", "x", WS_CHILD | WS_VISIBLE, 0, 0,
                                                   100, 30, plain, nullptr, nullptr, nullptr);
                    double one = FontSwapFloor(edit, -32, FW_BOLD, 30) +
                                 FontSwapFloor(label, -21, FW_BOLD, 30);
                    ::DestroyWindow(label);
                    return one;
                  })});
  HWND view = form.Control(fMain::ID_txtSymbol);
  HWND copy = form.Control(fMain::ID_cmdCopy);
  ::SendMessageA(view, EM_SETSEL, 64, 67);
  rows.push_back({"copy",
                  Measure(runs,
                          [&] {
                            const double start = Now();
                            for (int i = 0; i < 30; ++i) ::SendMessageA(copy, BM_CLICK, 0, 0);
                            return (Now() - start) / 30;
                          }),
                  Measure(runs, [&] { return CopyFloor(plain, 30); })});
  ::DestroyWindow(plain);
  mStartup::Unload();
  Drain();

#ifdef _WIN64
  const char* const build = "x86_64";
#else
  const char* const build = "i686";
#endif
  std::printf("Varnelo benchmark: %s build under Wine, %d runs, %d fonts in the list, %d names\n",
              build, runs, count, static_cast<int>(faces.size()));
  std::printf("times in ms: median [min .. max]; startup per start, the others per change\n");
  std::printf(
      "font-change and font-step stand beside the list's rebuild plus, where the face\n"
      "changes, a bare edit of the view's design laid out again in it, over the same walk;\n"
      "font-whole beside the rebuild plus a bare edit laid out again in each entry's face;\n"
      "face-change the same over the first entry of each name, so that every change is a\n"
      "new face; size-change beside a bare edit of the view's design given the sizes the\n"
      "program shows, 8 and 72 points, in the view's face; size-arial beside a bare edit\n"
      "given 11 and 22 pixels of Arial\n\n");
  std::printf("%-13s %-30s %-30s %s\n", "figure", "ours", "floor", "ratio");
  for (const Row& r : rows)
    std::printf("%-13s %-30s %-30s %5.2f\n", r.name.c_str(), Format(r.ours).c_str(),
                Format(r.floor).c_str(), r.ours.median / r.floor.median);
  std::printf("\nmemory after start-up: private bytes %lu KiB, live font objects %ld\n\n",
              static_cast<unsigned long>(privateBytes / 1024), liveFonts);
  const struct {
    const char* name;
    double limit;
  } targets[] = {
      {"startup", 1.00}, {"font-change", 0.60}, {"font-step", 0.60}, {"size-change", 1.25}};
  for (const auto& t : targets) {
    for (const Row& r : rows) {
      if (r.name != t.name) continue;
      double ratio = r.ours.median / r.floor.median;
      std::printf("target %s ratio %.2f limit %.2f %s\n", t.name, ratio, t.limit,
                  ratio <= t.limit ? "met" : "missed");
    }
  }
  return 0;
}

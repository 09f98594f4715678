#include "shell/mStartup.h"

#include <commctrl.h>

#include <memory>

#include "win/System.h"

namespace mStartup {
namespace {
std::unique_ptr<win::Owned<fMain>> g_main;
}

bool Main(fMain::Options options) {
  win::SearchSystemFolderOnly();  // before any library can be loaded on the program's behalf
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  if (!::InitCommonControlsEx(&controls)) return false;  // no list view for the Symbol List
  try {
    g_main = std::make_unique<win::Owned<fMain>>(options);
    if (g_main->Load()) {
      g_main->Show();
      return true;
    }
  } catch (...) {  // from the load itself, which runs outside any window procedure
  }
  g_main.reset();
  // The window's going asked the loop to end: the message box that tells of the failure must
  // not take that for its own end and vanish.
  MSG quit;
  ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  return false;
}

fMain* MainForm() { return g_main.get(); }

void Unload() {
  g_main.reset();
  win::LeaveCom();
}

void ProcessMessage(MSG& msg) {
  HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && ::IsDialogMessageA(root, &msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

int Run() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace mStartup

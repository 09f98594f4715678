#include <windows.h>

#include "resources/Product.h"
#include "shell/mStartup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (!mStartup::Main()) {
    // Told here, not in Main, which the tests call in their own process: without a word the
    // user would see nothing happen at all.
    ::MessageBoxA(nullptr, "Varnelo could not start: its window could not be opened.",
                  product::kAppTitle, MB_OK | MB_ICONERROR);
    return 1;
  }
  int code = mStartup::Run();
  mStartup::Unload();
  return code;
}

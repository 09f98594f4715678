#include <windows.h>

#include "shell/mStartup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (!mStartup::Main()) return 1;
  int code = mStartup::Run();
  mStartup::Unload();
  return code;
}

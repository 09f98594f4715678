#include "win/mUtils.h"

#include <windows.h>

#include <shellapi.h>

#include "win/System.h"

namespace mUtils {

void ShellOpen(const std::string& target) {
  // The shell's library is loaded on first use, not with the program: few runs open anything,
  // and loading it, with the libraries it brings, held up every start. Shell handlers may
  // rely on COM on the calling thread.
  static const auto shellExecute =
      win::SystemProcedure<decltype(&::ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  win::EnterCom();
  // 32 or less would mean the shell could not open it; that changes nothing here.
  if (shellExecute) shellExecute(nullptr, "Open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace mUtils

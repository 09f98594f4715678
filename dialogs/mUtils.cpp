#include "dialogs/mUtils.h"

#include <windows.h>
#include <shellapi.h>

namespace mUtils {

void ShellOpen(const std::string& target) {
  // The shell's library is loaded on first use, not with the program: few runs open anything,
  // and loading it, with the libraries it brings, held up every start.
  using ShellExecuteProc = decltype(&::ShellExecuteA);
  static const auto shellExecute = reinterpret_cast<ShellExecuteProc>(
      reinterpret_cast<void (*)()>(::GetProcAddress(::LoadLibraryA("shell32.dll"), "ShellExecuteA")));
  // 32 or less would mean the shell could not open it; that changes nothing here.
  if (shellExecute) shellExecute(nullptr, "Open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace mUtils

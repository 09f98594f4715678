#include "dialogs/mUtils.h"

#include <windows.h>
#include <shellapi.h>

namespace mUtils {

void ShellOpen(const std::string& target) {
  // 32 or less would mean the shell could not open it; that changes nothing here.
  ::ShellExecuteA(nullptr, "Open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace mUtils

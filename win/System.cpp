#include "win/System.h"

#include <objbase.h>

#include <string>

namespace win {
namespace {
bool g_comEntered = false;
}

void SearchSystemFolderOnly() {
  // Looked up, not imported: Windows 7 has it only with an update, and must still start.
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  if (auto set = reinterpret_cast<SetDirectories>(reinterpret_cast<void (*)()>(
          ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories"))))
    set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

FARPROC SystemProcedure(const char* library, const char* name) {
  HMODULE module = ::LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module && ::GetLastError() == ERROR_INVALID_PARAMETER) {
    // Windows 7 without the update knows no search flags: the full path in the system folder.
    char folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    module = ::LoadLibraryA((std::string(folder, length) + "\\" + library).c_str());
  }
  return module ? ::GetProcAddress(module, name) : nullptr;
}

bool EnterCom() {
  if (g_comEntered) return true;
  using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
  static const auto initialize = SystemProc<Initialize>("ole32.dll", "CoInitializeEx");
  // S_FALSE: already entered on this thread, and to be left as often as entered.
  g_comEntered = initialize &&
                 SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  return g_comEntered;
}

void LeaveCom() {
  if (!g_comEntered) return;
  using Uninitialize = void(WINAPI*)();
  static const auto uninitialize = SystemProc<Uninitialize>("ole32.dll", "CoUninitialize");
  if (uninitialize) uninitialize();
  g_comEntered = false;
}

}  // namespace win

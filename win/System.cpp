#include "win/System.h"

#include <objbase.h>

#include <string>

namespace win {
namespace {
thread_local bool g_comEntered = false;  // by this thread
}

void SearchSystemFolderOnly() {
  // Looked up, not imported: Windows 7 has it only with an update, and must still start.
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  if (auto set = reinterpret_cast<SetDirectories>(reinterpret_cast<void (*)()>(
          ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories"))))
    set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE SystemLibrary(const char* library) {
  HMODULE module = ::LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module && ::GetLastError() == ERROR_INVALID_PARAMETER) {
    // Windows 7 without the update knows no search flags: the full path in the system folder.
    char folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    module = ::LoadLibraryA((std::string(folder, length) + "\\" + library).c_str());
  }
  return module;
}

bool RunsOnWine() {
  return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

bool EnterCom() {
  // S_FALSE: already entered on this thread, and to be left as often as entered.
  if (!g_comEntered)
    g_comEntered =
        SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  return g_comEntered;
}

void LeaveCom() {
  if (g_comEntered) ::CoUninitialize();
  g_comEntered = false;
}

}  // namespace win

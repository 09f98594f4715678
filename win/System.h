// The system's own libraries, and nothing from beside the program: the program is portable and
// often run from a downloads folder, where Windows would look first for any library that is
// not one of its known ones, also for those that system libraries load on the program's
// behalf. Libraries the program itself needs now and then are loaded on first use, from the
// system folder. COM is entered on the window thread when first needed.
#pragma once

#include <windows.h>

namespace win {

// Keeps every later search for a library to the system folder. Called before anything else.
void SearchSystemFolderOnly();

// A library of the system folder, loaded on first use and kept for the run; nullptr where it
// can't be had.
HMODULE SystemLibrary(const char* library);

// A procedure of such a library as the type given (decltype(&::ShellExecuteA), say); nullptr
// where it can't be had.
template <typename Procedure>
Procedure SystemProcedure(const char* library, const char* name) {
  const HMODULE module = SystemLibrary(library);
  return module ? reinterpret_cast<Procedure>(
                      reinterpret_cast<void (*)()>(::GetProcAddress(module, name)))
                : nullptr;
}

// Whether the program runs under Wine, for repairs of Wine's own faults that would cost
// Windows for nothing.
bool RunsOnWine();

// COM on this thread, apartment-threaded without OLE 1.0 as the shell asks of its callers;
// entered once on first need, left at the end of the run.
bool EnterCom();
void LeaveCom();

}  // namespace win

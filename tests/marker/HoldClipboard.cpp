// Another program that holds the clipboard: opens it, puts "held" there as text, signals the
// event "VarneloClipboardHeld", keeps the clipboard open for the number of milliseconds given
// as its argument, then closes it.
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  const DWORD hold = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 1000;
  if (!::OpenClipboard(nullptr)) return 1;
  ::EmptyClipboard();
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 5);
  std::memcpy(::GlobalLock(block), "held", 5);
  ::GlobalUnlock(block);
  if (!::SetClipboardData(CF_TEXT, block)) ::GlobalFree(block);
  if (HANDLE held = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, "VarneloClipboardHeld")) {
    ::SetEvent(held);
    ::CloseHandle(held);
  }
  ::Sleep(hold);
  ::CloseClipboard();
  return 0;
}

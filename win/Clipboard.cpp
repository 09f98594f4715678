#include "win/Clipboard.h"

#include <cstring>

#include "win/Handles.h"

namespace win {

Clipboard::Clipboard(HWND owner, DWORD patienceMs) {
  const DWORD start = ::GetTickCount();
  while (!(open_ = ::OpenClipboard(owner) != FALSE)) {
    if (::GetTickCount() - start >= patienceMs) break;
    ::Sleep(10);
  }
}

Clipboard::~Clipboard() {
  if (open_) ::CloseClipboard();
}

void Clipboard::Empty() {
  if (open_) ::EmptyClipboard();
}

bool Clipboard::PutText(const std::string& text) {
  if (!open_) return false;
  UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!block) return false;
  void* bytes = ::GlobalLock(block.get());
  if (!bytes) return false;
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  ::GlobalUnlock(block.get());
  if (!::SetClipboardData(CF_TEXT, block.get())) return false;  // the block is freed here
  block.release();  // the clipboard owns it now
  return true;
}

}  // namespace win

#include "win/Clipboard.h"

#include <cstring>

#include "win/Controls.h"
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

namespace {

// Places one block of bytes in one format, followed by a NUL of `terminator` bytes; the
// clipboard owns the block once it took it.
bool PutBytes(UINT format, const void* data, size_t size, size_t terminator) {
  UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + terminator));
  if (!block) return false;
  void* bytes = ::GlobalLock(block.get());
  if (!bytes) return false;
  std::memcpy(bytes, data, size);
  ::GlobalUnlock(block.get());
  if (!::SetClipboardData(format, block.get())) return false;  // the block is freed here
  block.release();                                             // the clipboard owns it now
  return true;
}

}  // namespace

bool Clipboard::PutText(std::wstring_view text, const std::string& ansi) {
  if (!open_) return false;
  // The Unicode form first, so that every program pastes the characters themselves. A
  // clipboard that was not emptied may still hold an earlier text in its OEM form, which would
  // go on pasting that text: the OEM form is written too.
  if (!PutBytes(CF_UNICODETEXT, text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t)))
    return false;
  if (!PutBytes(CF_TEXT, ansi.data(), ansi.size(), 1)) return false;
  const std::string oem = ToAnsi(text, CP_OEMCP);
  PutBytes(CF_OEMTEXT, oem.data(), oem.size(), 1);
  return true;
}

}  // namespace win

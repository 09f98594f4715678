#include "win/Clipboard.h"

#include <cstring>
#include <vector>

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

// Places one block of bytes in one format; the clipboard owns the block once it took it.
bool PutBytes(UINT format, const void* data, size_t size) {
  UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, size));
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

bool Clipboard::PutText(const std::string& text) {
  if (!open_) return false;
  if (!PutBytes(CF_TEXT, text.c_str(), text.size() + 1)) return false;
  // A clipboard that was not emptied may still hold the earlier text in its Unicode or OEM
  // form: put there by a program that writes those, or made by the system from the earlier
  // plain text when a program asked for it. Either would go on pasting the earlier text, so
  // each form that is there is replaced by the new text; forms that are not there the system
  // still makes from the plain text on request.
  if (::IsClipboardFormatAvailable(CF_UNICODETEXT)) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length > 0) {
      std::vector<wchar_t> wide(static_cast<size_t>(length));
      ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
      PutBytes(CF_UNICODETEXT, wide.data(), wide.size() * sizeof(wchar_t));
    }
  }
  if (::IsClipboardFormatAvailable(CF_OEMTEXT)) {
    std::string oem(text.size() + 1, '\0');
    ::CharToOemBuffA(text.c_str(), oem.data(), static_cast<DWORD>(text.size()));
    PutBytes(CF_OEMTEXT, oem.c_str(), oem.size());
  }
  return true;
}

}  // namespace win

#include "win/Clipboard.h"

#include <cstring>
#include <vector>

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

// The formats of a picture, and a copy of one, made to outlive the emptying of the clipboard:
// a global block (a DIB), a GDI object, or a metafile (inside a global block for the old kind).
const UINT kPictureFormats[] = {CF_BITMAP,       CF_DIB,         CF_DIBV5,
                                CF_METAFILEPICT, CF_ENHMETAFILE, CF_PALETTE};

HANDLE CopyBlock(HANDLE block) {
  const void* from = ::GlobalLock(block);
  if (!from) return nullptr;
  const SIZE_T size = ::GlobalSize(block);
  UniqueGlobal copy(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (void* to = copy ? ::GlobalLock(copy.get()) : nullptr) {
    std::memcpy(to, from, size);
    ::GlobalUnlock(copy.get());
  } else {
    copy.reset();
  }
  ::GlobalUnlock(block);
  return copy.release();
}

HANDLE CopyPalette(HPALETTE palette) {
  WORD count = 0;
  if (!::GetObjectA(palette, sizeof count, &count) || count == 0) return nullptr;
  std::vector<BYTE> bytes(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
  auto* copy = reinterpret_cast<LOGPALETTE*>(bytes.data());
  copy->palVersion = 0x300;
  copy->palNumEntries = count;
  ::GetPaletteEntries(palette, 0, count, copy->palPalEntry);
  return ::CreatePalette(copy);
}

void FreePicture(UINT format, HANDLE data) {
  switch (format) {
    case CF_BITMAP:
    case CF_PALETTE:
      ::DeleteObject(data);
      return;
    case CF_ENHMETAFILE:
      ::DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
      return;
    case CF_METAFILEPICT:
      if (auto* picture = static_cast<METAFILEPICT*>(::GlobalLock(data))) {
        if (picture->hMF) ::DeleteMetaFile(picture->hMF);
        ::GlobalUnlock(data);
      }
      break;
  }
  ::GlobalFree(data);
}

HANDLE CopyPicture(UINT format, HANDLE data) {
  switch (format) {
    case CF_BITMAP:
      return ::CopyImage(data, IMAGE_BITMAP, 0, 0, 0);
    case CF_PALETTE:
      return CopyPalette(static_cast<HPALETTE>(data));
    case CF_ENHMETAFILE:
      return ::CopyEnhMetaFileA(static_cast<HENHMETAFILE>(data), nullptr);
    case CF_METAFILEPICT: {  // the block, and the metafile it names
      UniqueGlobal copy(CopyBlock(data));
      auto* picture = copy ? static_cast<METAFILEPICT*>(::GlobalLock(copy.get())) : nullptr;
      if (!picture) return nullptr;
      picture->hMF = ::CopyMetaFileA(picture->hMF, nullptr);
      const bool copied = picture->hMF != nullptr;
      ::GlobalUnlock(copy.get());
      return copied ? copy.release() : nullptr;
    }
    default:  // a DIB
      return CopyBlock(data);
  }
}

}  // namespace

void Clipboard::EmptyKeepingPictures() {
  if (!open_) return;
  std::vector<std::pair<UINT, HANDLE>> kept;
  for (UINT format : kPictureFormats)
    if (HANDLE data = ::IsClipboardFormatAvailable(format) ? ::GetClipboardData(format) : nullptr)
      if (HANDLE copy = CopyPicture(format, data)) kept.emplace_back(format, copy);
  ::EmptyClipboard();
  for (const auto& [format, copy] : kept)
    if (!::SetClipboardData(format, copy)) FreePicture(format, copy);  // else the clipboard's
}

bool Clipboard::PutText(std::wstring_view text) {
  if (!open_) return false;
  // The Unicode form first, so that every program pastes the characters themselves; the
  // plain text is the same text, and the system makes the OEM form from the first.
  const std::string ansi = ToAnsi(text);
  return PutBytes(CF_UNICODETEXT, text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t)) &&
         PutBytes(CF_TEXT, ansi.data(), ansi.size(), 1);
}

}  // namespace win

// The clipboard, opened for the life of one object.
#pragma once

#include <windows.h>

#include <string_view>

namespace win {

class Clipboard {
 public:
  // Another program may hold the clipboard for a moment: opening is retried for at most
  // `patienceMs`, then given up.
  explicit Clipboard(HWND owner, DWORD patienceMs = 250);
  ~Clipboard();
  Clipboard(const Clipboard&) = delete;
  Clipboard& operator=(const Clipboard&) = delete;

  bool IsOpen() const { return open_; }
  void Empty();
  // Empties the clipboard but for a picture on it (bitmaps, metafiles and a palette), which
  // is put back.
  void EmptyKeepingPictures();
  // Places the text as Unicode text and, in the process's code page, as plain text; true
  // when the clipboard took it.
  bool PutText(std::wstring_view text);

 private:
  bool open_ = false;
};

}  // namespace win

// Registry values read as text.
#pragma once

#include <windows.h>

#include <string>

namespace win {

enum class KeyValue {
  Read,     // the value was read (or, of a type not read as text, left as passed)
  Missing,  // no such key or value, no right to read it, or more than 1024 bytes
  Empty,    // a value of no bytes at all
};

// Reads one value of at most 1024 bytes as text: REG_SZ as its bytes less one final NUL,
// REG_DWORD as "&h" and hexadecimal digits. A value that is missing sets `value` to ""; one
// of another type, or of no bytes, leaves it as passed. `view` may ask for a view of
// HKLM\SOFTWARE other than the program's own (KEY_WOW64_64KEY).
KeyValue GetKeyValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                     std::string& value, REGSAM view = 0);

}  // namespace win

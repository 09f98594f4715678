#include "win/Registry.h"

#include <cstring>

#include "win/Handles.h"

namespace win {

KeyValue GetKeyValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                     std::string& value, REGSAM view) {
  constexpr DWORD kBufferSize = 1024;
  HKEY opened = nullptr;
  // Read rights only: a look-up must not fail for a user who may not write there.
  if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS) {
    value.clear();
    return KeyValue::Missing;
  }
  UniqueKey key(opened);
  BYTE buffer[kBufferSize] = {};
  DWORD size = kBufferSize;
  DWORD type = 0;
  if (::RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, buffer, &size) !=
      ERROR_SUCCESS) {
    value.clear();
    return KeyValue::Missing;
  }
  if (size == 0) return KeyValue::Empty;       // there is no last byte to look at
  if (size > kBufferSize) size = kBufferSize;  // never past what the buffer holds
  std::string text(reinterpret_cast<const char*>(buffer), size);
  if (text.back() == '\0') text.pop_back();  // only the one final NUL
  if (type == REG_SZ) {
    value = text;
  } else if (type == REG_DWORD) {
    DWORD number = 0;
    std::memcpy(&number, buffer, size < sizeof number ? size : sizeof number);
    char hex[16];
    ::wsprintfA(hex, "&h%lX", static_cast<unsigned long>(number));
    value = hex;
  }
  return KeyValue::Read;
}

}  // namespace win

// The system information launcher of the About dialog.
#include <cstring>
#include <string>

#include "dialogs/fAbout.h"
#include "shell/Product.h"
#include "win/Handles.h"

namespace {

const char kUnavailable[] = "System Information Is Unavailable At This Time";
const DWORD kValueBufferSize = 1024;

// Starts exactly the program file that the path names, in a normal window; the path is
// never split at a blank.
bool StartProgram(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
    return false;
  win::UniqueHandle process(started.hProcess), thread(started.hThread);  // not waited for
  return true;
}

// An ordinary file (not a folder, not hidden or system) of exactly that name.
bool IsOrdinaryFile(const std::string& path) {
  if (path.find_first_of("*?") != std::string::npos) return false;
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

}  // namespace

bool fAbout::GetKeyValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                         std::string& value) {
  HKEY opened = nullptr;
  // Read rights only: a look-up must not fail for a user who may not write there.
  if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    value.clear();
    return false;
  }
  win::UniqueKey key(opened);
  BYTE buffer[kValueBufferSize] = {};
  DWORD size = kValueBufferSize;
  DWORD type = 0;
  if (::RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, buffer, &size) !=
      ERROR_SUCCESS) {
    value.clear();
    return false;
  }
  if (size == 0) throw EmptyValue{};  // there is no last byte to look at
  if (size > kValueBufferSize) size = kValueBufferSize;  // never past what the buffer holds
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
  return true;
}

void fAbout::StartSysInfo() {
  std::string path;
  bool started = false;
  try {
    if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
      started = StartProgram(path);
    } else if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location",
                            "MSINFO", path) &&
               IsOrdinaryFile(path + "\\MSINFO32.EXE")) {
      path += "\\MSINFO32.EXE";
      started = StartProgram(path);
    }
  } catch (const EmptyValue&) {
    started = false;
  }
  if (!started) ::MessageBoxA(hwnd_, kUnavailable, product::kAppTitle, MB_OK);
}

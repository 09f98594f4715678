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

bool IsWow64() {
  BOOL wow64 = FALSE;
  return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

// File-system redirection of a 32-bit program on 64-bit Windows turned off for this thread,
// for a scope: System32 is the native one.
class NativeFileSystem {
 public:
  NativeFileSystem() : off_(::Wow64DisableWow64FsRedirection(&previous_) != FALSE) {}
  ~NativeFileSystem() {
    if (off_) ::Wow64RevertWow64FsRedirection(previous_);
  }
  NativeFileSystem(const NativeFileSystem&) = delete;
  NativeFileSystem& operator=(const NativeFileSystem&) = delete;

 private:
  PVOID previous_ = nullptr;
  bool off_;
};

// The two locations in one view of the registry: the path of the first is started as read,
// and only when it is missing is the folder of the second tried, if the tool is in it. A
// value of no bytes ends the look-up with nothing started.
bool StartSysInfoIn(REGSAM view) {
  std::string path;
  try {
    if (fAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                            path, view))
      return StartProgram(path);
    if (!fAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location",
                             "MSINFO", path, view))
      return false;
  } catch (const fAbout::EmptyValue&) {
    return false;
  }
  path += "\\MSINFO32.EXE";
  return IsOrdinaryFile(path) && StartProgram(path);
}

}  // namespace

bool fAbout::GetKeyValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                         std::string& value, REGSAM view) {
  HKEY opened = nullptr;
  // Read rights only: a look-up must not fail for a user who may not write there.
  if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS) {
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
  if (size == 0) throw EmptyValue{};                     // there is no last byte to look at
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
  bool started = StartSysInfoIn(0);
  if (!started && IsWow64()) {
    // This 32-bit program on 64-bit Windows reads the 32-bit view of the registry and sees
    // SysWOW64 as its System32, while the system registers the tool for 64-bit programs:
    // where its own view does not serve, the native view and the native folders do.
    NativeFileSystem native;
    started = StartSysInfoIn(KEY_WOW64_64KEY);
  }
  if (!started) ::MessageBoxA(hwnd_, kUnavailable, product::kAppTitle, MB_OK);
}

// The system information launcher of the About dialog.
#include <cctype>
#include <optional>
#include <string>

#include "dialogs/fAbout.h"
#include "resources/Product.h"
#include "win/Handles.h"
#include "win/Registry.h"

namespace {

const char kUnavailable[] = "System Information Is Unavailable At This Time";

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A drive letter with a separator after its colon, or a UNC path (two leading separators):
// Windows takes a slash for a backslash in either. Anything else (tool.exe, \tool.exe,
// C:tool.exe) the system would complete from the current drive or folder, which may be one the
// user can write to (a program run from a memory stick), so it is never tested or started.
bool IsFullPath(const std::string& path) {
  return (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
          IsSeparator(path[2])) ||
         (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]));
}

// File-system redirection of a 32-bit program on 64-bit Windows turned off for this thread,
// for a scope: System32 is the native one. Only around the file calls themselves: libraries
// can't be loaded while it is off.
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

// The program and the files it sees: those of the program's own view, or the native ones.
class Launcher {
  // One file call, made in the file system of this view: with redirection off around it where
  // the folders are the native ones.
  template <typename Call>
  auto CallInFileSystemOfView(Call call) const {
    std::optional<NativeFileSystem> redirection;
    if (native_) redirection.emplace();
    return call();
  }

 public:
  explicit Launcher(bool native) : native_(native) {}

  // Starts exactly the program file that the full path names, in a normal window; the path
  // is never split at a blank. Its current folder is its own, not this program's, which may
  // be one the user can write to.
  bool Start(const std::string& path) const {
    if (!IsFullPath(path) || path.find('\0') != std::string::npos) return false;
    std::string commandLine = "\"" + path + "\"";
    // With its last separator: a tool at the root of a drive gets C:\ and not C:, which
    // would be the drive's current folder.
    const std::string folder = path.substr(0, path.find_last_of("\\/") + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CallInFileSystemOfView([&] {
          return ::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, folder.c_str(), &startup, &started);
        }))
      return false;
    win::UniqueHandle process(started.hProcess), thread(started.hThread);  // not waited for
    return true;
  }

  // An ordinary file (not a folder, not hidden or system) of exactly that full path.
  bool IsOrdinaryFile(const std::string& path) const {
    if (!IsFullPath(path) || path.find_first_of("*?") != std::string::npos) return false;
    const DWORD attributes =
        CallInFileSystemOfView([&] { return ::GetFileAttributesA(path.c_str()); });
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  }

 private:
  bool native_;
};

bool IsWow64() {
  BOOL wow64 = FALSE;
  return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

// The two locations in one view of the registry: the path of the first is started as read,
// and only when it is missing is the folder of the second tried, if the tool is in it. A
// value of no bytes ends the look-up with nothing started.
bool StartSysInfoIn(REGSAM view) {
  const Launcher launcher(view == KEY_WOW64_64KEY);
  std::string path;
  switch (win::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                           path, view)) {
    case win::KeyValue::Read:
      return launcher.Start(path);
    case win::KeyValue::Empty:
      return false;
    case win::KeyValue::Missing:
      break;
  }
  if (win::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                       path, view) != win::KeyValue::Read)
    return false;
  path += "\\MSINFO32.EXE";
  return launcher.IsOrdinaryFile(path) && launcher.Start(path);
}

}  // namespace

void fAbout::StartSysInfo() {
  // This 32-bit program on 64-bit Windows reads the 32-bit view of the registry and sees
  // SysWOW64 as its System32, while the system registers the tool for 64-bit programs:
  // where its own view does not serve, the native view and the native folders do.
  const bool started = StartSysInfoIn(0) || (IsWow64() && StartSysInfoIn(KEY_WOW64_64KEY));
  if (!started) ::MessageBoxA(hwnd(), kUnavailable, product::kAppTitle, MB_OK);
}

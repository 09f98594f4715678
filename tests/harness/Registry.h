// What the launcher, web-site and fault tests change around the program and put back: the
// registry of the test prefix, environment variables, folders under the test program's own,
// and the marker program that records how it was started (and plays the system information tool).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/Handles.h"

namespace harness {

// A lock shared by the test programs that change the same registry values of the prefix,
// so that two of them running at once don't see each other's settings.
class NamedLock {
 public:
  explicit NamedLock(const char* name);
  ~NamedLock();
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;

 private:
  HANDLE mutex_ = nullptr;
};

// One registry value as it stands now; put back as it was when the object goes (or deleted
// if it was absent), and the keys that did not exist then are removed again. `view` is 0
// (this program's own view of HKLM\SOFTWARE), KEY_WOW64_64KEY or KEY_WOW64_32KEY.
class SavedRegistryValue {
 public:
  SavedRegistryValue(HKEY root, const std::string& key, const std::string& name, REGSAM view = 0);
  ~SavedRegistryValue();
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

 private:
  HKEY root_;
  std::string key_, name_;
  REGSAM view_;
  std::string firstMissingKey_;  // "" when the whole key path existed
  bool existed_ = false;
  DWORD type_ = 0;
  std::vector<BYTE> data_;
};

// A key opened with `access` (and KEY_WOW64_32KEY or KEY_WOW64_64KEY for a view), closed when
// the result goes; null when it can't be opened.
win::UniqueKey OpenRegistryKey(HKEY root, const std::string& key, REGSAM access);
// Writes one value, creating its key; `size` bytes of `data` exactly (0 allowed).
bool SetRegistryValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                      const void* data, DWORD size, REGSAM view = 0);
bool SetRegistryText(HKEY root, const std::string& key, const std::string& name,
                     const std::string& text, REGSAM view = 0);  // REG_SZ with its NUL
void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name,
                         REGSAM view = 0);
bool RegistryKeyExists(HKEY root, const std::string& key, REGSAM view = 0);

// An environment variable of this process (inherited by what it starts), set for a scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value);  // a null value removes it
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_, old_;
  bool had_ = false;
};

// A folder under the test program's folder, emptied; with a trailing backslash.
std::string FreshFolder(const std::string& name);
void RemoveTree(const std::string& folder);
// Copies the marker program (TestDir() + "marker.exe") to `path`, making its folders.
bool CopyMarkerTo(const std::string& path);
// The lines of a text file; none when it does not exist.
std::vector<std::string> ReadLines(const std::string& path);
// Pumps until the file holds at least `count` lines or `timeoutMs` has passed.
bool WaitForLines(const std::string& path, size_t count, DWORD timeoutMs = 10000);
// Pumps until every program this one started (a marker writes its line before it ends) has
// ended, or `timeoutMs` has passed; tells which. Wine's console host is not counted. Tests wait
// on it and then read the logs: a started copy that hangs under Wine is no fault of the program.
bool StartedProgramsEnded(DWORD timeoutMs = 10000);
std::string StripQuotes(const std::string& text);  // one pair of surrounding quotes

// Where the About dialog looks for the system information tool, in HKLM: the path in the first
// key's value PATH, else the folder in the second's value MSINFO.
inline constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

// The system information tool played by copies of the marker: both of its registry values
// (HKLM, in both views of SOFTWARE) removed for the object's life and then put back, under a
// lock shared by every test program that changes them; a fresh folder under the test
// program's for the copies; and the marker's log in it, named after this process so that no
// other run's line is ever counted.
struct SysInfoStandIn {
  explicit SysInfoStandIn(const std::string& folder);
  ~SysInfoStandIn();  // once whatever was started has ended, so a late start finds its log
  // A copy of the marker at `path`, named by the PATH value: what "&System Info..." starts.
  static bool Install(const std::string& path);

  NamedLock lock{"VarneloTestsMsinfoRegistry"};
  SavedRegistryValue saved[4] = {  // put back in reverse order
      {HKEY_LOCAL_MACHINE, kMsinfoKey, "PATH", KEY_WOW64_32KEY},
      {HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", KEY_WOW64_32KEY},
      {HKEY_LOCAL_MACHINE, kMsinfoKey, "PATH", KEY_WOW64_64KEY},
      {HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", KEY_WOW64_64KEY}};
  const std::string dir;  // with a trailing backslash
  const std::string log = dir + "started-" + std::to_string(::GetCurrentProcessId()) + ".log";
  ScopedEnvironment environment{"VARNELO_MARKER_LOG", log.c_str()};
};

}  // namespace harness

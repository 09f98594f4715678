#include "tests/harness/Registry.h"

#include <tlhelp32.h>

#include <cstring>
#include <fstream>

#include "tests/harness/Program.h"

namespace harness {

NamedLock::NamedLock(const char* name) : mutex_(::CreateMutexA(nullptr, FALSE, name)) {
  if (mutex_) ::WaitForSingleObject(mutex_, 120000);  // an abandoned lock is taken too
}

NamedLock::~NamedLock() {
  if (!mutex_) return;
  ::ReleaseMutex(mutex_);
  ::CloseHandle(mutex_);
}

win::UniqueKey OpenRegistryKey(HKEY root, const std::string& key, REGSAM access) {
  HKEY opened = nullptr;
  return win::UniqueKey(
      ::RegOpenKeyExA(root, key.c_str(), 0, access, &opened) == ERROR_SUCCESS ? opened : nullptr);
}

namespace {
bool ReadValue(HKEY root, const std::string& key, const std::string& name, REGSAM view, DWORD& type,
               std::vector<BYTE>& data) {
  const win::UniqueKey opened = OpenRegistryKey(root, key, KEY_QUERY_VALUE | view);
  if (!opened) return false;
  DWORD size = 0;
  LONG result = ::RegQueryValueExA(opened.get(), name.c_str(), nullptr, &type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    data.assign(size, 0);
    result = ::RegQueryValueExA(opened.get(), name.c_str(), nullptr, &type,
                                data.empty() ? nullptr : data.data(), &size);
    data.resize(size);
  }
  return result == ERROR_SUCCESS;
}
}  // namespace

bool RegistryKeyExists(HKEY root, const std::string& key, REGSAM view) {
  return static_cast<bool>(OpenRegistryKey(root, key, KEY_QUERY_VALUE | view));
}

SavedRegistryValue::SavedRegistryValue(HKEY root, const std::string& key, const std::string& name,
                                       REGSAM view)
    : root_(root), key_(key), name_(name), view_(view) {
  for (size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
    if (!RegistryKeyExists(root, key.substr(0, end), view)) {
      firstMissingKey_ = key.substr(0, end);
      break;
    }
    if (end == std::string::npos) break;
  }
  existed_ = firstMissingKey_.empty() && ReadValue(root, key, name, view, type_, data_);
}

SavedRegistryValue::~SavedRegistryValue() {
  if (!firstMissingKey_.empty()) {
    // Through its parent, opened in the same view.
    const size_t cut = firstMissingKey_.rfind('\\');
    const win::UniqueKey parent =
        OpenRegistryKey(root_, cut == std::string::npos ? "" : firstMissingKey_.substr(0, cut),
                        KEY_ALL_ACCESS | view_);
    if (parent)
      ::RegDeleteTreeA(parent.get(),
                       firstMissingKey_.substr(cut == std::string::npos ? 0 : cut + 1).c_str());
    return;
  }
  if (existed_) {
    SetRegistryValue(root_, key_, name_, type_, data_.data(), static_cast<DWORD>(data_.size()),
                     view_);
  } else {
    DeleteRegistryValue(root_, key_, name_, view_);
  }
}

bool SetRegistryValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                      const void* data, DWORD size, REGSAM view) {
  HKEY created = nullptr;
  if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
    return false;
  LONG result =
      ::RegSetValueExA(created, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  ::RegCloseKey(created);
  return result == ERROR_SUCCESS;
}

bool SetRegistryText(HKEY root, const std::string& key, const std::string& name,
                     const std::string& text, REGSAM view) {
  return SetRegistryValue(root, key, name, REG_SZ, text.c_str(),
                          static_cast<DWORD>(text.size() + 1), view);
}

void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name, REGSAM view) {
  if (const win::UniqueKey opened = OpenRegistryKey(root, key, KEY_SET_VALUE | view))
    ::RegDeleteValueA(opened.get(), name.c_str());
}

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
  char old[32767];
  DWORD length = ::GetEnvironmentVariableA(name, old, sizeof old);
  had_ = length > 0 && length < sizeof old;
  if (had_) old_.assign(old, length);
  ::SetEnvironmentVariableA(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
  ::SetEnvironmentVariableA(name_.c_str(), had_ ? old_.c_str() : nullptr);
}

void RemoveTree(const std::string& folder) {
  std::string base = folder;
  if (!base.empty() && base.back() != '\\') base += '\\';
  WIN32_FIND_DATAA entry;
  HANDLE search = ::FindFirstFileA((base + "*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = base + name;
      ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        ::DeleteFileA(path.c_str());
      }
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
  }
  ::RemoveDirectoryA(base.c_str());
}

namespace {
void MakeFolders(const std::string& folder) {
  for (size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1))
    ::CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
  ::CreateDirectoryA(folder.c_str(), nullptr);
}
}  // namespace

std::string FreshFolder(const std::string& name) {
  std::string folder = TestDir() + name + "\\";
  RemoveTree(folder);
  MakeFolders(folder.substr(0, folder.size() - 1));
  return folder;
}

bool CopyMarkerTo(const std::string& path) {
  MakeFolders(path.substr(0, path.find_last_of('\\')));
  return ::CopyFileA((TestDir() + "marker.exe").c_str(), path.c_str(), FALSE) != FALSE;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool WaitForLines(const std::string& path, size_t count, DWORD timeoutMs) {
  return PumpUntil([&] { return ReadLines(path).size() >= count; }, timeoutMs);
}

namespace {
bool AnyStartedProgramRuns() {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  bool runs = false;
  for (BOOL more = ::Process32First(snapshot, &entry); more && !runs;
       more = ::Process32Next(snapshot, &entry))
    runs = entry.th32ParentProcessID == ::GetCurrentProcessId() &&
           _stricmp(entry.szExeFile, "conhost.exe") != 0;
  ::CloseHandle(snapshot);
  return runs;
}
}  // namespace

bool StartedProgramsEnded(DWORD timeoutMs) {
  return PumpUntil([] { return !AnyStartedProgramRuns(); }, timeoutMs);
}

SysInfoStandIn::SysInfoStandIn(const std::string& folder) : dir(FreshFolder(folder)) {
  for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
    DeleteRegistryValue(HKEY_LOCAL_MACHINE, kMsinfoKey, "PATH", view);
    DeleteRegistryValue(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", view);
  }
}

SysInfoStandIn::~SysInfoStandIn() {
  StartedProgramsEnded();
  RemoveTree(dir);
}

bool SysInfoStandIn::Install(const std::string& path) {
  return CopyMarkerTo(path) && SetRegistryText(HKEY_LOCAL_MACHINE, kMsinfoKey, "PATH", path);
}

std::string StripQuotes(const std::string& text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

}  // namespace harness

#include "tests/harness/Browser.h"

#include "resources/Product.h"

namespace harness {

namespace {
const std::string kBackupKey = "Software\\VarneloTests\\SchemeBackup",
                  kSaved = kBackupKey + "\\scheme";

bool CopyKey(HKEY root, const std::string& from, const std::string& to) {
  HKEY target = nullptr;
  if (::RegCreateKeyA(root, to.c_str(), &target) != ERROR_SUCCESS) return false;
  const bool done = ::RegCopyTreeA(root, from.c_str(), target) == ERROR_SUCCESS;
  ::RegCloseKey(target);
  return done;
}

// The scheme's registration as the backup holds it, the backup removed.
void Restore(HKEY root) {
  ::RegDeleteTreeA(root, Browser::SchemeKey().c_str());
  if (RegistryKeyExists(root, kSaved) && !CopyKey(root, kSaved, Browser::SchemeKey())) return;
  ::RegDeleteTreeA(root, kBackupKey.c_str());
  ::RegDeleteKeyA(root, "Software\\VarneloTests");  // only when nothing else is left in it
}

bool Save(HKEY root) {
  if (RegistryKeyExists(root, kBackupKey)) Restore(root);
  return SetRegistryText(root, kBackupKey, "", "") &&  // the backup exists
         (!RegistryKeyExists(root, Browser::SchemeKey()) ||
          CopyKey(root, Browser::SchemeKey(), kSaved));
}
}  // namespace

Browser::Browser()
    : dir(FreshFolder(std::string("browser_") +
                      testing::UnitTest::GetInstance()->current_test_info()->name())) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) saved_ = Save(root) && saved_;
}

Browser::~Browser() {
  StartedProgramsEnded();  // a late request still finds its log
  RemoveTree(dir);
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) Restore(root);
}

testing::AssertionResult Browser::Install() {
  if (!saved_) return testing::AssertionFailure() << "the scheme's registration was not saved";
  if (::GetFileAttributesA(log.c_str()) != INVALID_FILE_ATTRIBUTES)
    return testing::AssertionFailure() << "a log is there already: " << log;
  if (!CopyMarkerTo(path) || !RegisterBrowser(path))
    return testing::AssertionFailure() << "no browser registered at " << path;
  return testing::AssertionSuccess();
}

testing::AssertionResult Browser::Requested(size_t count) const {
  WaitForLines(log, count);
  StartedProgramsEnded();  // and no more than that
  const std::vector<std::string> lines = Requests();
  for (const std::string& line : lines)
    if (ArgumentsOf(line) != std::string("\"") + product::kMakerUrl + "\"")
      return testing::AssertionFailure() << "not the maker's address alone: " << line;
  if (lines.size() == count) return testing::AssertionSuccess();
  return testing::AssertionFailure() << lines.size() << " requests, not " << count;
}

std::string Browser::SchemeKey() {
  const std::string url = product::kMakerUrl;
  return "Software\\Classes\\" + url.substr(0, url.find(':'));
}

bool Browser::Register(const std::string& verb, const std::string& command, bool asDefault) {
  bool ok = true;
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    ok = SetRegistryText(root, SchemeKey(), "URL Protocol", "") && ok;
    ok = SetRegistryText(root, SchemeKey() + "\\shell\\" + verb + "\\command", "", command) && ok;
    if (asDefault) ok = SetRegistryText(root, SchemeKey() + "\\shell", "", verb) && ok;
  }
  return ok;
}

bool Browser::RegisterBrowser(const std::string& program) {
  return Register("open", "\"" + program + "\" \"%1\"");
}

std::string ArgumentsOf(const std::string& line) {
  size_t end = line.front() == '"' ? line.find('"', 1) + 1 : line.find(' ');
  if (end == 0 || end == std::string::npos || end > line.size()) return "";
  size_t start = line.find_first_not_of(' ', end);
  return start == std::string::npos ? "" : line.substr(start);
}

}  // namespace harness

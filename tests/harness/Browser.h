// The browser that the web button's address reaches, for the life of the object: a copy of the
// marker program in a fresh folder, registered for the address's scheme, logging each request.
// Windows prefers the user's registration (HKCU) to the machine's; Wine 8 reads only the
// machine's (HKLM\Software\Classes, seen here: a registration under HKCU alone still started
// Wine's own browser), so it is registered in both. The scheme's registration under each root
// is kept in a backup key and put back afterwards (or first, when an interrupted run left it).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/harness/Registry.h"

namespace harness {

class Browser {
  NamedLock lock_{"VarneloTestsWebRegistry"};  // the programs that change the scheme take turns
  bool saved_ = true;

 public:
  Browser();
  ~Browser();

  // Copies the marker program and registers it, the registration saved and no log there yet.
  testing::AssertionResult Install();
  // Waits for `count` requests and for the programs started to end: exactly that many, each
  // with the maker's address alone as its argument.
  testing::AssertionResult Requested(size_t count) const;
  std::vector<std::string> Requests() const { return ReadLines(log); }

  static std::string SchemeKey();  // of "https" for "https://...", under either root
  // The command of a verb under both roots, made the scheme's default verb where asked.
  static bool Register(const std::string& verb, const std::string& command, bool asDefault = false);
  static bool RegisterBrowser(const std::string& program);  // as the "open" command

  const std::string dir, path = dir + "browser.exe",
                         log = dir + "requests-" + std::to_string(::GetCurrentProcessId()) + ".log";

 private:
  ScopedEnvironment environment_{"VARNELO_MARKER_LOG", log.c_str()};
};

// The arguments of a logged command line after the program's name.
std::string ArgumentsOf(const std::string& line);

}  // namespace harness

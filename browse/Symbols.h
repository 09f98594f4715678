// What a code means: codes 1 to 255 are read in one legacy code page, chosen once a run, and
// the views are given their characters in Unicode. The platform's controls would otherwise
// read them through the process's ANSI code page, which Windows' option "Use Unicode UTF-8
// for worldwide language support" makes UTF-8, where no single byte from 128 up is a
// character: every one of them would show as U+FFFD.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace mSymbols {

// One character of the code page: its code as bytes (one, or a lead byte and the byte after
// it), and its text in Unicode. (Held without std::wstring, whose instantiation in the C++
// runtime would add tens of KB to the program.)
struct Symbol {
  std::string code;
  wchar_t characters[3] = {};  // one, or two where a code page gives two; NUL-terminated
  std::wstring_view text() const { return characters; }
  bool operator==(const Symbol& other) const {
    return code == other.code && text() == other.text();
  }
};

// The process's ANSI code page, or, where that is UTF-8, the legacy one that the system's
// locale would have had without the option. Found on first use and kept for the run.
UINT CodePage();

// What the system says: the process's code page, the system locale's legacy code page under
// UTF-8 and its default ANSI code page (0 where a query fails), and its language.
struct SystemAnswers {
  UINT process, utf8Legacy, localeDefault;
  LANGID language;
};
// The code page of the codes from those answers: where neither query names a legacy code
// page, the classic one of the language (1252 for most).
UINT ChooseCodePage(const SystemAnswers& system);

// Codes 1 to 255 in ascending order as one text reads them: in a double-byte code page a lead
// byte and the code after it are one character.
std::vector<Symbol> InOrder();
// The character of one code from 1 to 255 alone, as a row of the Symbol List shows it; made
// once a run, for every fill of the list.
const Symbol& Of(int code);

}  // namespace mSymbols

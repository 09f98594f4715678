#include "browse/Symbols.h"

#include "win/Controls.h"

namespace mSymbols {
namespace {

// Newer than the headers the program is built against: a locale's legacy ANSI code page on
// a system set to UTF-8.
constexpr LCTYPE kUtf8LegacyAnsiCodePage = 0x666;  // LOCALE_IUSEUTF8LEGACYACP

// A code page of characters of one or two bytes.
bool IsLegacy(UINT codePage) {
  CPINFO info{};
  return codePage != 0 && codePage != CP_UTF7 && codePage != CP_UTF8 &&
         ::IsValidCodePage(codePage) && ::GetCPInfo(codePage, &info) && info.MaxCharSize <= 2;
}

// A number of the system's locale; 0 where it has none.
UINT SystemLocaleNumber(LCTYPE type) {
  DWORD value = 0;
  return ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type | LOCALE_RETURN_NUMBER,
                          reinterpret_cast<LPSTR>(&value), sizeof value)
             ? value
             : 0;
}

UINT Choose() {
  const UINT process = ::GetACP();
  if (process != CP_UTF8) return process;
  // Windows 11 answers the first; elsewhere the locale's own code page may itself say UTF-8,
  // or nothing for a locale that never had a legacy one.
  for (UINT candidate : {SystemLocaleNumber(kUtf8LegacyAnsiCodePage),
                         SystemLocaleNumber(LOCALE_IDEFAULTANSICODEPAGE)})
    if (IsLegacy(candidate)) return candidate;
  return 1252;
}

Symbol Read(std::string code) {
  Symbol symbol{std::move(code)};
  const int length =
      ::MultiByteToWideChar(CodePage(), 0, symbol.code.data(), static_cast<int>(symbol.code.size()),
                            symbol.characters, 2);
  symbol.characters[length > 0 ? length : 0] = L'\0';
  return symbol;
}

}  // namespace

UINT CodePage() {
  static const UINT codePage = Choose();
  return codePage;
}

std::vector<Symbol> InOrder() {
  std::vector<Symbol> symbols;
  for (int code = 1; code <= 255; ++code) {
    std::string bytes(1, static_cast<char>(code));
    if (code < 255 && ::IsDBCSLeadByteEx(CodePage(), static_cast<BYTE>(code)))
      bytes += static_cast<char>(++code);
    symbols.push_back(Read(std::move(bytes)));
  }
  return symbols;
}

const Symbol& Of(int code) {
  static const std::vector<Symbol> alone = [] {
    std::vector<Symbol> symbols;
    for (int c = 1; c <= 255; ++c) symbols.push_back(Read(std::string(1, static_cast<char>(c))));
    return symbols;
  }();
  return alone[static_cast<size_t>(code - 1)];
}

std::string InProcessCodePage(const Symbol& symbol) {
  return CodePage() == ::GetACP() ? symbol.code : win::ToAnsi(symbol.text());
}

}  // namespace mSymbols

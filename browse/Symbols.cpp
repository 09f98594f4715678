#include "browse/Symbols.h"

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

// A language and the ANSI code page Windows gave it before UTF-8. A sublanguage of 0 stands
// for each one not named before it; a language not named at all had 1252.
struct Classic {
  WORD language, sublanguage;
  UINT codePage;
};
// clang-format off
constexpr Classic kClassic[] = {
    {LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL, 950}, {LANG_CHINESE, SUBLANG_CHINESE_HONGKONG, 950},
    {LANG_CHINESE, SUBLANG_CHINESE_MACAU, 950}, {LANG_CHINESE, 0, 936}, {LANG_JAPANESE, 0, 932},
    {LANG_KOREAN, 0, 949}, {LANG_THAI, 0, 874}, {LANG_VIETNAMESE, 0, 1258}, {LANG_GREEK, 0, 1253},
    {LANG_HEBREW, 0, 1255}, {LANG_ARABIC, 0, 1256}, {LANG_PERSIAN, 0, 1256}, {LANG_URDU, 0, 1256},
    {LANG_ESTONIAN, 0, 1257}, {LANG_LATVIAN, 0, 1257}, {LANG_LITHUANIAN, 0, 1257},
    {LANG_AZERI, SUBLANG_AZERI_CYRILLIC, 1251}, {LANG_UZBEK, SUBLANG_UZBEK_CYRILLIC, 1251},
    {LANG_TURKISH, 0, 1254}, {LANG_AZERI, 0, 1254}, {LANG_UZBEK, 0, 1254},
    {LANG_RUSSIAN, 0, 1251}, {LANG_UKRAINIAN, 0, 1251}, {LANG_BELARUSIAN, 0, 1251},
    {LANG_BULGARIAN, 0, 1251}, {LANG_MACEDONIAN, 0, 1251}, {LANG_KAZAK, 0, 1251},
    {LANG_KYRGYZ, 0, 1251}, {LANG_TATAR, 0, 1251}, {LANG_TAJIK, 0, 1251}, {LANG_BASHKIR, 0, 1251},
    {LANG_YAKUT, 0, 1251}, {LANG_MONGOLIAN, SUBLANG_MONGOLIAN_CYRILLIC_MONGOLIA, 1251},
    // Serbian, Croatian and Bosnian share one number: the Cyrillic ones 1251, the Latin 1250.
    {LANG_SERBIAN, SUBLANG_SERBIAN_CYRILLIC, 1251}, {LANG_SERBIAN, SUBLANG_SERBIAN_SERBIA_CYRILLIC, 1251},
    {LANG_SERBIAN, SUBLANG_SERBIAN_MONTENEGRO_CYRILLIC, 1251},
    {LANG_SERBIAN, SUBLANG_SERBIAN_BOSNIA_HERZEGOVINA_CYRILLIC, 1251},
    {LANG_SERBIAN, SUBLANG_BOSNIAN_BOSNIA_HERZEGOVINA_CYRILLIC, 1251}, {LANG_SERBIAN, 0, 1250},
    {LANG_POLISH, 0, 1250}, {LANG_CZECH, 0, 1250}, {LANG_SLOVAK, 0, 1250}, {LANG_HUNGARIAN, 0, 1250},
    {LANG_SLOVENIAN, 0, 1250}, {LANG_ROMANIAN, 0, 1250}, {LANG_ALBANIAN, 0, 1250},
    {LANG_TURKMEN, 0, 1250}};
// clang-format on

UINT ClassicCodePage(LANGID language) {
  for (const Classic& c : kClassic)
    if (PRIMARYLANGID(language) == c.language &&
        (c.sublanguage == 0 || SUBLANGID(language) == c.sublanguage))
      return c.codePage;
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

UINT ChooseCodePage(const SystemAnswers& system) {
  if (system.process != CP_UTF8) return system.process;
  // Windows 11 and recent builds of Windows 10 answer the first; elsewhere the locale's own
  // code page may itself say UTF-8, or nothing for a locale that never had a legacy one, and
  // the language tells.
  for (UINT candidate : {system.utf8Legacy, system.localeDefault})
    if (IsLegacy(candidate)) return candidate;
  return ClassicCodePage(system.language);
}

UINT CodePage() {
  static const UINT codePage = ChooseCodePage(
      {::GetACP(), SystemLocaleNumber(kUtf8LegacyAnsiCodePage),
       SystemLocaleNumber(LOCALE_IDEFAULTANSICODEPAGE), LANGIDFROMLCID(::GetSystemDefaultLCID())});
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

}  // namespace mSymbols

#pragma once
// The seven languages the module comes in, in the order the language dialog lists them. Each
// has a library of its own beside the executable, named after it with the code appended
// (RvProcesessDE.dll). Every window that names a language reads it from here.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace i18n {

// The round flag a language is shown by (the pictures are drawn from code).
enum class Flag { kCzech, kGerman, kBritish, kSpanish, kFrench, kItalian, kRussian };

struct Language {
  const char* code;          // stored in the ini file; ends the library's file name
  std::uint16_t primary_id;  // the system's primary language id: the low 10 bits of a LANGID
  const char* label;         // beside the language's button in the language dialog
  Flag flag;
  const char* about_title;  // the About dialog's title while the module runs in the language
};

inline constexpr std::array<Language, 7> kLanguages = {{
    {"CSY", 5, "CZ", Flag::kCzech, "O Aplikaci"},
    {"DE", 7, "DE", Flag::kGerman,
     "\xC3\x9C"
     "ber Applikacion"},
    {"EN", 9, "EN", Flag::kBritish, "About"},
    {"ES", 10, "ES", Flag::kSpanish, "Sobre aplicati\xC3\xB3n"},
    {"FR", 12, "FR", Flag::kFrench, "About"},
    {"IT", 16, "IT", Flag::kItalian, "About"},
    {"RUS", 25, "RU", Flag::kRussian, "About"},
}};

// The language of a system without a library of its own, and of any code the table lacks.
inline constexpr char kFallbackLanguage[] = "EN";

// The language of `code`, matched exactly ("de" is none of them); null for any other code.
constexpr const Language* FindLanguage(std::string_view code) {
  for (const Language& language : kLanguages)
    if (code == language.code) return &language;
  return nullptr;
}

// The language of `code`; English for a code the table lacks.
constexpr const Language& LanguageOf(std::string_view code) {
  const Language* found = FindLanguage(code);
  return found ? *found : *FindLanguage(kFallbackLanguage);
}

// The code of a system language id: its primary language's, "EN" for one without a library.
inline std::string LanguageCodeOf(std::uint16_t lang_id) {
  for (const Language& language : kLanguages)
    if ((lang_id & 0x3FF) == language.primary_id) return language.code;
  return kFallbackLanguage;
}

}  // namespace i18n

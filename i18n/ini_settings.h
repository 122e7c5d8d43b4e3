#pragma once
// One-value access to the module's ini file, with "<Error>" standing for an absent value.
#include <string>

#include "platform/ini_files.h"

namespace i18n {

inline constexpr char kIniAbsent[] = "<Error>";
inline constexpr char kOptionsSection[] = "Options";
inline constexpr char kLanguageKey[] = "Language";
inline constexpr char kRunLangKey[] = "RunLang";

// False when the file cannot be read or the key is absent; otherwise the value (maybe "").
bool ReadIniString(platform::IniFiles& ini, const std::string& path, const std::string& section,
                   const std::string& key, std::string& value);
bool WriteIniString(platform::IniFiles& ini, const std::string& path, const std::string& section,
                    const std::string& key, const std::string& value);

// `path` with its extension replaced by `extension` (which includes the dot), or with
// `extension` appended when the file name has none.
std::string ChangeFileExt(const std::string& path, const std::string& extension);

}  // namespace i18n

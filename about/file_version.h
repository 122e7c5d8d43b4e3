#pragma once
// A file's version resource, read whole when the file name or ForceEXE is set: its fixed part,
// its translations and the string values under the translation in use.
#include <cstdint>
#include <string>
#include <vector>

#include "about/version_number.h"
#include "platform/program_environment.h"
#include "platform/version_info.h"

namespace about {

// String keys of the version resource, by key index.
enum VersionKey {
  kCompanyName,
  kFileDescription,
  kFileVersion,
  kInternalName,
  kLegalCopyright,
  kLegalTrademarks,
  kOriginalFilename,
  kProductName,
  kProductVersion,
  kComments,
  kBuildFlags,
};
inline constexpr const char* kVersionKeys[] = {
    "CompanyName",    "FileDescription", "FileVersion",      "InternalName",
    "LegalCopyright", "LegalTrademarks", "OriginalFilename", "ProductName",
    "ProductVersion", "Comments",        "BuildFlags",
};
// The translation looked up when the resource lists none: U.S. English, Windows-1252.
inline constexpr char kDefaultTranslation[] = "040904E4";

class TFileVersion {
 public:
  TFileVersion(platform::ProgramEnvironment& kernel, platform::VersionInfo& versions);

  // The file read; empty means the running executable.
  const std::string& Filename() const { return filename_; }
  void SetFilename(const std::string& filename);
  bool ForceEXE() const { return force_exe_; }
  void SetForceEXE(bool force);

  // The value of key `key` (a VersionKey) under the translation in use; "" when the resource or
  // the value is missing.
  std::string Value(int key);
  std::string CompanyName() { return Value(kCompanyName); }
  std::string FileDescription() { return Value(kFileDescription); }
  std::string InternalName() { return Value(kInternalName); }
  std::string LegalCopyright() { return Value(kLegalCopyright); }
  std::string LegalTrademarks() { return Value(kLegalTrademarks); }
  std::string OriginalFilename() { return Value(kOriginalFilename); }
  std::string ProductName() { return Value(kProductName); }
  std::string Comments() { return Value(kComments); }

  // "LLLLCCCC" per translation listed: language and code page in hexadecimal.
  const std::vector<std::string>& Translations() const { return translations_; }
  std::size_t TranslationIndex() const { return translation_index_; }
  const TVersionNumber& FileVersion() const { return file_version_; }
  const TVersionNumber& ProductVersion() const { return product_version_; }

 private:
  void ReadResource();
  bool Query(const std::string& sub_block, std::vector<std::uint8_t>& value);

  platform::ProgramEnvironment& kernel_;
  platform::VersionInfo& versions_;
  std::string filename_;
  bool force_exe_ = false;
  std::vector<std::uint8_t> resource_;  // empty: no resource
  std::vector<std::string> translations_;
  std::size_t translation_index_ = 0;
  TVersionNumber file_version_;
  TVersionNumber product_version_;
};

}  // namespace about

#include "about/file_version.h"

#include <algorithm>
#include <cstdio>

namespace about {
namespace {

// Little-endian words of a block; bytes past its end read as zero.
std::uint32_t WordAt(const std::vector<std::uint8_t>& block, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i)
    if (at + i < block.size()) value |= static_cast<std::uint32_t>(block[at + i]) << (8 * i);
  return value;
}

std::string Translation(std::uint32_t language, std::uint32_t code_page) {
  char text[16];
  std::snprintf(text, sizeof text, "%.4X%.4X", language & 0xFFFF, code_page & 0xFFFF);
  return text;
}

constexpr std::uint32_t kUsEnglish = 1033;
// Offsets of the version words in the fixed part (VS_FIXEDFILEINFO).
constexpr std::size_t kFileVersionAt = 8;
constexpr std::size_t kProductVersionAt = 16;
constexpr std::size_t kFixedPartNeeded = 24;

}  // namespace

TFileVersion::TFileVersion(platform::ProgramEnvironment& kernel, platform::VersionInfo& versions)
    : kernel_(kernel), versions_(versions) {}

void TFileVersion::SetFilename(const std::string& filename) {
  filename_ = filename;
  ReadResource();
}

void TFileVersion::SetForceEXE(bool force) {
  force_exe_ = force;
  ReadResource();
}

bool TFileVersion::Query(const std::string& sub_block, std::vector<std::uint8_t>& value) {
  return !resource_.empty() && versions_.VerQueryValue(resource_, sub_block, value);
}

void TFileVersion::ReadResource() {
  translations_.clear();
  resource_.clear();
  file_version_ = {};
  product_version_ = {};
  // This program is never a library, so the executable's name and the module's own are one:
  // ForceEXE changes nothing about which file is read.
  const std::string file = filename_.empty() ? kernel_.GetModuleFileName() : filename_;
  const std::uint32_t size = versions_.GetFileVersionInfoSize(file);
  if (size == 0) return;
  resource_.assign(size, 0);
  if (!versions_.GetFileVersionInfo(file, resource_)) {
    resource_.clear();
    return;
  }
  std::vector<std::uint8_t> fixed;
  const bool has_fixed = Query("\\", fixed) && fixed.size() >= kFixedPartNeeded;
  std::vector<std::uint8_t> table;
  if (Query("\\VarFileInfo\\Translation", table)) {
    for (std::size_t at = 0; at + 4 <= table.size(); at += 4)
      translations_.push_back(Translation(WordAt(table, at, 2), WordAt(table, at + 2, 2)));
    if (!table.empty() && table.size() < 4)
      translations_.push_back(Translation(kUsEnglish, WordAt(table, 0, 2)));
  }
  if (translation_index_ >= translations_.size()) translation_index_ = 0;
  if (has_fixed) {
    file_version_ = {true, WordAt(fixed, kFileVersionAt, 4), WordAt(fixed, kFileVersionAt + 4, 4),
                     Value(kFileVersion)};
    product_version_ = {true, WordAt(fixed, kProductVersionAt, 4),
                        WordAt(fixed, kProductVersionAt + 4, 4), Value(kProductVersion)};
  }
}

std::string TFileVersion::Value(int key) {
  if (resource_.empty() || key < 0 || key > kBuildFlags) return "";
  const std::string translation =
      translations_.empty() ? kDefaultTranslation : translations_[translation_index_];
  std::vector<std::uint8_t> value;
  if (!Query("\\StringFileInfo\\" + translation + "\\" + kVersionKeys[key], value)) return "";
  return std::string(value.begin(), std::find(value.begin(), value.end(), 0));
}

}  // namespace about

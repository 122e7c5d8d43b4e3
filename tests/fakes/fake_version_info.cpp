#include "tests/fakes/fake_version_info.h"

namespace fakes {
namespace {

void PutWord(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

void FakeVersionInfo::SetString(const std::string& file, const std::string& translation,
                                const std::string& key, const std::string& value) {
  std::vector<std::uint8_t> bytes(value.begin(), value.end());
  bytes.push_back(0);
  files[file]["\\StringFileInfo\\" + translation + "\\" + key] = bytes;
}

void FakeVersionInfo::SetTranslations(
    const std::string& file, const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs) {
  std::vector<std::uint8_t> bytes;
  for (auto [language, code_page] : pairs)
    PutWord(bytes, language, 2), PutWord(bytes, code_page, 2);
  files[file]["\\VarFileInfo\\Translation"] = bytes;
}

void FakeVersionInfo::SetFixed(const std::string& file, std::uint32_t file_ms,
                               std::uint32_t file_ls, std::uint32_t product_ms,
                               std::uint32_t product_ls) {
  std::vector<std::uint8_t> bytes;
  for (std::uint32_t word : {0xFEEF04BDu, 0x10000u, file_ms, file_ls, product_ms, product_ls})
    PutWord(bytes, word, 4);
  bytes.resize(52);
  files[file]["\\"] = bytes;
}

std::uint32_t FakeVersionInfo::GetFileVersionInfoSizeA(const std::string& file) {
  return files.contains(file) ? 64 : 0;
}

bool FakeVersionInfo::GetFileVersionInfoA(const std::string& file,
                                          std::vector<std::uint8_t>& data) {
  if (!files.contains(file)) return false;
  read_ = file;
  data.assign(data.size(), 0xAB);
  return true;
}

bool FakeVersionInfo::VerQueryValueA(std::vector<std::uint8_t>&, const std::string& sub_block,
                                     std::vector<std::uint8_t>& value) {
  queries.push_back(sub_block);
  auto f = files.find(read_);
  if (f == files.end()) return false;
  auto b = f->second.find(sub_block);
  if (b == f->second.end()) return false;
  value = b->second;
  return true;
}

}  // namespace fakes

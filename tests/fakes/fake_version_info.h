#pragma once
// Version resources as data: per file, the bytes of each block by its query path. A query
// answers from the file read last, as a resource buffer stands for that file.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/version_info.h"

namespace fakes {

class FakeVersionInfo : public platform::VersionInfo {
 public:
  using Blocks = std::map<std::string, std::vector<std::uint8_t>>;
  std::map<std::string, Blocks> files;
  std::vector<std::string> queries;  // sub-blocks asked for, in order

  // A string value, stored with its terminating NUL.
  void SetString(const std::string& file, const std::string& translation, const std::string& key,
                 const std::string& value);
  // The translation table: (language, code page) pairs.
  void SetTranslations(const std::string& file,
                       const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs);
  // The fixed part, with the file and product version words.
  void SetFixed(const std::string& file, std::uint32_t file_ms, std::uint32_t file_ls,
                std::uint32_t product_ms, std::uint32_t product_ls);

  std::uint32_t GetFileVersionInfoSizeA(const std::string& file) override;
  bool GetFileVersionInfoA(const std::string& file, std::vector<std::uint8_t>& data) override;
  bool VerQueryValueA(std::vector<std::uint8_t>& data, const std::string& sub_block,
                      std::vector<std::uint8_t>& value) override;

 private:
  std::string read_;
};

}  // namespace fakes

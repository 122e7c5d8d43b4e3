#pragma once
// Version resources as data: per file, the bytes of each block by its query path. A query
// answers from the file read last, as a resource buffer stands for that file.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/version_info.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

class FakeVersionInfo : public platform::VersionInfo, public Failable {
 public:
  std::map<std::string, std::map<std::string, std::vector<std::uint8_t>>> files;

  // A string value, stored with its terminating NUL.
  void SetString(const std::string& file, const std::string& translation, const std::string& key,
                 const std::string& value) {
    std::vector<std::uint8_t>& bytes = files[file]["\\StringFileInfo\\" + translation + "\\" + key];
    bytes.assign(value.begin(), value.end());
    bytes.push_back(0);
  }

  std::uint32_t GetFileVersionInfoSize(const std::string& file) override {
    return !Fails("GetFileVersionInfoSize") && files.contains(file) ? 64 : 0;
  }
  bool GetFileVersionInfo(const std::string& file, std::vector<std::uint8_t>&) override {
    if (Fails("GetFileVersionInfo")) return false;
    read_ = file;
    return files.contains(file);
  }
  bool VerQueryValue(std::vector<std::uint8_t>&, const std::string& sub_block,
                     std::vector<std::uint8_t>& value) override {
    if (Fails("VerQueryValue")) return false;
    auto block = files[read_].find(sub_block);
    if (block == files[read_].end()) return false;
    value = block->second;
    return true;
  }

 private:
  std::string read_;
};

}  // namespace fakes

#pragma once
// The version.dll operations: a file's version resource, read whole and queried by path.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class VersionInfo {
 public:
  virtual ~VersionInfo() = default;

  // Bytes needed for the file's version resource; 0 when it has none or cannot be read.
  virtual std::uint32_t GetFileVersionInfoSize(const std::string& file) = 0;
  // Fills `data` (of the size asked for above) with the resource; false on failure.
  virtual bool GetFileVersionInfo(const std::string& file, std::vector<std::uint8_t>& data) = 0;
  // VerQueryValue on a resource filled above: the bytes of the block at `sub_block` ("\\",
  // "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904E4\\CompanyName"). False when the
  // block is absent; `value` is then untouched. The query may write into `data`.
  virtual bool VerQueryValue(std::vector<std::uint8_t>& data, const std::string& sub_block,
                             std::vector<std::uint8_t>& value) = 0;
};

}  // namespace platform

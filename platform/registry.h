#pragma once
// Registry access in the shape of a registry object with one current key: open a key under a
// root, query and read values of it, close it. Each operation is one registry call.
#include <cstdint>
#include <string>

namespace platform {

using RegistryRoot = std::uint32_t;

constexpr RegistryRoot kHkeyCurrentUser = 0x80000001;
constexpr RegistryRoot kHkeyLocalMachine = 0x80000002;
// The 9x family's dynamic data (performance statistics); absent on the NT family.
constexpr RegistryRoot kHkeyDynData = 0x80000006;

// Value types (REG_*).
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens the existing key `path` under `root` (never creates it). On success the key becomes
  // the current key, replacing (and closing) the previous one; on failure nothing changes.
  virtual bool OpenKey(RegistryRoot root, const std::string& path) = 0;
  // The type of value `name` of the current key; false when there is no current key or no
  // such value, `type` is then untouched. Querying is all some statistics need to start.
  virtual bool QueryValueType(const std::string& name, std::uint32_t& type) = 0;
  // Copies value `name` of the current key into `buffer` (`size` bytes); returns the number of
  // bytes copied, or -1 when there is no such value or it does not fit.
  virtual std::int32_t ReadBinaryValue(const std::string& name, void* buffer,
                                       std::uint32_t size) = 0;
  // Closes the current key; harmless when none is open.
  virtual void CloseKey() = 0;
  // Path of the current key as it was opened, empty when none is open.
  virtual std::string CurrentPath() const = 0;
};

}  // namespace platform

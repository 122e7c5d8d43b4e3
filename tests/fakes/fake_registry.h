#pragma once
// A registry held in memory: keys by root and path, each with binary values. Logs every call.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

class FakeRegistry : public platform::Registry, public Failable {
 public:
  using Values = std::map<std::string, std::vector<std::uint8_t>>;

  // --- the scripted registry ---
  std::map<std::pair<platform::RegistryRoot, std::string>, Values> keys;

  // --- what was asked ---
  std::vector<std::string> calls;  // "OpenKey(PerfStats\StartStat)", "CloseKey", ...
  int open_keys = 0;               // keys opened and not yet closed

  // Creates the key when needed and stores a 4-byte little-endian value in it.
  void SetUInt32(platform::RegistryRoot root, const std::string& path, const std::string& name,
                 std::uint32_t value);
  // The 9x family's dynamic performance statistics (start, data and stop keys under
  // HKEY_DYN_DATA), with the processor usage statistic at `cpu_usage`.
  void AddPerformanceStatistics(std::uint32_t cpu_usage = 0);

  bool OpenKey(platform::RegistryRoot root, const std::string& path) override;
  bool QueryValueType(const std::string& name, std::uint32_t& type) override;
  std::int32_t ReadBinaryValue(const std::string& name, void* buffer, std::uint32_t size) override;
  void CloseKey() override;
  std::string CurrentPath() const override;

 private:
  const Values* Current() const;

  bool has_current_ = false;
  std::pair<platform::RegistryRoot, std::string> current_;
};

}  // namespace fakes

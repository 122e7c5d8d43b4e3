#include "tests/fakes/fake_registry.h"

#include <cstring>

namespace fakes {

void FakeRegistry::SetUInt32(platform::RegistryRoot root, const std::string& path,
                             const std::string& name, std::uint32_t value) {
  std::vector<std::uint8_t> bytes(4);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
  keys[{root, path}][name] = bytes;
}

void FakeRegistry::AddPerformanceStatistics(std::uint32_t cpu_usage) {
  for (const char* path : {"PerfStats\\StartStat", "PerfStats\\StatData", "PerfStats\\StopStat"})
    SetUInt32(platform::kHkeyDynData, path, "KERNEL\\CPUUsage", cpu_usage);
}

bool FakeRegistry::OpenKey(platform::RegistryRoot root, const std::string& path) {
  calls.push_back("OpenKey(" + path + ")");
  if (!keys.contains({root, path}) || Fails("RegOpenKeyExA")) return false;
  if (has_current_) --open_keys;
  has_current_ = true;
  current_ = {root, path};
  ++open_keys;
  return true;
}

bool FakeRegistry::QueryValueType(const std::string& name, std::uint32_t& type) {
  calls.push_back("QueryValueType(" + name + ")");
  const Values* values = Current();
  if (!values || !values->contains(name) || Fails("RegQueryValueExA")) return false;
  type = platform::kRegBinary;
  return true;
}

std::int32_t FakeRegistry::ReadBinaryValue(const std::string& name, void* buffer,
                                           std::uint32_t size) {
  calls.push_back("ReadBinaryValue(" + name + "," + std::to_string(size) + ")");
  const Values* values = Current();
  if (!values || Fails("RegQueryValueExA")) return -1;
  auto it = values->find(name);
  if (it == values->end() || it->second.size() > size) return -1;
  std::memcpy(buffer, it->second.data(), it->second.size());
  return static_cast<std::int32_t>(it->second.size());
}

void FakeRegistry::CloseKey() {
  calls.push_back("CloseKey");
  if (has_current_) --open_keys;
  has_current_ = false;
}

std::string FakeRegistry::CurrentPath() const {
  return has_current_ ? current_.second : std::string();
}

const FakeRegistry::Values* FakeRegistry::Current() const {
  if (!has_current_) return nullptr;
  auto it = keys.find(current_);
  return it == keys.end() ? nullptr : &it->second;
}

}  // namespace fakes

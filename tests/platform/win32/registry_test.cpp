#include "platform/win32/registry.h"

#include "platform/win32/system_headers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::win32::Win32Registry;

// A scratch key under the current user with one binary value, removed again afterwards.
class ScratchKey {
 public:
  ScratchKey() : path_("Software\\RavoInfoTest" + std::to_string(::GetCurrentProcessId())) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr);
    const BYTE data[4] = {42, 0, 0, 0};
    ::RegSetValueExA(key, "KERNEL\\CPUUsage", 0, REG_BINARY, data, sizeof data);
    ::RegCloseKey(key);
  }
  ~ScratchKey() { ::RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

TEST(Win32Registry, DynamicDataIsAbsentOnTheNtFamily) {
  Win32Registry registry;
  EXPECT_FALSE(registry.OpenKey(platform::kHkeyDynData, "PerfStats\\StartStat"));
  EXPECT_EQ(registry.CurrentPath(), "");
}

TEST(Win32Registry, ReadsTheValuesOfTheCurrentKey) {
  ScratchKey scratch;
  Win32Registry registry;
  ASSERT_TRUE(registry.OpenKey(platform::kHkeyCurrentUser, scratch.Path()));
  EXPECT_EQ(registry.CurrentPath(), scratch.Path());

  std::uint32_t type = 0;
  EXPECT_TRUE(registry.QueryValueType("KERNEL\\CPUUsage", type));
  EXPECT_EQ(type, platform::kRegBinary);
  EXPECT_FALSE(registry.QueryValueType("missing", type));

  std::uint8_t bytes[4] = {};
  EXPECT_EQ(registry.ReadBinaryValue("KERNEL\\CPUUsage", bytes, sizeof bytes), 4);
  EXPECT_EQ(bytes[0], 42);
  std::uint8_t small[2] = {};
  EXPECT_EQ(registry.ReadBinaryValue("KERNEL\\CPUUsage", small, sizeof small), -1);

  registry.CloseKey();
  EXPECT_EQ(registry.CurrentPath(), "");
  EXPECT_EQ(registry.ReadBinaryValue("KERNEL\\CPUUsage", bytes, sizeof bytes), -1);
}

}  // namespace

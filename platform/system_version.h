#pragma once
// Which system the program runs on: its version and its default language.
#include <cstdint>
#include <string>

namespace platform {

constexpr std::uint32_t kVerPlatformWin32s = 0;
constexpr std::uint32_t kVerPlatformWin32Windows = 1;
constexpr std::uint32_t kVerPlatformWin32Nt = 2;

// What GetVersionExA fills into an OSVERSIONINFOA (size 148).
struct OsVersionInfo {
  std::uint32_t platform_id = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::string csd_version;  // the service-pack string, up to 128 characters
};

class SystemVersion {
 public:
  virtual ~SystemVersion() = default;

  // False when the query fails; `info` is then untouched.
  virtual bool GetVersionExA(OsVersionInfo& info) = 0;
  virtual std::uint16_t GetSystemDefaultLangID() = 0;
};

}  // namespace platform

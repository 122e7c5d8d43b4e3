#include "app/windows_version.h"

#include <cstring>
#include <string>

namespace app {
namespace {

// Blanks and control characters at either end are not part of the service-pack letter.
std::string Trimmed(const std::string& text) {
  std::string::size_type first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

platform::OsVersionInfo QueryVersion(platform::SystemVersion& kernel) {
  platform::OsVersionInfo version;  // all zero when the query fails
  kernel.GetVersionExA(version);
  return version;
}

bool IsWin9xCode(std::uint8_t code) {
  switch (code) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 9:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::uint8_t WindowsVersionCode(const platform::OsVersionInfo& v) {
  if (v.platform_id == platform::kVerPlatformWin32s) return 1;
  if (v.platform_id == platform::kVerPlatformWin32Nt) {
    switch (v.major) {
      case 3:
        return 6;
      case 4:
        return 7;
      case 5:
        return 8;
      default:
        return 0;
    }
  }
  const std::string service_pack = Trimmed(v.csd_version);
  if (v.major == 4 && v.minor == 0) return service_pack == "B" ? 3 : 2;
  if (v.major == 4 && v.minor == 10) return service_pack == "A" ? 5 : 4;
  if (v.major == 4 && v.minor == 90) return 9;
  return 0;
}

std::uint8_t WindowsVersionCode(platform::SystemVersion& kernel) {
  return WindowsVersionCode(QueryVersion(kernel));
}

bool IsWin9xFamily(platform::SystemVersion& kernel) {
  return IsWin9xCode(WindowsVersionCode(kernel));
}

bool IsNtPlatform(platform::SystemVersion& kernel) {
  return QueryVersion(kernel).platform_id == platform::kVerPlatformWin32Nt;
}

snapshot::SystemFamily DecideFamily(platform::SystemVersion& kernel) {
  const platform::OsVersionInfo version = QueryVersion(kernel);
  const bool nt = version.platform_id == platform::kVerPlatformWin32Nt;
  return {.family = nt ? snapshot::Family::kNt : snapshot::Family::k9x,
          .refreshes = nt || IsWin9xCode(WindowsVersionCode(version)),
          .places_bar = nt && version.major >= 5};
}

}  // namespace app

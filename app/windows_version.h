#pragma once
// Which Windows this is, as the module tells the families apart.
#include <cstdint>

#include "platform/system_version.h"
#include "snapshot/family.h"

namespace app {

// 1 Win32s; 6, 7, 8 NT 3, 4, 5; 2/3 Windows 4.0 (3 with service pack "B"); 4/5 4.10 (5 with
// "A"); 9 4.90; 0 anything else, later NT versions included.
std::uint8_t WindowsVersionCode(const platform::OsVersionInfo& version);
std::uint8_t WindowsVersionCode(platform::SystemVersion& kernel);
bool IsWin9xFamily(platform::SystemVersion& kernel);
bool IsNtPlatform(platform::SystemVersion& kernel);
// The family start-up decides once, from one version query, and hands on.
snapshot::SystemFamily DecideFamily(platform::SystemVersion& kernel);

}  // namespace app

#pragma once

namespace snapshot {

// Which Windows family the tick runs on; chosen once at start-up.
enum class Family { kNt, k9x };

// What start-up reads from the one version query and hands to whatever takes a family's path:
// the window list, the processor sampler, the refresh and the save dialog.
struct SystemFamily {
  Family family = Family::k9x;  // kNt exactly when the system reports the NT platform
  bool refreshes = false;       // NT, or a 9x version the module knows: its refresh timer runs
  bool places_bar = false;      // NT 5 and later: the save dialog knows the places bar
};

}  // namespace snapshot

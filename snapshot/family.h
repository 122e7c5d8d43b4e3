#pragma once

namespace snapshot {

// Which Windows family the tick runs on; chosen once at start-up.
enum class Family { kNt, k9x };

}  // namespace snapshot

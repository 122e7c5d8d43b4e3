#pragma once
// What a component says of itself to screen readers and automation: a name, a role and states.
// The values are the system's accessibility roles and state bits, so the host hands them on as
// they are.
#include <cstdint>
#include <string>

namespace ui {

enum class AccessibleRole : std::int32_t {
  kClient = 0x0A,
  kList = 0x21,
  kListItem = 0x22,
  kStaticText = 0x29,
  kPushButton = 0x2B,
  kCheckButton = 0x2C,
};

using AccessibleStates = std::uint32_t;
constexpr AccessibleStates kAccUnavailable = 0x1;
constexpr AccessibleStates kAccSelected = 0x2;
constexpr AccessibleStates kAccFocused = 0x4;
constexpr AccessibleStates kAccPressed = 0x8;
constexpr AccessibleStates kAccChecked = 0x10;
constexpr AccessibleStates kAccExpanded = 0x200;
constexpr AccessibleStates kAccCollapsed = 0x400;
constexpr AccessibleStates kAccFocusable = 0x100000;
constexpr AccessibleStates kAccSelectable = 0x200000;

struct AccessibleInfo {
  std::string name;
  AccessibleRole role = AccessibleRole::kClient;
  AccessibleStates states = 0;
  bool operator==(const AccessibleInfo&) const = default;
};

}  // namespace ui

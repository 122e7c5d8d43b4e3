#pragma once
// The codes of the portable input events: mouse buttons, the keys and buttons held during an
// event, and the virtual keys the components react to. Held keys and virtual keys carry the
// system's own values, so the window host hands them on unchanged.
#include <cstdint>

namespace ui {

enum class MouseButton { kLeft, kRight, kMiddle };

// Keys and buttons held during an input event, with the values of MK_*.
using ShiftState = std::uint32_t;
constexpr ShiftState kShiftLeftButton = 0x1;
constexpr ShiftState kShiftRightButton = 0x2;
constexpr ShiftState kShiftShift = 0x4;
constexpr ShiftState kShiftControl = 0x8;
constexpr ShiftState kShiftMiddleButton = 0x10;

// Virtual-key codes (VK_*) the components react to.
constexpr int kVkTab = 0x09;
constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;
constexpr int kVkPrior = 0x21;
constexpr int kVkNext = 0x22;
constexpr int kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr int kVkInsert = 0x2D;
constexpr int kVkDelete = 0x2E;
constexpr int kVkApps = 0x5D;
constexpr int kVkAdd = 0x6B;
constexpr int kVkSubtract = 0x6D;
constexpr int kVkF10 = 0x79;
constexpr int kVkOemPlus = 0xBB;  // + and - of the main keyboard
constexpr int kVkOemMinus = 0xBD;

}  // namespace ui

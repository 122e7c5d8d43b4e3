#pragma once
// Fixed-width id texts without allocation beyond the target string's own.
#include <charconv>
#include <cstdint>
#include <string>

namespace snapshot {

// `value` as 8 uppercase hexadecimal digits, zero-filled, no prefix.
inline void AssignHex8(std::string& out, std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char text[8];
  for (int i = 7; i >= 0; --i, value >>= 4) text[i] = kDigits[value & 0xF];
  out.assign(text, 8);
}

inline std::string HexText8(std::uint32_t value) {
  std::string out;
  AssignHex8(out, value);
  return out;
}

// `value` in decimal without leading zeros.
inline void AssignDecimal(std::string& out, std::uint32_t value) {
  char text[10];
  auto result = std::to_chars(text, text + sizeof text, value);
  out.assign(text, result.ptr);
}

}  // namespace snapshot

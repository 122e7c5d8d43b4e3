#pragma once
// One version number of a version resource: the two 32-bit words of the fixed part and the
// text the string table gives it.
#include <cstdint>
#include <string>

namespace about {

struct TVersionNumber {
  bool present = false;
  std::uint32_t most = 0;   // major << 16 | minor
  std::uint32_t least = 0;  // release << 16 | build
  std::string text;

  // The text, or "major.minor.release.build" when the string table has none.
  std::string AsString() const {
    if (!text.empty()) return text;
    return std::to_string(most >> 16) + "." + std::to_string(most & 0xFFFF) + "." +
           std::to_string(least >> 16) + "." + std::to_string(least & 0xFFFF);
  }
};

}  // namespace about

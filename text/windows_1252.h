#pragma once
// Windows-1252, the character set rich text names "\ansi" and writes its "\'xx" escapes in.
#include <cstdint>

namespace text {

// The character of `byte`; a byte the set leaves undefined stands for the C1 control of its
// value, as the system's conversion maps it.
char32_t Windows1252Character(std::uint8_t byte);

}  // namespace text

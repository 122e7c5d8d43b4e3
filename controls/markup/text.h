#pragma once
// Text helpers of the markup renderer: attribute values, numbers, case folding. The case folding
// (ASCII letters only, never the locale) serves the report's conversions and the list's typing too.
#include <optional>
#include <string>
#include <string_view>

#include "platform/color.h"

namespace controls::markup {

std::string Upper(std::string_view text);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Position of `needle` in `text` ignoring ASCII case, npos when absent.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from = 0);

// The text between the first two double quotes at or after `from`; empty when there are not two.
std::string QuotedAfter(std::string_view tag, std::size_t from);
// The value of attribute `name` (found ignoring case): the text between the first two double
// quotes after it. Empty when the name or the quotes are missing.
std::string AttributeValue(std::string_view tag, std::string_view name);

// A decimal integer with optional leading blanks and sign and nothing after it; values are
// clamped to +-1000000 so that layout arithmetic cannot overflow.
std::optional<int> ParseInt(std::string_view text);
// The leading digits (after blanks) as a number, nullopt when there are none.
std::optional<int> ParseLeadingDigits(std::string_view text);

// Layout arithmetic saturates here, far beyond any screen, so that absurd sizes in a caption
// (thousands of huge images, say) can never overflow.
constexpr long long kLayoutLimit = 1 << 30;
constexpr int Saturate(long long value) {
  return static_cast<int>(value > kLayoutLimit ? kLayoutLimit
                                               : (value < -kLayoutLimit ? -kLayoutLimit : value));
}

// A colour attribute: a value containing "CL" is a colour name, one containing "#" is
// hexadecimal; anything else is no colour.
std::optional<platform::Color> ParseColorValue(std::string_view value);

}  // namespace controls::markup

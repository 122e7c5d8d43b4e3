#include "controls/markup/text.h"

#include <cctype>

#include "controls/markup/colors.h"

namespace controls::markup {

namespace {
constexpr long kNumberLimit = 1000000;

char UpperChar(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperChar(c);
  return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (UpperChar(text[i]) != UpperChar(prefix[i])) return false;
  return true;
}

std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty() || needle.size() > text.size()) return std::string_view::npos;
  for (std::size_t i = from; i + needle.size() <= text.size(); ++i)
    if (StartsWithNoCase(text.substr(i), needle)) return i;
  return std::string_view::npos;
}

std::string QuotedAfter(std::string_view tag, std::size_t from) {
  const std::size_t open = tag.find('"', from);
  if (open == std::string_view::npos) return {};
  const std::size_t close = tag.find('"', open + 1);
  if (close == std::string_view::npos) return {};
  return std::string(tag.substr(open + 1, close - open - 1));
}

std::string AttributeValue(std::string_view tag, std::string_view name) {
  const std::size_t at = FindNoCase(tag, name);
  if (at == std::string_view::npos) return {};
  return QuotedAfter(tag, at + name.size());
}

std::optional<int> ParseInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size()) return std::nullopt;
  long value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    if (value < kNumberLimit) value = value * 10 + (text[i] - '0');
  }
  if (value > kNumberLimit) value = kNumberLimit;
  return static_cast<int>(negative ? -value : value);
}

std::optional<int> ParseLeadingDigits(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  long value = 0;
  bool any = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    any = true;
    if (value < kNumberLimit) value = value * 10 + (text[i] - '0');
  }
  if (!any) return std::nullopt;
  return static_cast<int>(value > kNumberLimit ? kNumberLimit : value);
}

std::optional<platform::Color> ParseColorValue(std::string_view value) {
  if (FindNoCase(value, "CL") != std::string_view::npos) return ColorFromName(value);
  const std::size_t hash = value.find('#');
  if (hash != std::string_view::npos) return ColorFromHex(value.substr(hash));
  return std::nullopt;
}

}  // namespace controls::markup

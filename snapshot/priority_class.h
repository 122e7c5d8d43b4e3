#pragma once
// The user-interface texts of the priority classes (the values are the kernel's).
#include <array>
#include <cstdint>
#include <string>

#include "i18n/text_source.h"

namespace snapshot {

// Text id for a class value as GetPriorityClass returns it; 0 (the call failed) and every
// unknown class give the "other" text.
int PriorityClassTextId(std::uint32_t priority_class);
std::string PriorityClassText(std::uint32_t priority_class, const i18n::TextSource& texts);

// The five priority texts, each looked up once: the language library is fixed for the run, and
// a tick must not look up the same text once per process.
class PriorityClassTexts {
 public:
  explicit PriorityClassTexts(const i18n::TextSource& texts) : texts_(texts) {}
  const std::string& Text(std::uint32_t priority_class);

 private:
  const i18n::TextSource& texts_;
  std::array<std::string, 5> cache_;
  std::array<bool, 5> cached_{};
};

}  // namespace snapshot

#include "snapshot/priority_class.h"

#include "i18n/text_ids.h"
#include "platform/processes.h"

namespace snapshot {

static_assert(i18n::kTextPriorityOther - i18n::kTextPriorityRealtime == 4,
              "the cache holds the five priority texts by id");

int PriorityClassTextId(std::uint32_t priority_class) {
  switch (priority_class) {
    case platform::kRealtimePriorityClass:
      return i18n::kTextPriorityRealtime;
    case platform::kHighPriorityClass:
      return i18n::kTextPriorityHigh;
    case platform::kNormalPriorityClass:
      return i18n::kTextPriorityNormal;
    case platform::kIdlePriorityClass:
      return i18n::kTextPriorityIdle;
    default:
      return i18n::kTextPriorityOther;
  }
}

std::string PriorityClassText(std::uint32_t priority_class, const i18n::TextSource& texts) {
  return texts.TextById(PriorityClassTextId(priority_class));
}

const std::string& PriorityClassTexts::Text(std::uint32_t priority_class) {
  const int id = PriorityClassTextId(priority_class);
  const auto slot = static_cast<std::size_t>(id - i18n::kTextPriorityRealtime);
  if (!cached_[slot]) {
    cache_[slot] = texts_.TextById(id);
    cached_[slot] = true;
  }
  return cache_[slot];
}

}  // namespace snapshot

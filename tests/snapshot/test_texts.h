#pragma once
// A text source that names the id it was asked for, and counts the lookups.
#include <string>

#include "i18n/text_source.h"

namespace snapshot_test {

class TestTexts : public i18n::TextSource {
 public:
  std::string TextById(int id) const override {
    ++lookups;
    return "text " + std::to_string(id);
  }
  mutable int lookups = 0;
};

}  // namespace snapshot_test

#pragma once
#include <string>

namespace i18n {

// Where the user-interface texts come from. Never fails and never returns an empty string.
class TextSource {
 public:
  virtual ~TextSource() = default;
  virtual std::string TextById(int id) const = 0;
};

}  // namespace i18n

#pragma once
// Opening a web or mail address the user clicked in a list: the shell's "open" verb with a
// normal window on Windows. The list only decides what to open.
#include <string>

namespace controls::inline section_list {

class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  virtual void Open(const std::string& target) = 0;
};

}  // namespace controls::inline section_list

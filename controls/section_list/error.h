#pragma once
#include <stdexcept>

namespace controls::inline section_list {

// A sub-item's image or check mark was set through an index the section does not have.
class ESectionListBoxError : public std::runtime_error {
 public:
  ESectionListBoxError() : std::runtime_error("Access of imageindex of non-existing subitem") {}
};

}  // namespace controls::inline section_list

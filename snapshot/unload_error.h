#pragma once
// Raised out of the start-up binding when a library it loaded can be neither used nor released.
#include <stdexcept>
#include <string>

namespace snapshot {

class UnloadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace snapshot

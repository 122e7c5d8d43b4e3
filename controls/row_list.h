#pragma once
// The rows a list control shows, behind a small interface: on Windows the items of a native
// list box (so they can be read from outside), in tests a vector.
#include <string>

namespace controls {

class RowList {
 public:
  virtual ~RowList() = default;
  virtual int Count() const = 0;
  virtual std::string Text(int row) const = 0;
  virtual void Clear() = 0;
  virtual void Add(const std::string& text) = 0;
};

}  // namespace controls

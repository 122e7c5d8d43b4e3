#pragma once
// RAII ownership of Windows handles: one traits struct per kind of handle says what "none" is
// and how it is closed, and every owner keeps the live count of its kind (live_handles.h). The
// traits of each family: kernel_handles.h, gui_handles.h.
#include "platform/win32/system_headers.h"

#include <cstdint>
#include <utility>

#include "platform/win32/live_handles.h"

namespace platform::win32 {

template <typename Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;

  UniqueHandle() = default;
  explicit UniqueHandle(Value value) : value_(value) { Count(value_, 1); }
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.Take()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      value_ = other.Take();
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Value Get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::None(); }
  // Hands the handle to a new owner, which closes it; it leaves the count.
  Value Release() {
    Count(value_, -1);
    return Take();
  }
  void Reset(Value value = Traits::None()) {
    if (value_ != Traits::None()) {
      Traits::Close(value_);
      Count(value_, -1);
    }
    value_ = value;
    Count(value_, 1);
  }

 private:
  static void Count(Value value, long delta) {
    if constexpr (requires { Traits::kKind; }) {
      if (value != Traits::None()) handle_count::Add(Traits::kKind, delta);
    }
  }
  Value Take() { return std::exchange(value_, Traits::None()); }

  Value value_ = Traits::None();
};

// Converts between the portable opaque values and Windows handles.
template <typename H>
H ToHandle(std::uintptr_t value) {
  return reinterpret_cast<H>(value);
}
template <typename H>
std::uintptr_t FromHandle(H handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace platform::win32

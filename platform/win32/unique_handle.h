#pragma once
// RAII ownership of Windows handles: one traits struct per kind of handle says what "none" is
// and how it is closed.
#include <windows.h>

#include <utility>

namespace platform::win32 {

template <typename Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;

  UniqueHandle() = default;
  explicit UniqueHandle(Value value) : value_(value) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Value Get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::None(); }
  Value Release() { return std::exchange(value_, Traits::None()); }
  void Reset(Value value = Traits::None()) {
    if (value_ != Traits::None()) Traits::Close(value_);
    value_ = value;
  }

 private:
  Value value_ = Traits::None();
};

struct KernelHandleTraits {
  using Value = HANDLE;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

struct ModuleTraits {
  using Value = HMODULE;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::FreeLibrary(h); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

template <typename T>
struct GdiObjectTraits {
  using Value = T;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::DeleteObject(h); }
};
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

struct MemoryDcTraits {
  using Value = HDC;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::DeleteDC(h); }
};
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

struct IconTraits {
  using Value = HICON;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::DestroyIcon(h); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

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

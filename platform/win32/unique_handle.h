#pragma once
// RAII ownership of Windows handles: one traits struct per kind of handle says what "none" is
// and how it is closed. Every owner keeps a live count per kind, so a test can see a leak where
// the system's own object counts say nothing (Wine answers 0 for them).
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace platform::win32 {

enum class HandleKind {
  kKernel,  // processes, mutexes, snapshots, events, registry keys
  kFile,
  kModule,
  kFont,
  kBitmap,
  kPen,
  kBrush,
  kRegion,
  kMemoryDc,
  kWindowDc,  // GetDC and BeginPaint, given back with ReleaseDC and EndPaint
  kPrinterDc,
  kIcon,
  kMenu,
  kImageList,
  kCount
};

namespace handle_count {
// One relaxed add per handle made or closed: cheap enough to be always on.
inline std::atomic<long> live[static_cast<int>(HandleKind::kCount)];
inline void Add(HandleKind kind, long delta) {
  live[static_cast<int>(kind)].fetch_add(delta, std::memory_order_relaxed);
}
}  // namespace handle_count

// Handles of `kind` that the win32 layer holds open now.
inline long LiveHandles(HandleKind kind) {
  return handle_count::live[static_cast<int>(kind)].load(std::memory_order_relaxed);
}

// Registered window message that every window of the host answers with
// LiveHandles(HandleKind(wparam)), 0 for a kind out of range: how a program outside reads the
// counts (the soak samples them once a minute; GetGuiResources answers 0 under Wine).
inline constexpr char kLiveHandlesMessage[] = "RavoInfo.LiveHandles";

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

struct KernelHandleTraits {
  using Value = HANDLE;
  static constexpr HandleKind kKind = HandleKind::kKernel;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

// CreateFile's handles, which are INVALID_HANDLE_VALUE when none was made.
struct FileHandleTraits {
  using Value = HANDLE;
  static constexpr HandleKind kKind = HandleKind::kFile;
  static Value None() { return INVALID_HANDLE_VALUE; }
  static void Close(Value h) { ::CloseHandle(h); }
};
using UniqueFile = UniqueHandle<FileHandleTraits>;

struct ModuleTraits {
  using Value = HMODULE;
  static constexpr HandleKind kKind = HandleKind::kModule;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::FreeLibrary(h); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

template <typename T>
struct GdiObjectTraits {
  using Value = T;
  static constexpr HandleKind kKind = std::is_same_v<T, HFONT>     ? HandleKind::kFont
                                      : std::is_same_v<T, HBITMAP> ? HandleKind::kBitmap
                                      : std::is_same_v<T, HPEN>    ? HandleKind::kPen
                                      : std::is_same_v<T, HBRUSH>  ? HandleKind::kBrush
                                                                   : HandleKind::kRegion;
  static_assert(kKind != HandleKind::kRegion || std::is_same_v<T, HRGN>);
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
  static constexpr HandleKind kKind = HandleKind::kMemoryDc;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::DeleteDC(h); }
};
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

struct PrinterDcTraits {
  using Value = HDC;
  static constexpr HandleKind kKind = HandleKind::kPrinterDc;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::DeleteDC(h); }
};
using UniquePrinterDc = UniqueHandle<PrinterDcTraits>;

struct IconTraits {
  using Value = HICON;
  static constexpr HandleKind kKind = HandleKind::kIcon;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::DestroyIcon(h); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

struct MenuTraits {
  using Value = HMENU;
  static constexpr HandleKind kKind = HandleKind::kMenu;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::DestroyMenu(h); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

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

#pragma once
// Owners of the drawing and window system's handles: GDI objects, device contexts, icons and
// menus.
#include <type_traits>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {

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

}  // namespace platform::win32

#pragma once
// Owners of kernel32's handles: kernel objects, files and loaded modules.
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

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

}  // namespace platform::win32

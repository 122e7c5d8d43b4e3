#include "platform/win32/native_system_info.h"

#include <windows.h>

namespace platform::win32 {
namespace {

// NTSTATUS NTAPI ZwQuerySystemInformation(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG)
using ZwQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

}  // namespace

std::uint32_t Win32NativeSystemInfo::ZwQuerySystemInformation(ProcAddress fn,
                                                              std::uint32_t info_class,
                                                              void* buffer, std::uint32_t size) {
  if (fn == 0) return kStatusProcedureNotFound;
  auto query = reinterpret_cast<ZwQuerySystemInformationFn>(fn);
  return static_cast<std::uint32_t>(query(info_class, buffer, size, nullptr));
}

}  // namespace platform::win32

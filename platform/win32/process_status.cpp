#include "platform/win32/process_status.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {
namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using GetModuleFileNameExAFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

static_assert(sizeof(DWORD) == sizeof(std::uint32_t));

}  // namespace

bool Win32ProcessStatus::EnumProcesses(ProcAddress fn, std::uint32_t* buffer, std::uint32_t bytes,
                                       std::uint32_t& bytes_returned) {
  if (fn == 0) return false;
  DWORD returned = 0;
  if (!reinterpret_cast<EnumProcessesFn>(fn)(reinterpret_cast<DWORD*>(buffer), bytes, &returned))
    return false;
  bytes_returned = returned;
  return true;
}

int Win32ProcessStatus::GetModuleFileNameExA(ProcAddress fn, Handle process, Handle module,
                                             char* buffer, int size) {
  if (fn == 0 || size <= 0) return 0;
  return static_cast<int>(reinterpret_cast<GetModuleFileNameExAFn>(fn)(
      ToHandle<HANDLE>(process), ToHandle<HMODULE>(module), buffer, static_cast<DWORD>(size)));
}

}  // namespace platform::win32

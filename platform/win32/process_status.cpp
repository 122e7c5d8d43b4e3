#include "platform/win32/process_status.h"

#include "platform/win32/system_headers.h"

#include <algorithm>
#include <string>

#include "platform/win32/text_boundary.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {
namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using GetModuleFileNameExWFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

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

int Win32ProcessStatus::GetModuleFileNameExW(ProcAddress fn, Handle process, Handle module,
                                             char* buffer, int size) {
  if (fn == 0 || size <= 0) return 0;
  // A UTF-16 unit never makes less than one UTF-8 byte: `size` units are enough.
  std::wstring path(static_cast<std::size_t>(size), L'\0');
  const DWORD copied = reinterpret_cast<GetModuleFileNameExWFn>(fn)(
      ToHandle<HANDLE>(process), ToHandle<HMODULE>(module), path.data(), static_cast<DWORD>(size));
  if (copied == 0) return 0;
  path.resize(std::min<std::size_t>(copied, path.size()));
  return CopyUtf8(Utf8FromWide(path), buffer, size);
}

}  // namespace platform::win32

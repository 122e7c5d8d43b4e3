#include "platform/win32/kernel.h"

#include "platform/win32/system_headers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/win32/text_boundary.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

// The logic owns the kernel handles handed to it and closes them through CloseHandle below:
// they are counted there, as the layer's own owners count theirs.
Handle HandedOut(HANDLE handle) {
  if (handle) handle_count::Add(HandleKind::kKernel, 1);
  return FromHandle(handle);
}

}  // namespace

bool Win32Kernel::GetVersionExA(OsVersionInfo& info) {
  OSVERSIONINFOA v;
  std::memset(&v, 0, sizeof v);
  v.dwOSVersionInfoSize = sizeof v;  // 148
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExA(&v)) return false;
#pragma GCC diagnostic pop
  info.platform_id = v.dwPlatformId;
  info.major = v.dwMajorVersion;
  info.minor = v.dwMinorVersion;
  info.build = v.dwBuildNumber;
  info.csd_version.assign(v.szCSDVersion, strnlen(v.szCSDVersion, sizeof v.szCSDVersion));
  return true;
}

std::uint16_t Win32Kernel::GetSystemDefaultLangID() {
  return ::GetSystemDefaultLangID();
}

Handle Win32Kernel::OpenMutexA(std::uint32_t access, bool inherit, const std::string& name) {
  return HandedOut(::OpenMutexA(access, inherit ? TRUE : FALSE, name.c_str()));
}

std::uint32_t Win32Kernel::GetLastError() {
  return ::GetLastError();
}

bool Win32Kernel::CloseHandle(Handle handle) {
  if (!::CloseHandle(ToHandle<HANDLE>(handle))) return false;
  handle_count::Add(HandleKind::kKernel, -1);
  return true;
}

bool Win32Kernel::FileExists(const std::string& path) {
  const auto get = RV_WIDE("kernel32.dll", GetFileAttributesW);
  const DWORD attributes =
      get ? get(WideFromUtf8(path).c_str()) : ::GetFileAttributesA(AnsiFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32Kernel::GetModuleFileName() {
  if (const auto get = RV_WIDE("kernel32.dll", GetModuleFileNameW)) {
    wchar_t path[MAX_PATH + 1];
    const DWORD n = get(nullptr, path, MAX_PATH + 1);
    return Utf8FromWide(std::wstring_view(path, std::min<DWORD>(n, MAX_PATH + 1)));
  }
  char buffer[MAX_PATH + 1];
  DWORD n = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return Utf8FromAnsi(std::string_view(buffer, n));
}

std::vector<std::string> Win32Kernel::CommandLineArguments() {
  // The runtime has split the command line the way Windows programs expect.
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  return arguments;
}

Handle Win32Kernel::OpenProcess(std::uint32_t access, bool inherit, std::uint32_t process_id) {
  return HandedOut(::OpenProcess(access, inherit ? TRUE : FALSE, process_id));
}

std::uint32_t Win32Kernel::GetPriorityClass(Handle process) {
  return ::GetPriorityClass(ToHandle<HANDLE>(process));
}

namespace {
std::uint64_t Count(const FILETIME& t) {
  return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}
}  // namespace

bool Win32Kernel::GetProcessTimes(Handle process, ProcessTimes& times) {
  FILETIME creation, exit, kernel, user;
  if (!::GetProcessTimes(ToHandle<HANDLE>(process), &creation, &exit, &kernel, &user)) return false;
  times = {Count(creation), Count(exit), Count(kernel), Count(user)};
  return true;
}

bool Win32Kernel::TerminateProcess(Handle process, std::uint32_t exit_code) {
  return ::TerminateProcess(ToHandle<HANDLE>(process), exit_code) != FALSE;
}

bool Win32Kernel::SetPriorityClass(Handle process, std::uint32_t priority_class) {
  return ::SetPriorityClass(ToHandle<HANDLE>(process), priority_class) != FALSE;
}

int Win32Kernel::QueryFullProcessImageNameW(ProcAddress fn, Handle process, char* buffer,
                                            int size) {
  using QueryFullProcessImageNameWFn = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
  if (fn == 0 || size <= 0) return 0;
  // A UTF-16 unit never makes less than one UTF-8 byte: `size` units are enough.
  std::wstring path(static_cast<std::size_t>(size), L'\0');
  DWORD length = static_cast<DWORD>(size);
  if (!reinterpret_cast<QueryFullProcessImageNameWFn>(fn)(ToHandle<HANDLE>(process), 0, path.data(),
                                                          &length))
    return 0;
  path.resize(std::min<std::size_t>(length, path.size()));
  return CopyUtf8(Utf8FromWide(path), buffer, size);
}

}  // namespace platform::win32

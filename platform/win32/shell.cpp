#include "platform/win32/shell.h"

#include "platform/win32/system_headers.h"
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "platform/win32/kernel_handles.h"

namespace platform::win32 {
namespace {

const char* OrNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

std::intptr_t Win32Shell::ShellExecute(WindowHandle owner, const std::string& verb,
                                       const std::string& file, const std::string& parameters,
                                       const std::string& directory, int show) {
  HINSTANCE result = ::ShellExecuteA(ToHandle<HWND>(owner), OrNull(verb), file.c_str(),
                                     OrNull(parameters), OrNull(directory), show);
  return reinterpret_cast<std::intptr_t>(result);
}

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "the 32-bit program's SHELLEXECUTEINFOA");
#endif

bool Win32Shell::ShellExecuteEx(WindowHandle owner, std::uint32_t mask, const std::string& verb,
                                const std::string& file, int show) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = mask;
  info.hwnd = ToHandle<HWND>(owner);
  info.lpVerb = verb.c_str();
  info.lpFile = file.c_str();
  info.nShow = show;
  const bool started = ::ShellExecuteExA(&info) != FALSE;
  // The started process's handle, when the mask asks for one, is this layer's to close.
  const UniqueKernelHandle process(info.hProcess);
  return started;
}

}  // namespace platform::win32

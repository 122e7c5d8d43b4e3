#include "platform/win32/shell.h"

#include "platform/win32/system_headers.h"
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "platform/win32/kernel_handles.h"
#include "platform/win32/text_boundary.h"

namespace platform::win32 {
namespace {

// An empty text stands for none.
template <typename Text>
auto OrNull(const Text& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

std::intptr_t Win32Shell::ShellExecute(WindowHandle owner, const std::string& verb,
                                       const std::string& file, const std::string& parameters,
                                       const std::string& directory, int show) {
  HINSTANCE result;
  if (const auto execute = RV_WIDE("shell32.dll", ShellExecuteW)) {
    const std::wstring wide_verb = WideFromUtf8(verb), wide_file = WideFromUtf8(file),
                       wide_parameters = WideFromUtf8(parameters),
                       wide_directory = WideFromUtf8(directory);
    result = execute(ToHandle<HWND>(owner), OrNull(wide_verb), wide_file.c_str(),
                     OrNull(wide_parameters), OrNull(wide_directory), show);
  } else {
    const std::string ansi_verb = AnsiFromUtf8(verb), ansi_file = AnsiFromUtf8(file),
                      ansi_parameters = AnsiFromUtf8(parameters),
                      ansi_directory = AnsiFromUtf8(directory);
    result = ::ShellExecuteA(ToHandle<HWND>(owner), OrNull(ansi_verb), ansi_file.c_str(),
                             OrNull(ansi_parameters), OrNull(ansi_directory), show);
  }
  return reinterpret_cast<std::intptr_t>(result);
}

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "the 32-bit program's SHELLEXECUTEINFOA");
static_assert(sizeof(SHELLEXECUTEINFOW) == 60, "the 32-bit program's SHELLEXECUTEINFOW");
#endif

bool Win32Shell::ShellExecuteEx(WindowHandle owner, std::uint32_t mask, const std::string& verb,
                                const std::string& file, int show) {
  HANDLE process = nullptr;
  bool started;
  if (const auto execute = RV_WIDE("shell32.dll", ShellExecuteExW)) {
    const std::wstring wide_verb = WideFromUtf8(verb), wide_file = WideFromUtf8(file);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.hwnd = ToHandle<HWND>(owner);
    info.lpVerb = wide_verb.c_str();
    info.lpFile = wide_file.c_str();
    info.nShow = show;
    started = execute(&info) != FALSE;
    process = info.hProcess;
  } else {
    const std::string ansi_verb = AnsiFromUtf8(verb), ansi_file = AnsiFromUtf8(file);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.hwnd = ToHandle<HWND>(owner);
    info.lpVerb = ansi_verb.c_str();
    info.lpFile = ansi_file.c_str();
    info.nShow = show;
    started = ::ShellExecuteExA(&info) != FALSE;
    process = info.hProcess;
  }
  // The started process's handle, when the mask asks for one, is this layer's to close.
  const UniqueKernelHandle owned(process);
  return started;
}

}  // namespace platform::win32

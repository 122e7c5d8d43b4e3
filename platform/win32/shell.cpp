#include "platform/win32/shell.h"

#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {
namespace {

const char* OrNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

std::intptr_t Win32Shell::ShellExecuteA(WindowHandle owner, const std::string& verb,
                                        const std::string& file, const std::string& parameters,
                                        const std::string& directory, int show) {
  HINSTANCE result = ::ShellExecuteA(ToHandle<HWND>(owner), OrNull(verb), file.c_str(),
                                     OrNull(parameters), OrNull(directory), show);
  return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace platform::win32

// The kernel wrapper's platform::Modules and the run-time bindings of the win32 layer:
// the only file that loads libraries and looks entry points up.
#include "platform/win32/modules.h"

#include "platform/system_library.h"
#include "platform/win32/kernel.h"
#include "platform/win32/text_boundary.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

std::string Win32Kernel::GetSystemDirectoryA() {
  char buffer[MAX_PATH + 1];
  UINT n = ::GetSystemDirectoryA(buffer, sizeof buffer);
  if (n == 0 || n >= sizeof buffer) return {};
  return std::string(buffer, n);
}

Handle Win32Kernel::GetModuleHandleA(const std::string& name) {
  return FromHandle(::GetModuleHandleA(name.c_str()));
}

Handle Win32Kernel::LoadLibraryA(const std::string& name) {
  return FromHandle(::LoadLibraryA(name.c_str()));
}

Handle Win32Kernel::LoadLibraryEx(const std::string& path, std::uint32_t flags) {
  if (const auto load = RV_WIDE("kernel32.dll", LoadLibraryExW))
    return FromHandle(load(WideFromUtf8(path).c_str(), nullptr, flags));
  return FromHandle(::LoadLibraryExA(AnsiFromUtf8(path).c_str(), nullptr, flags));
}

bool Win32Kernel::FreeLibrary(Handle module) {
  return ::FreeLibrary(ToHandle<HMODULE>(module)) != FALSE;
}

ProcAddress Win32Kernel::GetProcAddress(Handle module, const std::string& name) {
  return reinterpret_cast<ProcAddress>(::GetProcAddress(ToHandle<HMODULE>(module), name.c_str()));
}

HMODULE LoadSystemLibraryModule(const char* library) {
  Win32Kernel kernel;
  return ToHandle<HMODULE>(platform::LoadSystemLibrary(kernel, library));
}

FARPROC ModuleEntry(HMODULE module, const char* name) {
  return module ? ::GetProcAddress(module, name) : nullptr;
}

FARPROC SystemLibraryEntry(const char* library, const char* name) {
  return ModuleEntry(LoadSystemLibraryModule(library), name);
}

FARPROC LoadedModuleEntry(const char* module, const char* name) {
  return ModuleEntry(::GetModuleHandleA(module), name);
}

}  // namespace platform::win32

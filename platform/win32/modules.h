#pragma once
// Entry points bound at run time by name, so that one executable loads on systems that lack
// them. Every library load and entry-point lookup of the program goes through here.
#include "platform/win32/system_headers.h"

namespace platform::win32 {

// `name` of a system library loaded from the system directory by full path; null when the
// library or the entry point is missing. The library stays loaded for the process.
FARPROC SystemLibraryEntry(const char* library, const char* name);
// `name` of a module already loaded into the process; null when either is missing.
FARPROC LoadedModuleEntry(const char* module, const char* name);
// The system library itself, for a caller that owns it and releases it; null when missing.
HMODULE LoadSystemLibraryModule(const char* library);
// `name` of a library the caller holds; null when the library is null or lacks it.
FARPROC ModuleEntry(HMODULE module, const char* name);

template <typename Fn>
Fn EntryAs(FARPROC entry) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(entry));
}

}  // namespace platform::win32

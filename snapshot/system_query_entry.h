#pragma once
// The entry point every native system information query goes through, looked up by name: NTDLL
// exists on the NT family only.
#include "platform/modules.h"

namespace snapshot {

// ZwQuerySystemInformation of NTDLL; 0 where NTDLL is not loaded or lacks it.
inline platform::ProcAddress SystemQueryEntry(platform::Modules& kernel) {
  const platform::Handle ntdll = kernel.GetModuleHandleA("NTDLL.DLL");
  return ntdll != 0 ? kernel.GetProcAddress(ntdll, "ZwQuerySystemInformation") : 0;
}

}  // namespace snapshot

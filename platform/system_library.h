#pragma once
// How a system library is loaded: from the system directory, by its full path. A bare name
// would take the first library of that name on the search path, the executable's own directory
// included.
#include <string>

#include "platform/modules.h"

namespace platform {

// The library, or 0 (and nothing loaded) when the system directory cannot be read.
inline Handle LoadSystemLibrary(Modules& modules, const std::string& name) {
  const std::string directory = modules.GetSystemDirectoryA();
  if (directory.empty()) return 0;
  return modules.LoadLibraryA(directory + "\\" + name);
}

}  // namespace platform

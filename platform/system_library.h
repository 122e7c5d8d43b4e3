#pragma once
// How a system library is loaded: from the system directory, by its full path. A bare name
// would take the first library of that name on the search path, the executable's own directory
// included.
#include <string>

#include "platform/kernel.h"

namespace platform {

// The library, or 0 (and nothing loaded) when the system directory cannot be read.
inline Handle LoadSystemLibrary(Kernel& kernel, const std::string& name) {
  const std::string directory = kernel.GetSystemDirectoryA();
  if (directory.empty()) return 0;
  return kernel.LoadLibraryA(directory + "\\" + name);
}

}  // namespace platform

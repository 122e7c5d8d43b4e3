#pragma once
// Libraries: the ones loaded into the process, loading and freeing others, and their entry
// points by name.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform {

constexpr std::uint32_t kLoadLibraryAsDatafile = 0x00000002;

class Modules {
 public:
  virtual ~Modules() = default;

  // Where system libraries are loaded from (system_library.h); empty when it cannot be read.
  virtual std::string GetSystemDirectoryA() = 0;
  virtual Handle GetModuleHandleA(const std::string& name) = 0;
  // A system library by its path in the system directory (system_library.h).
  virtual Handle LoadLibraryA(const std::string& name) = 0;
  // A library of the program by its UTF-8 path.
  virtual Handle LoadLibraryEx(const std::string& path, std::uint32_t flags) = 0;
  virtual bool FreeLibrary(Handle module) = 0;
  // 0 when the entry point does not exist.
  virtual ProcAddress GetProcAddress(Handle module, const std::string& name) = 0;
};

}  // namespace platform

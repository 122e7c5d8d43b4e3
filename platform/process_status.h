#pragma once
// The process status library (psapi.dll). It is bound at run time, so every operation takes the
// entry point the binding resolved; an entry point of 0 fails at once without calling anything,
// which lets one executable run where the library does not exist.
#include <cstdint>

#include "platform/types.h"

namespace platform {

class ProcessStatus {
 public:
  virtual ~ProcessStatus() = default;

  // Fills `buffer` (`bytes` long) with process ids and sets `bytes_returned`. False on failure,
  // `bytes_returned` then untouched.
  virtual bool EnumProcesses(ProcAddress fn, std::uint32_t* buffer, std::uint32_t bytes,
                             std::uint32_t& bytes_returned) = 0;
  // Path of `module` (0: the main executable) of `process` through the wide entry `fn`, as UTF-8
  // into `buffer` (`size` bytes), NUL-terminated and cut at a character boundary; returns the
  // bytes copied, 0 on failure.
  virtual int GetModuleFileNameExW(ProcAddress fn, Handle process, Handle module, char* buffer,
                                   int size) = 0;
};

}  // namespace platform

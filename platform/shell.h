#pragma once
// The shell32 operations the module uses: starting a program, a document or a link.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform {

constexpr int kSwShowNormal = 1;

class Shell {
 public:
  virtual ~Shell() = default;

  // ShellExecuteA: an empty verb is the default verb, empty parameters and directory are none.
  // Returns a value above 32 on success, an error code of 32 or less on failure.
  virtual std::intptr_t ShellExecuteA(WindowHandle owner, const std::string& verb,
                                      const std::string& file, const std::string& parameters,
                                      const std::string& directory, int show) = 0;
};

}  // namespace platform

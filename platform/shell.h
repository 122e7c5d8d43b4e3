#pragma once
// The shell32 operations the module uses: starting a program, a document or a link.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform {

constexpr int kSwShowNormal = 1;
// ShellExecuteEx: run the verb through the item's context menu (properties, for one).
constexpr std::uint32_t kSeeMaskInvokeIdList = 0x0C;

class Shell {
 public:
  virtual ~Shell() = default;

  // ShellExecute: an empty verb is the default verb, empty parameters and directory are none.
  // Returns a value above 32 on success, an error code of 32 or less on failure.
  virtual std::intptr_t ShellExecute(WindowHandle owner, const std::string& verb,
                                     const std::string& file, const std::string& parameters,
                                     const std::string& directory, int show) = 0;
  // ShellExecuteEx with a SHELLEXECUTEINFOA holding these fields and zero in all others;
  // true on success.
  virtual bool ShellExecuteEx(WindowHandle owner, std::uint32_t mask, const std::string& verb,
                              const std::string& file, int show) = 0;
};

}  // namespace platform

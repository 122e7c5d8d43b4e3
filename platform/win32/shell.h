#pragma once
#include "platform/shell.h"

namespace platform::win32 {

class Win32Shell : public platform::Shell {
 public:
  std::intptr_t ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory,
                             int show) override;
  bool ShellExecuteEx(WindowHandle owner, std::uint32_t mask, const std::string& verb,
                      const std::string& file, int show) override;
};

}  // namespace platform::win32

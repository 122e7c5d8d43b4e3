#pragma once
// What the program finds around it: its own executable, its command line, and which files exist.
#include <string>
#include <vector>

namespace platform {

class ProgramEnvironment {
 public:
  virtual ~ProgramEnvironment() = default;

  virtual bool FileExists(const std::string& path) = 0;
  // Full path of the running executable, in UTF-8 as every path the program holds.
  virtual std::string GetModuleFileName() = 0;
  // The command-line arguments after the program name, as the runtime splits them.
  virtual std::vector<std::string> CommandLineArguments() = 0;
};

}  // namespace platform

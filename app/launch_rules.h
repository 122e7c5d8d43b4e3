#pragma once
// The three rules that decide whether the module may run at all: started with a known switch,
// the base module running (unless stand-alone), the base module installed one level up.
#include <string>

#include "platform/kernel.h"
#include "platform/user_interface.h"

namespace app {

inline constexpr char kApplicationTitle[] = "Ravo Info Process";
inline constexpr char kSwitchFromBaseModule[] = "-rvinfo";
inline constexpr char kSwitchStandAlone[] = "-start";
inline constexpr char kBaseModuleMutex[] = "Ravo Info running";
inline constexpr char kBaseModuleFile[] = "RvInfo.exe";

// 1-based position of the last `ch` at or before 1-based `start`; 0 when none or out of range.
int LastCharPos(const std::string& text, char ch, int start);
std::string ExecutablePath(platform::ProgramEnvironment& kernel);
// The executable's directory with its trailing separator.
std::string ExecutableDirectory(platform::ProgramEnvironment& kernel);

class LaunchRules {
 public:
  LaunchRules(platform::Kernel& kernel, platform::UserInterface& ui) : kernel_(kernel), ui_(ui) {}

  // Each shows its rule's two messages when it fails; the caller then quits.
  bool CheckLaunchSwitch();
  bool CheckBaseModuleRunning();
  bool CheckBaseModuleFile();
  // All three in order, stopping at the first that fails.
  bool AllPass();

 private:
  std::string FirstArgument();
  void Refuse(const char* reason);

  platform::Kernel& kernel_;
  platform::UserInterface& ui_;
};

}  // namespace app

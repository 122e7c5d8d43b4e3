#include "app/launch_rules.h"

namespace app {
namespace {

constexpr char kNotFromMainModule[] = "Application isn\xC2\xB4t start from main module!";
constexpr char kNoRunningBaseModule[] = "No running base module Ravo Info!";
constexpr char kNoBaseModuleFile[] = "No find base module Ravo Info!";
constexpr char kTerminated[] = "Aplication terminated";

}  // namespace

int LastCharPos(const std::string& text, char ch, int start) {
  if (start < 1 || start > static_cast<int>(text.size())) return 0;
  for (int i = start; i >= 1; --i)
    if (text[static_cast<std::size_t>(i - 1)] == ch) return i;
  return 0;
}

std::string ExecutablePath(platform::ProgramEnvironment& kernel) {
  return kernel.GetModuleFileName();
}

std::string ExecutableDirectory(platform::ProgramEnvironment& kernel) {
  const std::string path = ExecutablePath(kernel);
  std::string::size_type end = path.find_last_of("\\:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

std::string LaunchRules::FirstArgument() {
  std::vector<std::string> arguments = kernel_.CommandLineArguments();
  return arguments.empty() ? std::string() : arguments.front();
}

void LaunchRules::Refuse(const char* reason) {
  const std::uint32_t type = platform::kMbOk | platform::kMbIconError | platform::kMbTaskModal;
  ui_.MessageBox(0, reason, kApplicationTitle, type);
  ui_.MessageBox(0, kTerminated, kApplicationTitle, type);
}

bool LaunchRules::CheckLaunchSwitch() {
  const std::string first = FirstArgument();
  if (first == kSwitchFromBaseModule || first == kSwitchStandAlone) return true;
  Refuse(kNotFromMainModule);
  return false;
}

bool LaunchRules::CheckBaseModuleRunning() {
  if (FirstArgument() == kSwitchStandAlone) return true;
  platform::Handle mutex = kernel_.OpenMutexA(platform::kMutexAllAccess, true, kBaseModuleMutex);
  if (mutex != 0) {
    kernel_.CloseHandle(mutex);
    return true;
  }
  // Only "no such mutex" means the base module is not running; access denied means it is.
  const std::uint32_t error = kernel_.GetLastError();
  if (error == platform::kErrorFileNotFound || error == platform::kErrorInvalidName) {
    Refuse(kNoRunningBaseModule);
    return false;
  }
  return true;
}

bool LaunchRules::CheckBaseModuleFile() {
  std::string dir = ExecutableDirectory(kernel_);
  const int p = LastCharPos(dir, '\\', static_cast<int>(dir.size()) - 1);
  dir.resize(static_cast<std::size_t>(p));
  if (kernel_.FileExists(dir + kBaseModuleFile)) return true;
  Refuse(kNoBaseModuleFile);
  return false;
}

bool LaunchRules::AllPass() {
  return CheckLaunchSwitch() && CheckBaseModuleRunning() && CheckBaseModuleFile();
}

}  // namespace app

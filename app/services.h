#pragma once
// The platform the module runs on, handed to the windows that need it.
#include "platform/ini_files.h"
#include "platform/kernel.h"
#include "platform/native_system_info.h"
#include "platform/process_status.h"
#include "platform/registry.h"
#include "platform/timer_service.h"
#include "platform/user_interface.h"

namespace app {

struct Services {
  platform::Kernel& kernel;
  platform::UserInterface& ui;
  platform::IniFiles& ini;
  platform::TimerService& timers;
  platform::NativeSystemInfo& native;
  platform::Registry& registry;
  platform::ProcessStatus& process_status;
};

}  // namespace app

#pragma once
// The platform the module runs on, handed to the windows that need it.
#include "platform/code_page.h"
#include "platform/common_dialogs.h"
#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/image_list.h"
#include "platform/ini_files.h"
#include "platform/kernel.h"
#include "platform/native_system_info.h"
#include "platform/process_status.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_texts.h"
#include "platform/timer_service.h"
#include "platform/tool_help.h"
#include "platform/user_interface.h"
#include "platform/version_info.h"

namespace app {

struct Services {
  platform::Kernel& kernel;
  platform::UserInterface& ui;
  platform::IniFiles& ini;
  platform::TimerService& timers;
  platform::NativeSystemInfo& native;
  platform::Registry& registry;
  platform::ProcessStatus& process_status;
  platform::ToolHelp& tool_help;
  // ImageList1, the window-icon list the main window fills; it outlives the window.
  platform::ImageList& window_icons;
  // The language and About dialogs: restart, links, version resource, error texts; the
  // browser's file properties.
  platform::Shell& shell;
  platform::VersionInfo& versions;
  platform::SystemTexts& system_texts;
  // ImageList2, the left list's section images, filled by the main window.
  platform::ImageList& section_images;
  // Reports: the save and print dialogs, the files they write and the date they carry.
  platform::CommonDialogs& dialogs;
  platform::Files& files;
  platform::DateTime& clock;
  // The system's ANSI code page, which report and hand-off files are written in.
  platform::CodePage& code_page;
};

}  // namespace app

#pragma once
// What the About dialog needs of the program around it.
#include <string>

#include "platform/date_time.h"
#include "platform/ini_files.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/system_texts.h"
#include "platform/user_interface.h"
#include "platform/version_info.h"

namespace about {

struct AboutServices {
  platform::Kernel& kernel;
  platform::UserInterface& ui;
  platform::IniFiles& ini;
  platform::Shell& shell;
  platform::VersionInfo& versions;
  platform::SystemTexts& texts;
  platform::DateTime& clock;  // the file date in the user's format
  // Captions the dialog's message boxes.
  std::string message_caption;
};

}  // namespace about

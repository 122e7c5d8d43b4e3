#pragma once
// The language dialog: one flag button per language, enabled where the language's library lies
// beside the executable, the stored choice shown down. Ok stores the choice in the ini file and
// offers to restart the module, which reads the language only when it starts.
#include <string>

#include "i18n/languages.h"
#include "platform/ini_files.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/user_interface.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/speed_button.h"

namespace i18n {

inline constexpr char kRestartQuestion[] =
    "Changing language will take effect after you restart the application.Would You like to "
    "exit?";

class TLanguagesettings : public ui::Form {
 public:
  // Its client area; the frame around it is the system's.
  static constexpr int kClientWidth = 169;
  static constexpr int kClientHeight = 224;

  // Ok writes the chosen code to `ini_path`.
  TLanguagesettings(ui::Form* owner, platform::IniFiles& ini, std::string ini_path);

  // The language button of kLanguages[index].
  ui::TSpeedButton& LanguageButton(std::size_t index);
  // The code of the button that is down; "" when none is.
  std::string DownCode();

  void SpeedButton8Click();
  void SpeedButton9Click();

  ui::Panel Panel1;
  ui::TSpeedButton SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5,
      SpeedButton6, SpeedButton7;
  ui::Label CZ, DE, EN, ES, FR, IT, RU;
  ui::TSpeedButton SpeedButton8;
  ui::TSpeedButton SpeedButton9;

 private:
  void Build();

  platform::IniFiles& ini_;
  std::string ini_path_;
};

// What opening the dialog needs of the program around it.
struct LanguageDialogServices {
  platform::Kernel& kernel;
  platform::UserInterface& ui;
  platform::IniFiles& ini;
  platform::Shell& shell;
  ui::Application& application;
  // The switch this instance was started with: a restart keeps it, so a stand-alone instance
  // comes back stand-alone.
  std::string start_switch;
};

// Shows the dialog modally over `owner`, unless it is open already. True only when the user
// chose to exit for a restart; the new instance has then been started and the application
// asked to terminate.
bool ShowLanguageDialog(ui::Form& owner, const LanguageDialogServices& services);

}  // namespace i18n

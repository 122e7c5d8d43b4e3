#include "i18n/language_dialog.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_form_host.h"
#include "tests/fakes/fake_ini_files.h"
#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_user_interface.h"
#include "tests/ui/layout_faults.h"

namespace {

constexpr char kExe[] = "C:\\Suite\\Process\\RvProcesess.exe";
constexpr char kIni[] = "C:\\Suite\\Process\\RvProcesess.ini";

struct LanguageDialogFixture : ::testing::Test {
  fakes::FakeKernel kernel;
  fakes::FakeUserInterface ui;
  fakes::FakeIniFiles ini;
  fakes::FakeShell shell;
  fakes::FakeFormHost host;
  ui::Application application;
  ui::Form main{"ProcesessFrm", "TProcesessFrm"};

  void SetUp() override {
    application.AttachHost(&host);
    host.CreateWindows(main);
  }
  bool Show(const std::string& start_switch = "-rvinfo") {
    return i18n::ShowLanguageDialog(main, {kernel, ui, ini, shell, application, start_switch});
  }
};

// What the open dialog shows: "E" or "-" per language button (enabled), then the code down.
std::string Shown(i18n::TLanguagesettings& d) {
  std::string enabled;
  for (std::size_t i = 0; i < i18n::kLanguages.size(); ++i)
    enabled += d.LanguageButton(i).Enabled() ? 'E' : '-';
  return enabled + " " + d.DownCode();
}

void ClickButton(ui::TSpeedButton& b) {
  b.MouseDown(ui::MouseButton::kLeft, {5, 5}, 0);
  b.MouseUp(ui::MouseButton::kLeft, {5, 5}, 0);
}

TEST_F(LanguageDialogFixture, OpensWithInstalledLanguagesAndStoresTheChoiceOnOk) {
  struct Case {
    const char* name;
    std::vector<std::string> installed;
    const char* stored;  // nullptr: no key
    const char* shown;
    int click;  // language button clicked before Ok, -1 none; -2 Cancel instead of Ok
    const char* stored_after;
  } cases[] = {
      {"no library", {}, "FR", "------- FR", -1, "FR"},
      {"no library, click ignored", {}, "FR", "------- FR", 1, "FR"},
      {"EN and RUS only", {"EN", "RUS"}, "RUS", "--E---E RUS", 2, "EN"},
      {"lower-case value", {"DE", "EN"}, "de", "-EE---- ", -1, ""},
      {"no key, cancelled", {"EN"}, nullptr, "--E---- EN", -2, "EN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kernel.files.clear();
    ini.files.clear();
    for (const std::string& code : c.installed) kernel.InstallLanguageLibrary(code);
    if (c.stored) ini.files[kIni]["Options"]["Language"] = c.stored;
    ui.answers = {platform::kIdNo};
    host.while_modal = [&](ui::Form& form) {
      auto& dialog = static_cast<i18n::TLanguagesettings&>(form);
      EXPECT_EQ(Shown(dialog), c.shown);
      // The two commands share one pixel column, as they always have.
      EXPECT_EQ(testing_layout::LayoutFaults(dialog, {"SpeedButton8/SpeedButton9"}),
                std::vector<std::string>{});
      EXPECT_EQ(ini.Value(kIni, "Options", "Language"), c.stored ? c.stored : "EN");
      EXPECT_FALSE(Show()) << "a second dialog while one is open";
      // Twice: the second click must leave a down button down.
      for (int i = 0; c.click >= 0 && i < 2; ++i)
        ClickButton(dialog.LanguageButton(static_cast<std::size_t>(c.click)));
      ClickButton(c.click == -2 ? dialog.SpeedButton9 : dialog.SpeedButton8);
    };
    EXPECT_FALSE(Show());
    EXPECT_EQ(ini.Value(kIni, "Options", "Language"), c.stored_after);
    EXPECT_EQ(ui.messages.size(), c.click == -2 ? 0u : 1u);
    ui.messages.clear();
  }
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_FALSE(application.Terminated());
}

TEST_F(LanguageDialogFixture, YesRestartsWithTheSwitchThisInstanceWasStartedWith) {
  kernel.InstallLanguageLibrary("DE");
  for (const char* start_switch : {"-start", "-rvinfo"}) {
    SCOPED_TRACE(start_switch);
    shell.calls.clear();
    ui.messages.clear();
    ui.answers = {platform::kIdYes};
    host.while_modal = [](ui::Form& form) {
      auto& dialog = static_cast<i18n::TLanguagesettings&>(form);
      ClickButton(dialog.SpeedButton2);
      ClickButton(dialog.SpeedButton8);
    };
    EXPECT_TRUE(Show(start_switch));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Changing language will take effect after you restart the application.Would You "
              "like to exit?");
    EXPECT_EQ(ui.messages[0].type, platform::kMbYesNo | platform::kMbIconInformation);
    ASSERT_EQ(shell.calls.size(), 1u);
    const fakes::FakeShell::Call& c = shell.calls[0];
    EXPECT_EQ(std::to_string(c.owner) + "|" + c.verb + "|" + c.file + "|" + c.parameters + "|" +
                  c.directory + "|" + std::to_string(c.show),
              std::string("0||") + kExe + "|" + start_switch + "||1");
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(ini.Value(kIni, "Options", "Language"), "DE");
  }
}

}  // namespace

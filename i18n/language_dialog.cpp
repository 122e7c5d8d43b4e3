#include "i18n/language_dialog.h"

#include <exception>

#include "i18n/ini_settings.h"
#include "i18n/language_dialog_pictures.h"
#include "i18n/language_library.h"

namespace i18n {
namespace {

constexpr platform::Color kPanelColor = platform::Rgb(216, 208, 146);
constexpr int kLanguageGroup = 1;
constexpr int kFlagSize = 20;
constexpr char kRestartCaption[] = "Information";

// The dialog that is open, if any: there is never more than one.
TLanguagesettings* Languagesettings = nullptr;

}  // namespace

TLanguagesettings::TLanguagesettings(ui::Form* owner, platform::IniFiles& ini, std::string ini_path)
    : ui::Form("Languagesettings", "TLanguagesettings", owner),
      Panel1("Panel1", this),
      SpeedButton1("SpeedButton1", &Panel1),
      SpeedButton2("SpeedButton2", &Panel1),
      SpeedButton3("SpeedButton3", &Panel1),
      SpeedButton4("SpeedButton4", &Panel1),
      SpeedButton5("SpeedButton5", &Panel1),
      SpeedButton6("SpeedButton6", &Panel1),
      SpeedButton7("SpeedButton7", &Panel1),
      CZ("CZ", &Panel1),
      DE("DE", &Panel1),
      EN("EN", &Panel1),
      ES("ES", &Panel1),
      FR("FR", &Panel1),
      IT("IT", &Panel1),
      RU("RU", &Panel1),
      SpeedButton8("SpeedButton8", &Panel1),
      SpeedButton9("SpeedButton9", &Panel1),
      ini_(ini),
      ini_path_(std::move(ini_path)) {
  Build();
}

void TLanguagesettings::Build() {
  SetText("Languagesettings");
  SetClientSize(kClientWidth, kClientHeight);
  SetFixedSize(true);
  SetDialogFrame(true);
  SetDesktopCentred(true);
  SetFont(platform::Font{"MS Sans Serif", 8, platform::clWindowText, 0});
  SetBackground(LanguageDialogTile());

  Panel1.SetBounds(platform::RectOfSize(4, 4, 161, 216));
  Panel1.SetColor(kPanelColor);
  ui::Label* labels[] = {&CZ, &DE, &EN, &ES, &FR, &IT, &RU};
  for (std::size_t i = 0; i < kLanguages.size(); ++i) {
    const int top = 8 + 24 * static_cast<int>(i);
    ui::TSpeedButton& button = LanguageButton(i);
    button.SetBounds(platform::RectOfSize(16, top, 23, 23));
    button.SetGroupIndex(kLanguageGroup);
    button.SetGlyph(FlagPicture(kLanguages[i].flag, kFlagSize));
    labels[i]->SetBounds(platform::RectOfSize(48, top + 8, 24, 13));
    labels[i]->SetTransparent(true);
    labels[i]->SetText(kLanguages[i].label);
    // The flag is the button's only face: screen readers name it by its label.
    button.SetAccessibleName(kLanguages[i].label);
  }

  platform::Font bold = Font();
  bold.style = platform::kFontBold;
  struct Command {
    ui::TSpeedButton& button;
    int left;
    const char* caption;
    ui::Picture glyph;
  } commands[] = {{SpeedButton8, 8, "Ok", OkGlyph()}, {SpeedButton9, 80, "Cancel", CancelGlyph()}};
  for (Command& c : commands) {
    c.button.SetBounds(platform::RectOfSize(c.left, 180, 73, 25));
    c.button.SetFont(bold);
    c.button.SetText(c.caption);
    c.button.SetGlyph(std::move(c.glyph));
  }
  SpeedButton8.OnClick = [this](ui::TSpeedButton&) { SpeedButton8Click(); };
  SpeedButton9.OnClick = [this](ui::TSpeedButton&) { SpeedButton9Click(); };
}

ui::TSpeedButton& TLanguagesettings::LanguageButton(std::size_t index) {
  ui::TSpeedButton* buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4,
                                 &SpeedButton5, &SpeedButton6, &SpeedButton7};
  return *buttons[index];
}

std::string TLanguagesettings::DownCode() {
  for (std::size_t i = 0; i < kLanguages.size(); ++i)
    if (LanguageButton(i).Down()) return kLanguages[i].code;
  return "";
}

void TLanguagesettings::SpeedButton8Click() {
  WriteIniString(ini_, ini_path_, kOptionsSection, kLanguageKey, DownCode());
  SetModalResult(ui::mrOk);
  Close();
}

void TLanguagesettings::SpeedButton9Click() {
  SetModalResult(ui::mrCancel);
  Close();
}

bool ShowLanguageDialog(ui::Form& owner, const LanguageDialogServices& services) {
  if (Languagesettings) return false;
  const std::string executable = services.kernel.GetModuleFileName();
  const std::string ini_path = ChangeFileExt(executable, ".ini");
  bool accepted = false;
  try {
    TLanguagesettings dialog(&owner, services.ini, ini_path);
    Languagesettings = &dialog;
    struct ClearReference {
      ~ClearReference() { Languagesettings = nullptr; }
    } clear;
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
      const std::string library = LanguageLibraryPath(executable, kLanguages[i].code);
      dialog.LanguageButton(i).SetEnabled(services.kernel.FileExists(library));
    }
    std::string stored;
    if (!ReadIniString(services.ini, ini_path, kOptionsSection, kLanguageKey, stored)) {
      stored = kFallbackLanguage;
      WriteIniString(services.ini, ini_path, kOptionsSection, kLanguageKey, stored);
    }
    // Down even when disabled: the user sees what is stored, whether or not it is installed.
    for (std::size_t i = 0; i < kLanguages.size(); ++i)
      if (stored == kLanguages[i].code) dialog.LanguageButton(i).SetDown(true);
    accepted = dialog.ShowModal() == ui::mrOk;
  } catch (const std::exception&) {
    // The dialog could not be made or shown: the program goes on as before.
  }
  if (!accepted) return false;
  const int answer = services.ui.MessageBox(owner.Handle(), kRestartQuestion, kRestartCaption,
                                            platform::kMbYesNo | platform::kMbIconInformation);
  if (answer != platform::kIdYes) return false;
  try {
    services.shell.ShellExecute(0, "", executable, services.start_switch, "",
                                platform::kSwShowNormal);
  } catch (const std::exception&) {
    // The old instance ends whether or not the new one could be started.
  }
  services.application.Terminate();
  return true;
}

}  // namespace i18n

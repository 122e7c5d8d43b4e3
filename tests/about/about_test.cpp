#include <gtest/gtest.h>

#include "about/dlg_about.h"
#include "about/file_version.h"
#include "about/rv_info_about.h"
#include "about/version_info_item.h"
#include "tests/fakes/fake_form_host.h"
#include "tests/fakes/fake_ini_files.h"
#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_report_platform.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_system_texts.h"
#include "tests/fakes/fake_user_interface.h"
#include "tests/fakes/fake_version_info.h"

namespace {

constexpr char kExe[] = "C:\\Suite\\Process\\RvProcesess.exe";
constexpr char kIni[] = "C:\\Suite\\Process\\RvProcesess.ini";

struct AboutFixture : ::testing::Test {
  fakes::FakeKernel kernel;
  fakes::FakeUserInterface ui;
  fakes::FakeIniFiles ini;
  fakes::FakeShell shell;
  fakes::FakeVersionInfo versions;
  fakes::FakeSystemTexts texts;
  fakes::FakeFormHost host;
  ui::Form main{"ProcesessFrm", "TProcesessFrm"};
  fakes::FakeDateTime clock;
  about::AboutServices services{.kernel = kernel,
                                .ui = ui,
                                .ini = ini,
                                .shell = shell,
                                .versions = versions,
                                .texts = texts,
                                .clock = clock,
                                .message_caption = "Ravo Info Process"};

  void SetUp() override { host.CreateWindows(main); }
  void SetStrings(const std::string& translation, const std::string& internal_name) {
    const std::pair<const char*, std::string> values[] = {
        {"CompanyName", "Ravo"},        {"LegalTrademarks", "TM"},  {"InternalName", internal_name},
        {"FileDescription", "Viewer"},  {"FileVersion", "1.2.3.4"}, {"LegalCopyright", "(c) Ravo"},
        {"OriginalFilename", "Rv.exe"}, {"Comments", "Notes"},      {"ProductName", "Ravo Info"},
        {"ProductVersion", "1.2"},
    };
    for (const auto& [key, value] : values) versions.SetString(kExe, translation, key, value);
  }
};

TEST_F(AboutFixture, ValuesComeFromTheListedTranslationOrTheDefaultOne) {
  struct Case {
    std::vector<std::uint8_t> table;  // empty: no translation table at all
    const char* looked_up;
  } cases[] = {
      {{0x09, 0x04, 0xB0, 0x04}, "040904B0"},
      {{0x07, 0x04, 0xE4, 0x04, 0x09, 0x04, 0xB0, 0x04}, "040704E4"},
      {{0xB0, 0x04}, "040904B0"},  // a short table: U.S. English and its first word
      {{}, "040904E4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.looked_up);
    versions.files.clear();
    SetStrings(c.looked_up, "Name");
    if (!c.table.empty()) versions.files[kExe]["\\VarFileInfo\\Translation"] = c.table;
    // The fixed part: file version 5.6.7.8 in its two words.
    versions.files[kExe]["\\"] = {0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 5, 0,
                                  8, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    about::TFileVersion version(kernel, versions);
    version.SetForceEXE(true);
    EXPECT_EQ(version.CompanyName(), "Ravo");
    EXPECT_EQ(version.FileVersion().AsString(), "1.2.3.4");
  }
  versions.files[kExe].erase("\\StringFileInfo\\040904E4\\FileVersion");
  about::TFileVersion version(kernel, versions);
  version.SetFilename(kExe);
  EXPECT_EQ(version.FileVersion().AsString(), "5.6.7.8");
  version.SetFilename("C:\\none.exe");
  EXPECT_EQ(version.CompanyName(), "");
  EXPECT_FALSE(version.FileVersion().present);
}

TEST_F(AboutFixture, SetDlgShowsTheRunLanguageAndSizesTheName) {
  struct Case {
    const char* run_lang;  // nullptr: no key
    const char* name;
    const char* title;
    const char* flag;
    int font_size, top;
  } cases[] = {
      {"de", "Fifteen chars.\xC3\xA9",  // 15 characters in 16 bytes
       "\xC3\x9C"
       "ber Applikacion",
       "ImageDE", 16, 194},
      {"EN", "Sixteen chars...", "About", "ImageEN", 12, 198},
      {"Csy", "", "O Aplikaci", "ImageCSY", 16, 194},
      {nullptr, "Name", "About", "ImageEN", 16, 194},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    ini.files.clear();
    if (c.run_lang) ini.files[kIni]["Options"]["RunLang"] = c.run_lang;
    SetStrings("040904E4", c.name);
    about::TDlgAbout dialog(&main, services);
    EXPECT_TRUE(dialog.SetDlg());
    EXPECT_EQ(dialog.Text(), c.title);
    std::string visible;
    for (ui::Component* child : dialog.Children())
      if (child->Name().starts_with("Image") && child->Name() != "ImageLogo" &&
          child->Name() != "ImageCopyr" && child->Visible())
        visible += child->Name();
    EXPECT_EQ(visible, c.flag);
    EXPECT_EQ(dialog.LabelName.Text(), c.name);
    EXPECT_EQ(dialog.LabelName.Font().size, c.font_size);
    EXPECT_EQ(dialog.LabelName.Bounds().top, c.top);
    EXPECT_EQ(dialog.LabelName.Hint() + "|" + dialog.LabelVer.Text() + "|" +
                  dialog.LabelVer.Hint() + "|" + dialog.LabelCopyr1.Text(),
              "Notes|1.2|Build:  1.2.3.4|(c) Ravo");
  }
}

TEST_F(AboutFixture, LinksOpenOncePerClickAndReportAFailedStart) {
  about::TDlgAbout dialog(&main, services);
  dialog.SetDlg();
  ui::TExLabel& www = dialog.LabelWww;
  www.MouseDown(ui::MouseButton::kLeft, {2, 2}, 0);
  www.MouseUp(ui::MouseButton::kLeft, {2, 2}, 0);
  www.MouseDoubleClick(ui::MouseButton::kLeft, {2, 2}, 0);
  www.MouseUp(ui::MouseButton::kLeft, {2, 2}, 0);
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[1].verb + " " + shell.calls[1].file, "open http://www.ravo-info.example");
  EXPECT_TRUE(ui.messages.empty());

  shell.result = 2;
  texts.messages[0] = "No error.";
  dialog.LabelMailClick();
  EXPECT_EQ(shell.calls.back().file, "mailto:support@ravo-info.example");
  EXPECT_EQ(ui.MessageTexts(),
            std::vector<std::string>{"Error no.0 of 'ShellExecute' design!\\n\\nNo error."});
}

TEST_F(AboutFixture, ExecuteAnswersTheModalResultOrThreeWithBothMessages) {
  about::TRvInfoAbout about(main, services);
  EXPECT_EQ(about.Execute(), ui::mrCancel);
  EXPECT_TRUE(ui.messages.empty());
  host.fail_create = true;
  EXPECT_EQ(about.Execute(), about::kNotShown);
  EXPECT_EQ(
      ui.MessageTexts(),
      (std::vector<std::string>{"Error open dialog !\\n\\nThe dialog's window cannot be created.",
                                "Not show 'About' !"}));
}

}  // namespace

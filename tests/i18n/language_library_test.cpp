#include "i18n/language_library.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ini_files.h"
#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_user_interface.h"

namespace {

constexpr char kIni[] = "C:\\Suite\\Process\\RvProcesess.ini";
constexpr char kBase[] = "C:\\Suite\\Process\\RvProcesess";

struct LanguageFixture : ::testing::Test {
  fakes::FakeKernel kernel;
  fakes::FakeUserInterface ui;
  fakes::FakeIniFiles ini;
  i18n::LanguageLibrary library{kernel, ui, ini, "Ravo Info Process"};

  std::string Ini(const std::string& key) { return ini.Value(kIni, "Options", key); }
};

TEST(LanguageCodeOf, MapsPrimaryLanguagesAndFallsBackToEnglish) {
  struct Case {
    std::uint16_t lang_id;
    const char* code;
  } cases[] = {
      {0x0405, "CSY"}, {0x0407, "DE"}, {0x0807, "DE"}, {0x0409, "EN"},
      {0x0C0A, "ES"},  {0x040C, "FR"}, {0x0410, "IT"}, {0x0419, "RUS"},
      {0x0416, "EN"},  {0x0411, "EN"}, {0x0000, "EN"}, {0xFC07, "DE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lang_id);
    EXPECT_EQ(i18n::LanguageCodeOf(c.lang_id), c.code);
  }
}

TEST_F(LanguageFixture, FirstStartOnAGermanSystemWritesBothKeysAndLoadsGerman) {
  kernel.system_lang_id = 0x0407;
  kernel.InstallLanguageLibrary("DE", 0x5000);
  ASSERT_TRUE(library.LoadLanguageLibrary());
  EXPECT_EQ(library.Handle(), 0x5000u);
  EXPECT_EQ(Ini("Language"), "DE");
  EXPECT_EQ(Ini("RunLang"), "DE");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(kernel.Called("LoadLibraryEx(C:\\Suite\\Process\\RvProcesessDE.dll,2)"));
}

TEST_F(LanguageFixture, MissingChosenLibraryShowsOneMessageAndRepairsTheIniToEnglish) {
  ini.files[kIni]["Options"]["Language"] = "FR";
  kernel.InstallLanguageLibrary("EN", 0x6000);
  EXPECT_EQ(library.ResolveLanguageLibraryPath(), std::string(kBase) + "EN.dll");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Jazykov\xC3\xA1 mutace FR modulu neexistuje!");
  EXPECT_EQ(ui.messages[0].type & 0xF0, platform::kMbIconError);
  EXPECT_EQ(Ini("Language"), "EN");
  EXPECT_EQ(Ini("RunLang"), "EN");
}

TEST_F(LanguageFixture, EmptyLanguageValueIsTakenAsTheCode) {
  ini.files[kIni]["Options"]["Language"] = "";
  library.ResolveLanguageLibraryPath();
  EXPECT_TRUE(kernel.Called(std::string("FileExists(") + kBase + ".dll)"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Jazykov\xC3\xA1 mutace  modulu neexistuje!");
}

TEST_F(LanguageFixture, ErrorMarkerInTheIniCountsAsAbsent) {
  ini.files[kIni]["Options"]["Language"] = "<Error>";
  kernel.system_lang_id = 0x0410;
  kernel.InstallLanguageLibrary("IT", 0x7000);
  library.LoadLanguageLibrary();
  EXPECT_EQ(Ini("Language"), "IT");
  EXPECT_EQ(library.Handle(), 0x7000u);
}

TEST_F(LanguageFixture, EnglishMissingTooGivesTheMarkerEverywhere) {
  ini.files[kIni]["Options"]["Language"] = "RUS";
  library.LoadLanguageLibrary();
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(library.Handle(), 0u);
  EXPECT_EQ(library.TextById(10), "<No load message>");
}

TEST_F(LanguageFixture, FailedIniWritesAreIgnored) {
  ini.writable = false;
  kernel.InstallLanguageLibrary("EN", 0x6000);
  EXPECT_EQ(library.ResolveLanguageLibraryPath(), std::string(kBase) + "EN.dll");
}

TEST_F(LanguageFixture, TextByIdReadsTheLoadedLibrary) {
  kernel.InstallLanguageLibrary("EN", 0x6000);
  library.LoadLanguageLibrary();
  ui.strings[{0x6000, 10}] = "Report";
  ui.strings[{0x6000, 11}] = std::string("Ab\0out", 6);
  ui.strings[{0x6000, 12}] = std::string(2000, 'x');
  EXPECT_EQ(library.TextById(10), "Report");
  EXPECT_EQ(library.TextById(11), "Ab");
  EXPECT_EQ(library.TextById(12), std::string(1023, 'x'));
  for (int id : {0, -1, 9999}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(library.TextById(id), "<No load message>");
  }
}

TEST_F(LanguageFixture, ReloadingFreesTheEarlierLibrary) {
  kernel.InstallLanguageLibrary("EN", 0x6000);
  library.LoadLanguageLibrary();
  library.LoadLanguageLibrary();
  ASSERT_EQ(kernel.freed_modules.size(), 1u);
  EXPECT_EQ(kernel.freed_modules[0], 0x6000u);
}

}  // namespace

#include "i18n/ini_settings.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ini_files.h"

namespace {

constexpr char kIni[] = "C:\\Suite\\Process\\RvProcesess.ini";

TEST(ReadIniString, AbsentKeyUnreadableFileAndErrorMarkerAllFail) {
  fakes::FakeIniFiles ini;
  std::string value = "untouched";
  EXPECT_FALSE(i18n::ReadIniString(ini, kIni, "Options", "Language", value));
  ini.files[kIni]["Options"]["Language"] = "<Error>";
  EXPECT_FALSE(i18n::ReadIniString(ini, kIni, "Options", "Language", value));
  ini.files[kIni]["Options"]["Language"] = "DE";
  ini.readable = false;
  EXPECT_FALSE(i18n::ReadIniString(ini, kIni, "Options", "Language", value));
  EXPECT_EQ(value, "untouched");
}

TEST(ReadIniString, EmptyValueIsAValue) {
  fakes::FakeIniFiles ini;
  ini.files[kIni]["Options"]["Language"] = "";
  std::string value = "x";
  EXPECT_TRUE(i18n::ReadIniString(ini, kIni, "Options", "Language", value));
  EXPECT_EQ(value, "");
}

TEST(ChangeFileExt, ReplacesOnlyTheFileNamesExtension) {
  struct Case {
    const char* path;
    const char* ext;
    const char* expected;
  } cases[] = {
      {"C:\\Suite\\Process\\RvProcesess.exe", ".ini", "C:\\Suite\\Process\\RvProcesess.ini"},
      {"C:\\Suite\\Process\\RvProcesess.exe", "", "C:\\Suite\\Process\\RvProcesess"},
      {"C:\\Su.ite\\Process\\RvProcesess", ".ini", "C:\\Su.ite\\Process\\RvProcesess.ini"},
      {"C:RvProcesess", ".ini", "C:RvProcesess.ini"},
      {"a.b.exe", ".ini", "a.b.ini"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(i18n::ChangeFileExt(c.path, c.ext), c.expected);
  }
}

}  // namespace

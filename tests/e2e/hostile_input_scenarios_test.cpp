// Damaged files beside the module: it starts all the same, says only what it must, and shows
// what it could read.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string IniValue(const std::string& ini, const char* key) {
  char value[64];
  const DWORD n =
      ::GetPrivateProfileStringA("Options", key, "<absent>", value, sizeof value, ini.c_str());
  return std::string(value, n);
}

struct DamagedFiles {
  const char* name;
  std::function<void(const std::string& process_dir)> damage;
  const char* caption;      // of the report button
  const char* message_box;  // the start of the one message shown, "" for none
  const char* run_language;
};

std::ostream& operator<<(std::ostream& out, const DamagedFiles& files) {
  return out << files.name;
}

std::string AllBytes(int repeat) {
  std::string bytes;
  for (int r = 0; r < repeat; ++r)
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

void LanguageDe(const std::string& dir) {
  ::WritePrivateProfileStringA("Options", "Language", "DE", (dir + "RvProcesess.ini").c_str());
}

const DamagedFiles kDamagedFiles[] = {
    {"LanguageLibraryNotAProgram",
     [](const std::string& dir) {
       LanguageDe(dir);
       WriteFile(dir + "RvProcesessDE.dll",
                 "MZ but nothing of a program follows\r\n" + std::string(4000, 'x'));
     },
     "<No load message>", "", "DE"},
    {"LanguageLibraryWithoutStringTable",
     [](const std::string& dir) {
       LanguageDe(dir);
       ::CopyFileA((e2e::TestsDirectory() + "rv_churn.exe").c_str(),
                   (dir + "RvProcesessDE.dll").c_str(), FALSE);
     },
     "<No load message>", "", "DE"},
    {"BinaryIniFile",
     [](const std::string& dir) { WriteFile(dir + "RvProcesess.ini", AllBytes(16)); }, "Report", "",
     "EN"},
    {"IniFileWithA100kBLine",
     [](const std::string& dir) {
       WriteFile(dir + "RvProcesess.ini",
                 "[Options]\r\nNote=" + std::string(100 * 1024, 'n') + "\r\nLanguage=DE\r\n");
     },
     "Bericht", "", "DE"},
    {"IniFileWithA100kBLanguage",
     [](const std::string& dir) {
       WriteFile(dir + "RvProcesess.ini",
                 "[Options]\r\nLanguage=" + std::string(100 * 1024, 'L') + "\r\n");
     },
     "Report", "Jazykov\xC3\xA1 mutace LLLL", "EN"},
};

struct HostileFileScenario : ::testing::TestWithParam<DamagedFiles> {};

TEST_P(HostileFileScenario, TheModuleStartsAndShowsWhatItCouldRead) {
  const DamagedFiles& files = GetParam();
  const std::string suite = e2e::CopySuite(std::string("hostile-") + files.name, true);
  const std::string dir = suite + "Process\\";
  files.damage(dir);
  e2e::Program module(dir + "RvProcesess.exe", "-start", dir);
  ASSERT_TRUE(module.Started());
  HWND main = nullptr;
  std::string box;
  ASSERT_TRUE(e2e::WaitFor(
      [&] {
        for (HWND w : e2e::TopLevelWindows("#32770", module.Id()))
          if (::IsWindowVisible(w)) box = e2e::AnswerMessageBox(module.Id(), IDOK);
        return (main = e2e::WaitForWindow("TProcesessFrm", module.Id(), milliseconds(100))) !=
               nullptr;
      },
      30000))
      << e2e::OpenMessageBoxes();
  EXPECT_EQ(box.substr(0, std::string(files.message_box).size()), files.message_box) << box;
  EXPECT_EQ(box.empty(), std::string(files.message_box).empty()) << box;
  EXPECT_TRUE(
      e2e::WaitFor([&] { return e2e::ChildWithText(main, files.caption) != nullptr; }, 5000))
      << files.caption;
  EXPECT_EQ(IniValue(dir + "RvProcesess.ini", "RunLang"), files.run_language);
  ::Sleep(1500);  // a refresh tick or two on top
  DWORD_PTR answer = 0;
  EXPECT_TRUE(::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
  EXPECT_EQ(e2e::OpenMessageBoxes(), " (no message box open)");
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(module.WaitForExit(milliseconds(10000)));
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFileScenario, ::testing::ValuesIn(kDamagedFiles),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

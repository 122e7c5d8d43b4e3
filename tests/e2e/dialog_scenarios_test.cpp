// The language dialog and the About dialog, driven from outside as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;

constexpr char kRestartQuestion[] =
    "Changing language will take effect after you restart the application.Would You like to "
    "exit?";

std::string IniValue(const std::string& ini, const char* key) {
  char value[64];
  DWORD n =
      ::GetPrivateProfileStringA("Options", key, "<absent>", value, sizeof value, ini.c_str());
  return std::string(value, n);
}

std::vector<std::string> VisibleChildTexts(HWND parent) {
  std::vector<std::string> texts;
  for (HWND child : e2e::ChildWindows(parent))
    if (::IsWindowVisible(child) && !e2e::WindowText(child).empty())
      texts.push_back(e2e::WindowText(child));
  return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Waits for a message box of `process`, reads its text and presses `button` (IDYES, IDNO...).
std::string AnswerMessageBox(DWORD process, int button, milliseconds timeout) {
  const DWORD end = ::GetTickCount() + static_cast<DWORD>(timeout.count());
  while (::GetTickCount() < end) {
    for (HWND box : e2e::TopLevelWindows("#32770", process)) {
      HWND text = ::GetDlgItem(box, 0xFFFF);
      if (!text || !::IsWindowVisible(box)) continue;
      const std::string read = e2e::WindowText(text);
      ::PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
      return read;
    }
    ::Sleep(50);
  }
  return "<no message box>";
}

// A suite copy started stand-alone in English, its main window found.
struct StandAlone {
  std::string suite;
  std::string ini;
  e2e::Program module;
  HWND window = nullptr;

  explicit StandAlone(const std::string& name)
      : suite(e2e::CopySuite(name, true)),
        ini(suite + "Process\\RvProcesess.ini"),
        module((::WritePrivateProfileStringA("Options", "Language", "EN", ini.c_str()),
                suite + "Process\\RvProcesess.exe"),
               "-start", suite + "Process") {
    window = e2e::WaitForWindow("TProcesessFrm", module.Id(), milliseconds(30000));
  }

  // Clicks a top-bar button and waits for the dialog of class `dialog_class` it opens.
  HWND Open(const char* button, const char* dialog_class) {
    HWND b = e2e::ChildWithText(window, button);
    if (!b) return nullptr;
    e2e::Click(b, 10, 8);
    return e2e::WaitForWindow(dialog_class, module.Id(), milliseconds(15000));
  }
};

// The language dialog open, German chosen and confirmed with Ok.
void ChooseGerman(HWND dialog) {
  // The flag buttons have no caption: each sits left of its label, 32 pixels before it.
  HWND label = e2e::ChildWithText(dialog, "DE");
  ASSERT_NE(label, nullptr);
  RECT r;
  ::GetWindowRect(label, &r);
  HWND button = ::WindowFromPoint(POINT{r.left - 32 + 11, r.top - 8 + 11});
  ASSERT_NE(button, label);
  e2e::Click(button, 11, 11);
  HWND ok = e2e::ChildWithText(dialog, "Ok");
  ASSERT_NE(ok, nullptr);
  ::Sleep(200);
  e2e::Click(ok, 36, 12);
}

// A process this test did not start, ended when the test is done with it.
struct Adopted {
  HANDLE process = nullptr;
  explicit Adopted(DWORD id) : process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {}
  ~Adopted() {
    if (!process) return;
    ::TerminateProcess(process, 99);
    ::WaitForSingleObject(process, 5000);
    ::CloseHandle(process);
  }
};

std::string VersionString(const std::string& exe, const char* key) {
  DWORD handle = 0;
  std::vector<char> data(::GetFileVersionInfoSizeA(exe.c_str(), &handle));
  if (data.empty() || !::GetFileVersionInfoA(exe.c_str(), 0, data.size(), data.data())) return "";
  void* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
  if (!::VerQueryValueA(data.data(), path.c_str(), &value, &length) || !value) return "";
  return static_cast<const char*>(value);
}

TEST(LanguageDialog, GermanAndYesRestartsTheModuleStandAloneInGerman) {
  StandAlone run("language-restart");
  ASSERT_NE(run.window, nullptr);
  HWND dialog = run.Open("Language", "TLanguagesettings");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(e2e::WindowText(dialog), "Languagesettings");
  RECT r;
  ::GetWindowRect(dialog, &r);
  EXPECT_EQ(r.right - r.left, 177);
  EXPECT_EQ(r.bottom - r.top, 251);
  ::Sleep(300);
  e2e::SaveScreenshot(dialog, run.suite + "language-dialog.bmp");

  ChooseGerman(dialog);
  EXPECT_EQ(AnswerMessageBox(run.module.Id(), IDYES, milliseconds(15000)), kRestartQuestion);
  EXPECT_TRUE(run.module.WaitForExit(milliseconds(15000)));
  EXPECT_EQ(IniValue(run.ini, "Language"), "DE");

  // No base module runs: only the stand-alone switch lets the new instance start.
  HWND restarted = nullptr;
  const DWORD end = ::GetTickCount() + 30000;
  while (!restarted && ::GetTickCount() < end) {
    for (HWND w : e2e::TopLevelWindows("TProcesessFrm", 0)) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(w, &owner);
      if (owner != run.module.Id() && ::IsWindowVisible(w)) restarted = w;
    }
    ::Sleep(100);
  }
  ASSERT_NE(restarted, nullptr);
  DWORD id = 0;
  ::GetWindowThreadProcessId(restarted, &id);
  Adopted adopted(id);
  const auto texts = VisibleChildTexts(restarted);
  EXPECT_TRUE(Contains(texts, "Bericht"));
  EXPECT_FALSE(Contains(texts, "Report"));
  EXPECT_EQ(IniValue(run.ini, "RunLang"), "DE");
}

TEST(LanguageDialog, GermanAndNoStoresTheChoiceAndKeepsTheTexts) {
  StandAlone run("language-no-restart");
  ASSERT_NE(run.window, nullptr);
  HWND dialog = run.Open("Language", "TLanguagesettings");
  ASSERT_NE(dialog, nullptr);
  ChooseGerman(dialog);
  EXPECT_EQ(AnswerMessageBox(run.module.Id(), IDNO, milliseconds(15000)), kRestartQuestion);
  ::Sleep(500);
  EXPECT_TRUE(run.module.Running());
  EXPECT_EQ(IniValue(run.ini, "Language"), "DE");
  EXPECT_EQ(IniValue(run.ini, "RunLang"), "EN");
  const auto texts = VisibleChildTexts(run.window);
  EXPECT_TRUE(Contains(texts, "Report"));
  EXPECT_FALSE(Contains(texts, "Bericht"));
  EXPECT_FALSE(::IsWindowVisible(dialog));
}

TEST(AboutDialog, ShowsNameVersionAndCopyrightOfTheVersionResource) {
  StandAlone run("about");
  ASSERT_NE(run.window, nullptr);
  HWND dialog = run.Open("About", "TDlgAbout");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(e2e::WindowText(dialog), "About");
  RECT client;
  ::GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 281);

  const std::string exe = run.suite + "Process\\RvProcesess.exe";
  const auto texts = VisibleChildTexts(dialog);
  for (const char* key : {"InternalName", "ProductVersion", "LegalCopyright"}) {
    SCOPED_TRACE(key);
    const std::string expected = VersionString(exe, key);
    EXPECT_FALSE(expected.empty());
    EXPECT_TRUE(Contains(texts, expected));
  }
  EXPECT_EQ(VersionString(exe, "ProductVersion"), RV_VERSION);
  EXPECT_TRUE(Contains(texts, "www.ravo-info.example"));
  EXPECT_TRUE(Contains(texts, "support@ravo-info.example"));
  ::Sleep(300);
  e2e::SaveScreenshot(dialog, run.suite + "about-dialog.bmp");

  // The close box ends the dialog; the module goes on.
  ::PostMessageA(dialog, WM_CLOSE, 0, 0);
  const DWORD end = ::GetTickCount() + 10000;
  while (::IsWindow(dialog) && ::GetTickCount() < end) ::Sleep(50);
  EXPECT_FALSE(::IsWindow(dialog));
  EXPECT_TRUE(run.module.Running());
}

}  // namespace
